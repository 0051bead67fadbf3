#pragma once

#include <cstdint>
#include <memory>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "Core/DorvoClock.h"
#include "Core/System.h"
#include "systems/SpriteRenderer.h"
#include "systems/TextRenderer.h"
#include "systems/Texture2D.h"

class Camera;
class GameObject;
class Space;

// Draws the current space: every object in list order, its particles, its sprite through the
// camera's view unless it lies out of view, its text in window pixels, and steps its animation
// and camera; then runs the camera behaviour (CameraBehaviour.h). Nothing is sorted: later
// objects paint over earlier ones. It also clears and finishes every frame of the engine's
// loop, through the engine hooks it sets at start.
class Graphics : public System {
public:
    static constexpr std::int32_t TypeId = 3;
    static constexpr std::uint32_t MaskBit = 0x02;

    Graphics();

    // Loads the loading pictures, the shader programs and the font, and builds the renderers;
    // needs the window's OpenGL context. Then hooks into the engine.
    void Initialize() override;
    void Update(float dt, Space* space) override;
    // Frees the sprite renderer; the text renderer and the clock stay.
    void Shutdown() override;

    // Rebuilds the perspective projection for the window's aspect. The shaders receive it only
    // at start, so a later rebuild changes nothing on screen.
    void UpdateProjection();

    // One quad through the current camera's view: sprites, particles and the screens' pictures
    // all draw through here. Nothing is drawn without a camera or before Initialize.
    void DrawSprite(const Texture2D& texture, const glm::vec3& position, const glm::vec3& size,
                    float rotation, const glm::vec4& color, float flip);

    // Sets the engine's hooks: the frame's clear and finish steps, and the camera that level
    // loading follows on a return to a space. Shutdown clears them. Hooked without Initialize
    // (a run without a display), every rule of the draw pass runs and nothing is drawn: the
    // particles, animations and both camera steps a frame, the camera behaviour with its
    // fall-off and lose request.
    void HookIntoEngine();

    // The frame's first step: both buffers cleared, the clear colour set to opaque black.
    static void ClearFrame();
    // The frame's last drawing step: the followed camera steps a second time, then the drawing
    // is flushed and finished.
    void FinishDrawing();
    // Follows the camera of the space's "CameraComp", when it has one.
    void FollowCameraOf(Space& space);

    // Whether the object lies more than 20 units outside what the space's "CameraComp" sees.
    // A space without that camera culls nothing, and some names are never culled.
    bool IsCulled(const GameObject* object, const Space* space) const;

    // One frame of the loading screen while assets load: events handled, the current space
    // drawn, the followed camera stepped and the frame presented.
    void DrawLoadingFrame();

    // The camera's far plane recorded at level start by the goal's win controller: the camera
    // behaviour runs only while the level's camera is at this distance.
    float levelCameraDistance = 0.0f;
    // Counts the fall-off down, 0.06 a frame from 5.
    float fallOffTimer = FallOffStart;
    // The player has dropped out of view; the level rules read and clear it too.
    bool fallOff = false;
    std::unique_ptr<SpriteRenderer> spriteRenderer;
    std::unique_ptr<TextRenderer> textRenderer;
    // Counts from Initialize on; never reset.
    std::unique_ptr<DorvoClock> clock;

    // The perspective projection every sprite is drawn with.
    glm::mat4 projection{1.0f};

    // The camera the view follows: set by a camera's Initialize and by level loading. Never
    // left pointing into a space that has been destroyed or rebuilt: a camera clears it when
    // it is destroyed.
    Camera* currentCamera = nullptr;

    static constexpr float FallOffStart = 5.0f;
    // At this projection the view is about F wide on each side and this many times F high, F
    // being the camera's height above the level.
    static constexpr float ViewHalfHeight = 0.5625f;
};
