#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "LevelEntry.h"

// Writes the compact TOML form of a level (LevelSource reads it back): one [[object]] per
// entry with its name and template where it has them and one inline table per section.
class LevelSourceWriter {
public:
    // The comment lines come first, each prefixed with "# ".
    static void Write(const std::vector<ObjectEntry>& objects,
                      const std::vector<std::string>& comment, std::ostream& out);
};
