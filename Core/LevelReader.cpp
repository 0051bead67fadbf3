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

constexpr std::string_view NameKey = "string Name = ";

// The installed tables, or none: a program that forgot to install them is told so, and reads
// names without components.
const LevelKeyTable& Keys() {
    static constexpr LevelKeyTable None{};
    return VELMORA_ASSERT(installedKeys != nullptr) ? *installedKeys : None;
}

// What handling one line came to.
struct LineOutcome {
    LevelLineUse use;
    std::string_view key;
    // The line closes the level.
    bool closesLevel = false;
};

// Handles one line after the header.
LineOutcome HandleLine(const LevelKeyTable& keys, LevelReadState& state, std::string_view line,
                       std::vector<LevelRecord>& records) {
    // A line with a brace is only a brace, even when the brace stands in a string value.
    if (LevelLine::Contains(line, "{")) {
        ++state.depth;
        return {LevelLineUse::Brace, {}};
    }
    if (LevelLine::Contains(line, "}")) {
        --state.depth;
        if (state.depth == -1) {
            return {LevelLineUse::Brace, {}, true};
        }
        if (state.depth == 0) {
            records.push_back(std::move(state.object));
            state.object = LevelRecord{};
        } else if (state.depth == 1 && state.type != ComponentType::None) {
            state.object.components.emplace_back(state.type, std::move(state.component));
            state.type = ComponentType::None;
        }
        return {LevelLineUse::Brace, {}};
    }
    if (LevelLine::Contains(line, NameKey)) {
        state.object.name = LevelLine::QuotedText(line);
        return {LevelLineUse::Name, NameKey};
    }
    for (const LevelSection& section : keys.sections) {
        if (LevelLine::Contains(line, section.key)) {
            // A header that comes before the open section is closed replaces that section.
            state.component = section.make();
            state.type = section.type;
            return {LevelLineUse::Section, section.key};
        }
    }
    for (const LevelField& field : keys.fields) {
        if (LevelLine::Contains(line, field.key)) {
            field.apply(state, line);
            return {LevelLineUse::Field, field.key};
        }
    }
    return {LevelLineUse::Ignored, {}};
}

void ReportLine(std::int64_t lineNumber) {
    std::cout << "Error in file at line: " << lineNumber << std::endl;
}

}  // namespace

void LevelReader::UseKeys(const LevelKeyTable* keys) {
    installedKeys = keys;
}

ReadStatus LevelReader::Read(std::string_view path, std::vector<LevelRecord>& records) {
    return Read(path, records, nullptr);
}

ReadStatus LevelReader::Read(std::string_view path, std::vector<LevelRecord>& records,
                             const LevelLineWatcher& watcher) {
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
            const LineOutcome outcome = HandleLine(keys, state, line, records);
            if (watcher) {
                watcher({lineNumber, line, outcome.use, outcome.key, state, records});
            }
            if (outcome.closesLevel) {
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
