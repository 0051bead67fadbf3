#pragma once

#include <cstdint>
#include <map>
#include <string>

#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>
#include <glm/vec3.hpp>

#include "systems/Shader.h"

// One rasterised glyph of the font.
struct Character {
    // The texture holding the glyph's coverage in its red channel.
    std::uint32_t TextureID = 0;
    // Bitmap width and rows in pixels.
    glm::ivec2 Size{0};
    // Bitmap left and top: the offset of the bitmap from the pen and the baseline.
    glm::ivec2 Bearing{0};
    // Horizontal advance in 1/64 pixel.
    std::uint32_t Advance = 0;
};

// Draws text in window pixels, from the top-left corner with y downwards, one textured quad
// per character, from a table of the 128 ASCII glyphs of one font.
class TextRenderer {
public:
    // Loads the "text" program and sets it up for a window of this size; needs the OpenGL
    // context.
    TextRenderer(std::int32_t width, std::int32_t height);
    TextRenderer(const TextRenderer&) = delete;
    TextRenderer& operator=(const TextRenderer&) = delete;

    // Rasterises the ASCII glyphs of the font at the pixel height. Failures are printed and
    // leave the glyphs concerned out of the table.
    void Load(const std::string& fontPath, std::uint32_t fontSize);

    // Draws at most limit characters of the text with the pen starting at (x, y); every
    // glyph's top lines up with the top of "H" at y. A character without a glyph (codes above
    // 127) draws nothing and advances nothing.
    void RenderText(const std::string& text, float x, float y, float scale, const glm::vec3& color,
                    std::int32_t limit);

    std::map<char, Character> Characters;
    Shader TextShader;
    // The pixel projection: (0, 0) is the window's top-left corner.
    glm::mat4 projection{1.0f};

private:
    std::uint32_t VAO = 0;
    std::uint32_t VBO = 0;
};
