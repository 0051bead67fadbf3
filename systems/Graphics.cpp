#include "systems/Graphics.h"

#include <GL/glew.h>

#include <cmath>
#include <limits>
#include <sstream>

#include "Core/Assert.h"
#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "Core/Space.h"
#include "components/Animation.h"
#include "components/Camera.h"
#include "components/ParticleEmmiter.h"
#include "components/Sprite.h"
#include "components/SpriteText.h"
#include "components/Transform.h"
#include "systems/AssetLists.h"
#include "systems/CameraBehaviour.h"
#include "systems/ShaderRegistry.h"
#include "systems/TextureRegistry.h"
#include "systems/Window.h"

namespace {
constexpr float NearPlane = 0.1f;
constexpr float FarPlane = 10000.0f;
// The tangent of the vertical half-angle is tan(22.5) with 22.5 in radians, about 0.557852:
// the levels are laid out for this view.
constexpr float HalfAngle = 22.5f;

constexpr const char* FontPath = "fonts/FreeMono.ttf";
constexpr std::uint32_t FontPixels = 128;

constexpr float CullMargin = 20.0f;

bool NeverCulled(const GameObject& object, const Space& space) {
    if (space.name == ScreenName::FinalScreen) {
        return true;
    }
    const std::string& name = object.name;
    return name == ObjectName::Background || name == ObjectName::Wordmark ||
           name == ObjectName::CreditsText || name == ObjectName::Fade;
}

}  // namespace

Graphics::Graphics() : System(TypeId, "GraphicsSystem", MaskBit) {}

void Graphics::Initialize() {
    fallOff = false;
    fallOffTimer = FallOffStart;

    // NOTE: the doubled slash is how these names have always been loaded; the path reads the
    // same.
    for (const char* name : {"loading1.png", "loading2.png", "loading3.png"}) {
        TextureRegistry::LoadTexture(std::string(AssetLists::ImageFolder) + "/" + name, name);
    }
    ShaderRegistry::LoadShader("Shaders/shader.vert", "Shaders/shader.frag", "sprite");
    ShaderRegistry::LoadShader("Shaders/line.vert", "Shaders/line.frag", "line");
    ShaderRegistry::LoadShader("Shaders/text.vert", "Shaders/text.frag", "text");
    UpdateProjection();
    const Shader sprite = ShaderRegistry::GetShader("sprite");
    sprite.Use();
    sprite.SetInteger("image", 0);
    sprite.SetMatrix4("projection", projection);
    const Shader line = ShaderRegistry::GetShader("line");
    line.Use();
    line.SetMatrix4("projection", projection);
    const Shader text = ShaderRegistry::GetShader("text");
    text.Use();
    text.SetMatrix4("orthoProj", projection);

    spriteRenderer = std::make_unique<SpriteRenderer>(sprite);

    const auto window = GetSystem<Window>();
    textRenderer = std::make_unique<TextRenderer>(window->width, window->height);
    textRenderer->Load(FontPath, FontPixels);

    clock = std::make_unique<DorvoClock>();

    HookIntoEngine();
}

void Graphics::HookIntoEngine() {
    EngineHooks& hooks = Engine::Instance().hooks;
    hooks.clearFrame = [] {
        if (const auto graphics = TryGetSystem<Graphics>(); graphics && graphics->spriteRenderer) {
            ClearFrame();
        }
    };
    hooks.finishDrawing = [] {
        if (const auto graphics = TryGetSystem<Graphics>()) {
            graphics->FinishDrawing();
        }
    };
    hooks.followCamera = [](Space& space) {
        if (const auto graphics = TryGetSystem<Graphics>()) {
            graphics->FollowCameraOf(space);
        }
    };
}

void Graphics::Update(float dt, Space* space) {
    if (space == nullptr) {
        return;
    }
    // By index, re-reading the size: a camera's arrival may load a level and empty this space.
    for (std::size_t i = 0; i < space->objects.size(); ++i) {
        GameObject* object = space->objects[i].get();

        if (auto* emitter = object->FindComponent<ParticleEmmiter>()) {
            emitter->Advance(dt);
            // The player's trail is drawn even out of view.
            if (object->name == ObjectName::Player || !IsCulled(object, space)) {
                emitter->DrawStep(dt);
            }
        }

        auto* sprite = object->FindComponent<Sprite>();
        auto* transform = object->FindComponent<Transform>();
        if (sprite != nullptr && object->alive && sprite->Visible && !IsCulled(object, space) &&
            VELMORA_ASSERT(transform != nullptr)) {
            sprite->flip = sprite->SpriteFlipX ? -1.0f : 1.0f;
            DrawSprite(sprite->texture, transform->translation, transform->scale,
                       transform->rotation, sprite->Color, sprite->flip);
        }

        if (auto* text = object->FindComponent<SpriteText>(); text != nullptr && textRenderer) {
            textRenderer->RenderText(text->Text, text->Position.x, text->Position.y, text->Scale,
                                     text->Color, text->characterLimit);
        }

        if (auto* animation = object->FindComponent<Animation>()) {
            animation->Step();
        }

        if (auto* camera = object->FindComponent<Camera>()) {
            camera->Update();
            if (i >= space->objects.size() || space->objects[i].get() != object) {
                continue;
            }
        }

        // NOTE: every text is overwritten here with the seconds since start, so a level's text
        // shows for one frame only; the screens that need their own text write it each frame.
        if (auto* text = object->FindComponent<SpriteText>(); text != nullptr && clock) {
            std::ostringstream seconds;
            seconds << clock->TotalTime();
            text->Text = seconds.str();
        }
    }
    RunCameraBehaviour(*this, *space);
}

void Graphics::Shutdown() {
    EngineHooks& hooks = Engine::Instance().hooks;
    hooks.clearFrame = nullptr;
    hooks.finishDrawing = nullptr;
    hooks.followCamera = nullptr;
    spriteRenderer.reset();
}

void Graphics::ClearFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
}

void Graphics::FinishDrawing() {
    // The followed camera steps a second time this frame: the draw pass stepped it already.
    if (currentCamera != nullptr) {
        currentCamera->Update();
    }
    if (spriteRenderer) {
        glFlush();
        glFinish();
    }
}

void Graphics::FollowCameraOf(Space& space) {
    if (GameObject* cameraObject = space.FindObject(ObjectName::Camera)) {
        if (auto* camera = cameraObject->GetComponent<Camera>()) {
            currentCamera = camera;
        }
    }
}

void Graphics::UpdateProjection() {
    const auto window = GetSystem<Window>();
    const float aspect = static_cast<float>(window->width) / static_cast<float>(window->height);
    if (!VELMORA_ASSERT(aspect != std::numeric_limits<float>::epsilon())) {
        return;
    }
    const float t = std::tan(HalfAngle);
    projection = glm::mat4(0.0f);
    projection[0][0] = 1.0f / (aspect * t);
    projection[1][1] = 1.0f / t;
    projection[2][2] = -(FarPlane + NearPlane) / (FarPlane - NearPlane);
    projection[2][3] = -1.0f;
    projection[3][2] = -2.0f * FarPlane * NearPlane / (FarPlane - NearPlane);
}

void Graphics::DrawSprite(const Texture2D& texture, const glm::vec3& position,
                          const glm::vec3& size, float rotation, const glm::vec4& color,
                          float flip) {
    if (spriteRenderer) {
        spriteRenderer->DrawSprite(currentCamera, texture, position, size, rotation, color, flip);
    }
}

bool Graphics::IsCulled(const GameObject* object, const Space* space) const {
    if (NeverCulled(*object, *space)) {
        return false;
    }
    const GameObject* cameraObject = space->FindObject(ObjectName::Camera);
    if (cameraObject == nullptr) {
        return false;
    }
    const auto* cameraTransform = cameraObject->FindComponent<Transform>();
    const auto* camera = cameraObject->FindComponent<Camera>();
    const auto* transform = object->FindComponent<Transform>();
    if (cameraTransform == nullptr || camera == nullptr || transform == nullptr) {
        return false;
    }
    const glm::vec3& c = cameraTransform->translation;
    const glm::vec3& o = transform->translation;
    const float z = camera->CameraComponentFarPlane;
    return o.x - CullMargin > c.x + z || c.x - z > o.x + CullMargin ||
           o.y - CullMargin > c.y + ViewHalfHeight * z ||
           c.y - ViewHalfHeight * z > o.y + CullMargin;
}

void Graphics::DrawLoadingFrame() {
    ClearFrame();
    Space* space = Engine::Instance().CurrentSpace();
    const auto window = GetSystem<Window>();
    // The loading pass runs outside the frame loop; its frames step by the fixed step too.
    window->Update(Space::FixedStep, space);
    Update(Space::FixedStep, space);
    FinishDrawing();
    window->Present();
}
