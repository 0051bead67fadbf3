#pragma once

#include <cstdint>

// An OpenGL texture as the game keeps it: copied by value, ID 0 being no texture.
class Texture2D {
public:
    // The OpenGL texture name.
    std::uint32_t ID = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
};
