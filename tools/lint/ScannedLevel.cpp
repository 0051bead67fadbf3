#include "ScannedLevel.h"

#include "Core/ContentFile.h"

ScannedLevel::ScannedLevel(const std::string& path) : file(ContentFile::Resolve(path)) {
    status = LevelReader::Read(path, records, [this](const LevelLineEvent& event) {
        lastLine = event.number;
        if (event.use == LevelLineUse::Name || event.use == LevelLineUse::Section ||
            event.use == LevelLineUse::Field) {
            keyLines.push_back({event.use, event.records.size(), event.state.type, event.key,
                                event.number, std::string(event.text)});
        } else if (event.use == LevelLineUse::Ignored) {
            ignored.push_back({event.number, std::string(event.text)});
        }
    });
}

const LevelRecord* ScannedLevel::Find(const std::string& name) const {
    for (const LevelRecord& record : records) {
        if (record.name == name) {
            return &record;
        }
    }
    return nullptr;
}

std::int64_t ScannedLevel::NameLine(const LevelRecord& record) const {
    const auto object = static_cast<std::size_t>(&record - records.data());
    std::int64_t found = 0;
    for (const KeyLine& line : keyLines) {
        if (line.object == object && line.use == LevelLineUse::Name) {
            found = line.number;
        }
    }
    return found;
}

std::int64_t ScannedLevel::LineOf(const LevelRecord& record, ComponentType type,
                                  std::string_view key) const {
    const auto object = static_cast<std::size_t>(&record - records.data());
    std::int64_t found = 0;
    for (const KeyLine& line : keyLines) {
        if (line.object == object && line.use != LevelLineUse::Name && line.type == type &&
            line.key == key) {
            found = line.number;
        }
    }
    return found;
}
