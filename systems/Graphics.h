#pragma once

#include <cstdint>

#include <glm/mat4x4.hpp>

#include "Core/System.h"

class Camera;

// Draws the current space: every object's sprite in list order through the camera's view.
class Graphics : public System {
public:
    static constexpr std::int32_t TypeId = 3;
    static constexpr std::uint32_t MaskBit = 0x02;

    Graphics();

    void Initialize() override;
    void Update(float dt, Space* space) override;
    void Shutdown() override;

    // Rebuilds the perspective projection for the window's aspect.
    void UpdateProjection();

    // The perspective projection every sprite is drawn with.
    glm::mat4 projection{1.0f};

    // The camera the view follows: set by a camera's Initialize and by level loading. Never
    // left pointing into a space that has been destroyed or rebuilt.
    Camera* currentCamera = nullptr;
};
