#pragma once

#include <cstdint>

#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "systems/Shader.h"
#include "systems/Texture2D.h"

class Camera;

// Draws textured quads into the world: one unit quad from -1 to 1, so an object of scale s is
// drawn 2s wide, placed by a model matrix and seen through a camera's view.
class SpriteRenderer {
public:
    // Builds the quad's and the line's vertex arrays; needs the OpenGL context.
    explicit SpriteRenderer(const Shader& shader);
    SpriteRenderer(const SpriteRenderer&) = delete;
    SpriteRenderer& operator=(const SpriteRenderer&) = delete;
    // Deletes the quad's vertex array.
    ~SpriteRenderer();

    // One quad through the camera's view, blended additively for the textures registered as
    // "particle.png", "spark.png" and "water.png". Stores the view it built in the camera.
    // Without a camera nothing is drawn.
    void DrawSprite(Camera* camera, const Texture2D& texture, const glm::vec3& position,
                    const glm::vec3& size, float rotation, const glm::vec4& color,
                    float flip) const;

    Shader shader;
    // Also the sprite program; nothing draws with it.
    Shader secondShader;
    std::uint32_t quadVAO = 0;
    // A unit line; never drawn.
    std::uint32_t lineVAO = 0;

private:
    std::uint32_t quadVBO = 0;
    std::uint32_t lineVBO = 0;
};
