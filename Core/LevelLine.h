#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "Core/Easing.h"

// How the values of a level file's lines are read. A line is never tokenised: each value is
// found by the first character that introduces it, and what cannot be read reads as zero.
class LevelLine {
public:
    static bool Contains(std::string_view line, std::string_view key) {
        return line.find(key) != std::string_view::npos;
    }

    // The text after the first double quote of the line, up to two characters before the next
    // comma, which drops the closing quote and the comma. Without such a comma the text runs
    // to the end of the line; without a quote it starts at the start of the line.
    static std::string QuotedText(std::string_view line);
    // The same after the first colon: "Art:gear", gives "gear".
    static std::string ColonText(std::string_view line);

    // The number after the first "=" of the line; 0 when there is none, it cannot be read or it
    // is out of range.
    static float Number(std::string_view line);
    static std::int32_t Integer(std::string_view line);

    // Three or four numbers after the first "[" of the line, each followed by one separator
    // character. A number that cannot be read gives 0 for itself and every later one; so does
    // a line without "[".
    static glm::vec3 Vec3(std::string_view line);
    static glm::vec4 Vec4(std::string_view line);

    // The easing named in the line. Names that contain others are looked for first, so that
    // "InOutQuad" is not taken for "OutQuad"; a line naming none selects Linear.
    static EasingFunction EasingNamed(std::string_view line);
};
