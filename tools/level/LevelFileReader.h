#pragma once

#include <string>
#include <vector>

#include "LevelEntry.h"

// Reads a level editor's file through the game's level reader and gives every object as an
// expanded entry: its name and, for each component the game would attach, every field the
// file format can set, with the value the game loads.
class LevelFileReader {
public:
    // Throws LevelSourceError when the reader does not read the file to its closing brace.
    static std::vector<ObjectEntry> Read(const std::string& path);
};
