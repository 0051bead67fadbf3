#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

// One gear picture and the collider numbers it is drawn from.
struct GearRow {
    std::string picture;
    float fullRadius = 0.0f;
    float bellyRadius = 0.0f;
    std::int32_t teeth = 0;
    // The Transform scale, x and y, an object showing the picture needs.
    float scale = 0.0f;
    int line = 0;
};

// The gear table: a header line, then one tab-separated row per gear picture with the columns
// picture, full_radius, belly_radius, teeth and scale. Blank lines are skipped.
class GearTable {
public:
    // Throws LevelSourceError naming the file and line of a bad row.
    static GearTable Read(std::istream& text, const std::string& fileName);
    static GearTable ReadFile(const std::string& path);

    const GearRow* Find(const std::string& picture) const;
    const std::vector<GearRow>& Rows() const { return rows; }
    const std::string& FileName() const { return fileName; }

private:
    std::vector<GearRow> rows;
    std::string fileName;
};
