#pragma once

#include <cstdint>

// An OpenGL texture as the game keeps it: copied by value, ID 0 being no texture.
class Texture2D {
public:
    // Uploads RGBA pixels (rows as stored in the image file) as level 0 of this texture, with
    // clamped edges and linear filters. Leaves blending and face culling on, and the blend
    // function additive when asked, else ordinary alpha blending.
    void Generate(std::int32_t width, std::int32_t height, const unsigned char* pixels,
                  bool additive);

    void Bind() const;

    // The OpenGL texture name.
    std::uint32_t ID = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
};
