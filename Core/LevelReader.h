#pragma once

#include <memory>
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

// Reads the level editor's files and builds their objects. The reader never tokenises a line:
// it tests the line for a fixed series of keys, in a fixed order, and the first key found
// decides what the line does, wherever it stands in the line. It needs no OpenGL context and no
// audio device: textures and sounds are only looked up by name.
class LevelReader {
public:
    // Appends a record for every object closed before the level's closing brace, the end of the
    // file or a line that could not be handled. The last two print "Error in file at line: "
    // and the number of the last line read on standard output.
    static ReadStatus Read(std::string_view path, std::vector<LevelRecord>& records);

    // Reads the space's level file, whatever the status, and makes every record an object of
    // the space: entered in the name index unless the name is taken, its components attached
    // in section order, then initialised in the fixed type order.
    static void Build(Space& space);
};
