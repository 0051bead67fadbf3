#pragma once

#include <string>

#include "Templates.h"

// The two directions between a compact level source and the level editor's file.
class LevelTool {
public:
    // Reads the source, expands every object with the templates and writes the editor's file.
    // Throws LevelSourceError naming the file, line and key of bad input; writes nothing then.
    static void Compile(const std::string& sourcePath, const std::string& levelPath,
                        const Templates& templates);

    // Reads the editor's file with the game's level reader and writes the compact source
    // that compiles back to the same loaded level, each object on its best template.
    static void Decompile(const std::string& levelPath, const std::string& sourcePath,
                          const Templates& templates);
};
