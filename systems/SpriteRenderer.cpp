#include "systems/SpriteRenderer.h"

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>

#include "components/Camera.h"
#include "systems/TextureRegistry.h"

namespace {
constexpr GLfloat QuadVertices[] = {
    // x, y, u, v
    -1.0f, 1.0f,  0.0f, 1.0f,  //
    -1.0f, -1.0f, 0.0f, 0.0f,  //
    1.0f,  -1.0f, 1.0f, 0.0f,  //
    -1.0f, 1.0f,  0.0f, 1.0f,  //
    1.0f,  -1.0f, 1.0f, 0.0f,  //
    1.0f,  1.0f,  1.0f, 1.0f,
};
constexpr GLfloat LineVertices[] = {
    0.0f, 0.0f, 0.0f,  //
    1.0f, 0.0f, 0.0f,
};
constexpr GLsizei QuadVertexCount = 6;

// A vertex array over a static buffer of the data, whose attribute 0 takes `components` floats
// a vertex.
void MakeVertexArray(const GLfloat* data, GLsizeiptr bytes, GLint components, GLuint& vertexArray,
                     GLuint& buffer) {
    glGenVertexArrays(1, &vertexArray);
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, bytes, data, GL_STATIC_DRAW);
    glBindVertexArray(vertexArray);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, components, GL_FLOAT, GL_FALSE,
                          components * static_cast<GLsizei>(sizeof(GLfloat)), nullptr);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindVertexArray(0);
}
}  // namespace

SpriteRenderer::SpriteRenderer(const Shader& shader) : shader(shader), secondShader(shader) {
    MakeVertexArray(QuadVertices, sizeof(QuadVertices), 4, quadVAO, quadVBO);
    MakeVertexArray(LineVertices, sizeof(LineVertices), 3, lineVAO, lineVBO);
}

SpriteRenderer::~SpriteRenderer() {
    glDeleteVertexArrays(1, &quadVAO);
}

void SpriteRenderer::DrawSprite(Camera* camera, const Texture2D& texture, const glm::vec3& position,
                                const glm::vec3& size, float rotation, const glm::vec4& color,
                                float flip) const {
    if (camera == nullptr) {
        return;
    }
    shader.Use();
    const glm::vec3 eye(camera->position.x, camera->position.y, camera->CameraComponentFarPlane);
    camera->view = glm::lookAt(eye, glm::vec3(eye.x, eye.y, -1.0f), glm::vec3(0.0f, 1.0f, 0.0f));

    glm::mat4 model = glm::translate(glm::mat4(1.0f), position);
    model = glm::rotate(model, rotation, glm::vec3(0.0f, 0.0f, 1.0f));
    model = glm::scale(model, size);

    shader.SetFloat("flip", flip);
    shader.SetMatrix4("model", model);
    shader.SetVector4f("spriteColor", color);
    shader.SetMatrix4("viewmatrix", camera->view);

    glActiveTexture(GL_TEXTURE0);
    glEnable(GL_BLEND);
    if (TextureRegistry::IsDrawnAdditive(texture)) {
        glBlendFunc(GL_SRC_COLOR, GL_ONE);
    } else {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    texture.Bind();
    glBindVertexArray(quadVAO);
    glDrawArrays(GL_TRIANGLES, 0, QuadVertexCount);
    glBindVertexArray(0);
}
