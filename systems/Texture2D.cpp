#include "systems/Texture2D.h"

#include <GL/glew.h>

void Texture2D::Generate(std::int32_t width, std::int32_t height, const unsigned char* pixels,
                         bool additive) {
    Width = width;
    Height = height;
    glBindTexture(GL_TEXTURE_2D, ID);
    glEnable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    if (additive) {
        glBlendFunc(GL_SRC_COLOR, GL_ONE);
    } else {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void Texture2D::Bind() const {
    glBindTexture(GL_TEXTURE_2D, ID);
}
