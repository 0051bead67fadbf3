#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "LevelEntry.h"

// Writes levels in the level editor's file format: its 138-line header, lines ending in CR LF,
// one block per object with its name and its component sections, each field on a line of its
// own with the key the level reader matches.
class LevelFileWriter {
public:
    // Writes expanded objects (Templates::Expand), in order.
    static void Write(const std::vector<ObjectEntry>& objects, std::ostream& out);
    static std::string Text(const std::vector<ObjectEntry>& objects);
};
