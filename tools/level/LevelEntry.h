#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

struct FieldKey;
struct SectionKey;

// A field's value as the level loads it. Unset is a field no line sets and no line can set
// back (a sprite without a picture, a body without a kind). Vectors hold 3 or 4 numbers;
// waypoints are the move component's destinations in order.
using Waypoints = std::vector<std::array<float, 3>>;
using FieldValue = std::variant<std::monostate, bool, std::int32_t, float, std::string,
                                std::vector<float>, Waypoints>;

struct FieldEntry {
    const FieldKey* key = nullptr;
    FieldValue value;
    // Where the value was written, for messages; 0 when it was not read from a file.
    int line = 0;
};

// One component section of an object, its fields in key table order.
struct SectionEntry {
    const SectionKey* key = nullptr;
    std::vector<FieldEntry> fields;
    int line = 0;
};

// One object of a level: as a compact source writes it (its template and the sections and
// fields it sets itself), or, once expanded, everything the editor's file says about it.
struct ObjectEntry {
    std::string name;
    std::string templateName;
    // A row of the gear table whose picture, scale and collider numbers the object takes.
    std::string gear;
    std::vector<SectionEntry> sections;
    int line = 0;
};
