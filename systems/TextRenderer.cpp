#include "systems/TextRenderer.h"

#include <iostream>

#include <GL/glew.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include "Core/ContentFile.h"
#include "systems/ShaderRegistry.h"

namespace {
constexpr int VerticesPerGlyph = 6;
constexpr int FloatsPerVertex = 4;
constexpr unsigned char LastCharacter = 127;
}  // namespace

TextRenderer::TextRenderer(std::int32_t width, std::int32_t height) {
    TextShader = ShaderRegistry::LoadShader("shaders/text.vert", "shaders/text.frag", "text");
    projection = glm::mat4(0.0f);
    projection[0][0] = static_cast<float>(2.0 / static_cast<double>(width));
    projection[1][1] = static_cast<float>(-2.0 / static_cast<double>(height));
    projection[2][2] = -1.0f;
    projection[3][0] = -1.0f;
    projection[3][1] = 1.0f;
    projection[3][3] = 1.0f;
    TextShader.Use();
    TextShader.SetMatrix4("projection", projection);
    TextShader.SetInteger("text", 0);

    glGenVertexArrays(1, &VAO);
    glGenBuffers(1, &VBO);
    glBindVertexArray(VAO);
    glBindBuffer(GL_ARRAY_BUFFER, VBO);
    glBufferData(GL_ARRAY_BUFFER, sizeof(GLfloat) * VerticesPerGlyph * FloatsPerVertex, nullptr,
                 GL_DYNAMIC_DRAW);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, FloatsPerVertex, GL_FLOAT, GL_FALSE, FloatsPerVertex * sizeof(GLfloat),
                          nullptr);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindVertexArray(0);
}

void TextRenderer::Load(const std::string& fontPath, std::uint32_t fontSize) {
    Characters.clear();
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        std::cout << "ERROR::FREETYPE: Could not init FreeType Library" << std::endl;
    }
    FT_Face face = nullptr;
    if (FT_New_Face(library, ContentFile::Resolve(fontPath).c_str(), 0, &face) != 0) {
        std::cout << "ERROR::FREETYPE: Failed to load font" << std::endl;
    }
    // FreeType refuses null handles with an error, so a failed start goes on harmlessly: each
    // glyph then fails to load and is reported.
    FT_Set_Pixel_Sizes(face, 0, fontSize);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (unsigned char c = 0; c <= LastCharacter; ++c) {
        if (FT_Load_Char(face, c, FT_LOAD_RENDER) != 0) {
            std::cout << "ERROR::FREETYTPE: Failed to load Glyph" << std::endl;
            continue;
        }
        const FT_GlyphSlot glyph = face->glyph;
        GLuint texture = 0;
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RED, static_cast<GLsizei>(glyph->bitmap.width),
                     static_cast<GLsizei>(glyph->bitmap.rows), 0, GL_RED, GL_UNSIGNED_BYTE,
                     glyph->bitmap.buffer);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        const Character character{
            texture,
            glm::ivec2(static_cast<int>(glyph->bitmap.width), static_cast<int>(glyph->bitmap.rows)),
            glm::ivec2(glyph->bitmap_left, glyph->bitmap_top),
            static_cast<std::uint32_t>(glyph->advance.x)};
        Characters.emplace(static_cast<char>(c), character);
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    FT_Done_Face(face);
    FT_Done_FreeType(library);
}

void TextRenderer::RenderText(const std::string& text, float x, float y, float scale,
                              const glm::vec3& color, std::int32_t limit) {
    TextShader.Use();
    TextShader.SetVector3f("textColor", color);
    glActiveTexture(GL_TEXTURE0);
    glBindVertexArray(VAO);
    std::int32_t drawn = 0;
    for (const char c : text) {
        if (drawn >= limit) {
            break;
        }
        ++drawn;
        const Character ch = Characters[c];
        const Character capital = Characters['H'];
        const float xpos = x + static_cast<float>(ch.Bearing.x) * scale;
        const float ypos = y + static_cast<float>(capital.Bearing.y - ch.Bearing.y) * scale;
        const float w = static_cast<float>(ch.Size.x) * scale;
        const float h = static_cast<float>(ch.Size.y) * scale;
        const GLfloat vertices[VerticesPerGlyph][FloatsPerVertex] = {
            {xpos, ypos + h, 0.0f, 1.0f},     {xpos + w, ypos, 1.0f, 0.0f},
            {xpos, ypos, 0.0f, 0.0f},         {xpos, ypos + h, 0.0f, 1.0f},
            {xpos + w, ypos + h, 1.0f, 1.0f}, {xpos + w, ypos, 1.0f, 0.0f},
        };
        glBindTexture(GL_TEXTURE_2D, ch.TextureID);
        glBindBuffer(GL_ARRAY_BUFFER, VBO);
        glBufferSubData(GL_ARRAY_BUFFER, 0, sizeof(vertices), vertices);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glDrawArrays(GL_TRIANGLES, 0, VerticesPerGlyph);
        x += static_cast<float>(ch.Advance >> 6) * scale;
    }
    glBindVertexArray(0);
    glBindTexture(GL_TEXTURE_2D, 0);
}
