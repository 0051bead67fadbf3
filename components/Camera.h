#pragma once

#include <string>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include "Core/Component.h"

// The level's view: it looks down the z axis from the height CameraComponentFarPlane above its
// object, and may scroll its object at a constant speed. The graphics system follows one camera
// at a time; a camera that is destroyed stops being followed.
class Camera : public Component {
public:
    static constexpr ComponentType Type = ComponentType::Camera;

    ~Camera() override;

    // Takes the object's position, becomes the camera the graphics system follows, and starts
    // scrolling when a direction is on and has a speed.
    void Initialize() override;

    // The per-frame step: takes the object's position, tells the goal's win controller once the
    // win zoom has arrived, starts scrolling once the intro zoom is back at the level's
    // distance, and scrolls the object by CameraScrollSpeed. The current camera runs it twice a
    // frame (the draw pass and the frame loop), so it scrolls twice its speed per frame.
    void Update();

    // Stops scrolling and glides to the goal "winBear" over a second while zooming through it
    // to -10 over three; stops the message.
    void OnTeleportDone(Message* message) override;

    // The far plane the win zoom ends at.
    static constexpr float ArrivedDistance = -10.0f;

    // Kept from the editor's camera; nothing reads them yet.
    bool enabled = true;
    float nearPlane = 0.01f;
    // Height of the eye above the level, and the half-width of the view.
    float CameraComponentFarPlane = 0.0f;
    bool scrolling = false;
    glm::vec3 up{0.0f, 1.0f, 0.0f};
    // The object's position, refreshed by Initialize and every update.
    glm::vec3 position{0.0f};
    // The last view matrix the renderer built.
    glm::mat4 view{1.0f};
    glm::mat4 projection{1.0f};
    // Added to the object's x and y per frame while scrolling.
    glm::vec3 CameraScrollSpeed{0.0f};
    bool MovingCameraY = false;
    bool MovingCameraX = false;
    std::string name;
};
