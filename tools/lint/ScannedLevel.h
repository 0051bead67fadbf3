#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Core/LevelReader.h"

// A level file as the game's level reader reads it, with the line each key stands on. The keys
// must be installed in the reader (InstallLevelKeys) before the scan.
class ScannedLevel {
public:
    // A line that named an object or matched a section or field key. `object` is the index in
    // records of the object being read (it may never close); `type` the class of the component
    // open after the line, None outside a section. `key` points into the reader's keys.
    struct KeyLine {
        LevelLineUse use;
        std::size_t object;
        ComponentType type;
        std::string_view key;
        std::int64_t number;
        std::string text;
    };

    // A line after the header that the reader passed over.
    struct IgnoredLine {
        std::int64_t number;
        std::string text;
    };

    // Reads the level file at the path, written as the game writes it (relative to the content
    // folder, "\" or "/", any letter case).
    explicit ScannedLevel(const std::string& path);

    // The object the game finds under the name: the first one of that name, or null.
    const LevelRecord* Find(const std::string& name) const;

    // The component of class T of the record, or null.
    template <typename T>
    static const T* ComponentOf(const LevelRecord& record) {
        for (const auto& [type, component] : record.components) {
            if (type == T::Type) {
                return static_cast<const T*>(component.get());
            }
        }
        return nullptr;
    }

    // The number of the last line that names the record's object, or 0.
    std::int64_t NameLine(const LevelRecord& record) const;

    // The number of the last line of the record's that holds the key while a component of the
    // type is open, or 0.
    std::int64_t LineOf(const LevelRecord& record, ComponentType type, std::string_view key) const;

    // The file as it stands on disk, relative to the content folder.
    std::string file;
    ReadStatus status = ReadStatus::CannotOpen;
    // The last line the reader handled.
    std::int64_t lastLine = 0;
    std::vector<LevelRecord> records;
    std::vector<KeyLine> keyLines;
    std::vector<IgnoredLine> ignored;
};
