#pragma once

#include <cstdint>
#include <limits>
#include <string>

#include <glm/vec3.hpp>

#include "Core/Component.h"

// A line of text drawn in window pixels, from the top-left corner with y downwards.
class SpriteText : public Component {
public:
    static constexpr ComponentType Type = ComponentType::SpriteText;

    std::string name = "SpriteText";
    std::string Text;
    // Red, green, blue.
    glm::vec3 Color{0.0f};
    // 1 draws glyphs at their full pixel height.
    float Scale = 0.0f;
    // At most this many characters are drawn.
    std::int32_t characterLimit = std::numeric_limits<std::int32_t>::max();
    // The pen start; z is not used.
    glm::vec3 Position{0.0f};
};
