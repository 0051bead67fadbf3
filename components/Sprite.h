#pragma once

#include <string>

#include <glm/vec4.hpp>

#include "Core/Component.h"
#include "systems/Texture2D.h"

// An object's picture: a copy of a texture registry entry, drawn tinted by Color.
class Sprite : public Component {
public:
    static constexpr ComponentType Type = ComponentType::Sprite;

    // The registry entry the level names, copied when the level is read.
    Texture2D texture;
    // Red, green, blue, alpha; transparent black until the level sets it.
    glm::vec4 Color{0.0f};
    // Drawn only when set. A sprite section that does not say is drawn.
    bool Visible = true;
    // Mirrored left to right.
    bool SpriteFlipX = false;
    // Written by the renderer before each draw: -1 when mirrored, else 1.
    float flip = 1.0f;
    std::string name = "Sprite";
};
