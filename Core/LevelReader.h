#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Core/Component.h"

class Space;

// One object as its level file describes it: its name and its components, in the order their
// sections were closed. The record owns the components until they are attached.
struct LevelRecord {
    std::string name;
    std::vector<std::pair<ComponentType, std::unique_ptr<Component>>> components;
};

// What reading a level file came to.
enum class ReadStatus {
    // Read to the brace that closes the level.
    Complete = 0,
    CannotOpen = 1,
    // The file ended inside the editor's header.
    EndsInHeader = 2,
    // The file ended before the closing brace, or a line could not be handled.
    EndsEarly = 3,
};

// What the reader holds between lines: the component section open, if any, and the object
// being read.
struct LevelReadState {
    // Braces open since the first line after the header. Wide enough for any file that fits in
    // memory, so a file of nothing but opening braces cannot overflow it.
    std::int64_t depth = 0;
    ComponentType type = ComponentType::None;
    std::unique_ptr<Component> component;
    LevelRecord object;

    // The open component as class T, or null when the open section is of another class or
    // none.
    template <typename T>
    T* Open() {
        return type == T::Type ? static_cast<T*>(component.get()) : nullptr;
    }
};

// A component section: a line holding the key opens a new component of the class.
struct LevelSection {
    std::string_view key;
    ComponentType type;
    std::unique_ptr<Component> (*make)();
};

// A field key: a line holding the key hands the line to apply, which sets a field of the open
// component when it is of the key's class.
struct LevelField {
    std::string_view key;
    void (*apply)(LevelReadState& state, std::string_view line);
};

// The keys the reader tests every line for, and the order in which an object's components are
// initialised once it is read. The tables belong to the component classes; the reader only
// walks them, sections first, in table order.
struct LevelKeyTable {
    std::span<const LevelSection> sections;
    std::span<const LevelField> fields;
    std::span<const ComponentType> initializeOrder;
};

// What the reader made of one line after the header.
enum class LevelLineUse { Brace, Name, Section, Field, Ignored };

// One line after the header, as the reader has just handled it. `key` is the key the line
// matched (the name's, a section's or a field's), empty for braces and ignored lines; `state` is
// the reader's state after the line, and `records` holds the objects closed so far. Valid only
// during the call.
struct LevelLineEvent {
    std::int64_t number;
    std::string_view text;
    LevelLineUse use;
    std::string_view key;
    const LevelReadState& state;
    const std::vector<LevelRecord>& records;
};

// Told about each line after the header; a tool that names a file's lines watches the reader.
using LevelLineWatcher = std::function<void(const LevelLineEvent& event)>;

// Reads the level editor's files and builds their objects. The reader never tokenises a line:
// it tests the line for a fixed series of keys, in a fixed order, and the first key found
// decides what the line does, wherever it stands in the line. It needs no OpenGL context and no
// audio device.
class LevelReader {
public:
    // The level editor writes a header of its own that the game never looks at.
    static constexpr int EditorHeaderLines = 138;

    // Installs the key tables every later read uses; they must outlive every read. A read
    // without them asserts and gives objects with names and no components.
    static void UseKeys(const LevelKeyTable* keys);

    // Appends a record for every object closed before the level's closing brace, the end of the
    // file or a line that could not be handled. The last two print "Error in file at line: "
    // and the number of the last line read on standard output.
    static ReadStatus Read(std::string_view path, std::vector<LevelRecord>& records);
    // The same read, telling the watcher about every line after the header once it is handled.
    // A line that cannot be handled is not told.
    static ReadStatus Read(std::string_view path, std::vector<LevelRecord>& records,
                           const LevelLineWatcher& watcher);

    // Reads the space's level file, whatever the status, and makes every record an object of
    // the space: entered in the name index unless the name is taken, its components attached
    // in section order, then initialised in the fixed type order.
    static void Build(Space& space);
};
