#pragma once

#include <optional>
#include <string>
#include <vector>

#include "GearTable.h"
#include "LevelEntry.h"
#include "LevelSource.h"

// The named objects level entries start from: those of the templates file, in its order, then
// one "gear:PICTURE" per row of the gear table, built on the template "turningGear" with the
// row's picture, scale and collider numbers.
class Templates {
public:
    static constexpr const char* GearPrefix = "gear:";
    static constexpr const char* GearBase = "turningGear";

    Templates() = default;
    Templates(std::vector<TemplateEntry> entries, std::optional<GearTable> gears,
              std::string fileName);

    // Reads the templates file and the gear table (none when the path is empty); throws
    // LevelSourceError naming the file and line at fault.
    static Templates Load(const std::string& templatesPath, const std::string& gearTablePath);

    // Everything the entry loads with: its template's sections and fields (itself expanded),
    // then the gear row's numbers, then its own, in that order of precedence. Sections come in
    // the template's order, the entry's new ones after. Throws LevelSourceError naming
    // fileName and the entry's line for an unknown template or gear, or a template loop.
    ObjectEntry Expand(const ObjectEntry& entry, const std::string& fileName) const;

    // The shortest entry that expands to the same loaded object as full (every field of every
    // section, as read from an editor's file): the template that leaves the fewest fields to
    // write, and only the fields that differ from it.
    ObjectEntry Compact(const ObjectEntry& full) const;

    const std::vector<TemplateEntry>& Entries() const { return entries; }

private:
    ObjectEntry Expand(const ObjectEntry& entry, const std::string& fileName, int depth) const;
    const ObjectEntry* Find(const std::string& name) const;

    std::vector<TemplateEntry> entries;
    std::optional<GearTable> gears;
    std::string fileName;
};
