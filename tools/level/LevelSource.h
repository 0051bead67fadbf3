#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "LevelEntry.h"

// A named template as a templates file writes it.
struct TemplateEntry {
    std::string name;
    ObjectEntry entry;
};

// Reads the compact TOML form of levels and of the templates file. A level is an array of
// [[object]] tables; the templates file is one [template.NAME] table per template. Each entry
// may set `name`, `template` (the template it starts from), `gear` (a row of the gear table)
// and one table per component section, named as LevelKeys names them, holding only the fields
// that differ. Entries and sections keep the order they are written in.
class LevelSource {
public:
    // Throw LevelSourceError with the file, line and key of the first bad entry.
    static std::vector<ObjectEntry> ReadLevel(std::string_view text, const std::string& fileName);
    static std::vector<TemplateEntry> ReadTemplates(std::string_view text,
                                                    const std::string& fileName);

    // The whole file's text; throws LevelSourceError when it cannot be read.
    static std::string ReadText(const std::string& path);
};
