#include "Core/LevelReader.h"

#include <cstdint>
#include <exception>
#include <iostream>

#include "Core/Assert.h"
#include "Core/ContentFile.h"
#include "Core/GameObject.h"
#include "Core/LevelLine.h"
#include "Core/Space.h"

namespace {

const LevelKeyTable* installedKeys = nullptr;

// The installed tables, or none: a program that forgot to install them is told so, and reads
// names without components.
const LevelKeyTable& Keys() {
    static constexpr LevelKeyTable None{};
    return VELMORA_ASSERT(installedKeys != nullptr) ? *installedKeys : None;
}

// Handles one line after the header. True when the line closes the level.
bool HandleLine(const LevelKeyTable& keys, LevelReadState& state, std::string_view line,
                std::vector<LevelRecord>& records) {
    // A line with a brace is only a brace, even when the brace stands in a string value.
    if (LevelLine::Contains(line, "{")) {
        ++state.depth;
        return false;
    }
    if (LevelLine::Contains(line, "}")) {
        --state.depth;
        if (state.depth == -1) {
            return true;
        }
        if (state.depth == 0) {
            records.push_back(std::move(state.object));
            state.object = LevelRecord{};
        } else if (state.depth == 1 && state.type != ComponentType::None) {
            state.object.components.emplace_back(state.type, std::move(state.component));
            state.type = ComponentType::None;
        }
        return false;
    }
    if (LevelLine::Contains(line, "string Name = ")) {
        state.object.name = LevelLine::QuotedText(line);
        return false;
    }
    for (const LevelSection& section : keys.sections) {
        if (LevelLine::Contains(line, section.key)) {
            // A header that comes before the open section is closed replaces that section.
            state.component = section.make();
            state.type = section.type;
            return false;
        }
    }
    for (const LevelField& field : keys.fields) {
        if (LevelLine::Contains(line, field.key)) {
            field.apply(state, line);
            return false;
        }
    }
    return false;
}

void ReportLine(std::int64_t lineNumber) {
    std::cout << "Error in file at line: " << lineNumber << std::endl;
}

}  // namespace

void LevelReader::UseKeys(const LevelKeyTable* keys) {
    installedKeys = keys;
}

ReadStatus LevelReader::Read(std::string_view path, std::vector<LevelRecord>& records) {
    ContentFile file(path);
    if (!file.IsOpen()) {
        return ReadStatus::CannotOpen;
    }
    std::string line;
    for (int i = 0; i < EditorHeaderLines; ++i) {
        // A header whose last line has no line end is as short as one that stops earlier.
        if (!file.ReadLine(line) || file.Text().eof()) {
            return ReadStatus::EndsInHeader;
        }
    }

    const LevelKeyTable& keys = Keys();
    LevelReadState state;
    std::int64_t lineNumber = EditorHeaderLines;
    try {
        while (file.ReadLine(line)) {
            ++lineNumber;
            if (HandleLine(keys, state, line, records)) {
                return ReadStatus::Complete;
            }
        }
    } catch (const std::exception&) {
        // The objects closed so far stand; the one being read is lost.
    }
    ReportLine(lineNumber);
    return ReadStatus::EndsEarly;
}

void LevelReader::Build(Space& space) {
    std::vector<LevelRecord> records;
    Read(space.levelPath, records);
    for (LevelRecord& record : records) {
        GameObject* object = space.CreateObject(std::move(record.name));
        space.IndexObject(object);
        for (auto& [type, component] : record.components) {
            component->owner = object;
            object->AddComponent(type, std::move(component));
        }
        for (ComponentType type : Keys().initializeOrder) {
            if (Component* component = object->GetRawComponent(type)) {
                component->Initialize();
            }
        }
    }
}
