#include "systems/Graphics.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include <cmath>
#include <limits>
#include <sstream>

#include "Core/Assert.h"
#include "Core/Engine.h"
#include "Core/GameObject.h"
#include "Core/Space.h"
#include "components/Animation.h"
#include "components/Camera.h"
#include "components/InputController.h"
#include "components/MovingGearCollider.h"
#include "components/ParticleEmmiter.h"
#include "components/RigidBody.h"
#include "components/Sprite.h"
#include "components/SpriteText.h"
#include "components/Transform.h"
#include "systems/GameplaySystem.h"
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

// At this projection the view is about F wide on each side and 0.5625 F high, F being the
// camera's height above the level.
constexpr float ViewHalfHeight = 0.5625f;
constexpr float CullMargin = 20.0f;

constexpr float LeadFactor = 0.5f;
// How far, in its own scales, the player may drift past the left edge before it falls.
constexpr float DropOutScales = 1.5f;
constexpr float FallKick = 70.0f;
constexpr float FallOffStep = 0.06f;

const char* const PlayerName = "velmo";
const char* const CameraName = "CameraComp";
const char* const GoalName = "winBear";

bool NeverCulled(const GameObject& object, const Space& space) {
    if (space.name == "WinPravineFinal") {
        return true;
    }
    const std::string& name = object.name;
    return name == "BG" || name == "velmora" || name == "creditsText" || name == "fade";
}

// The player leaves every gear and falls through everything.
void Detach(InputController& controller, MovingGearCollider* collider, RigidBody* body) {
    controller.launched = true;
    controller.disabled = true;
    if (collider != nullptr) {
        collider->contacts.clear();
        collider->MovingGearColliderGhost = true;
    }
    if (body != nullptr) {
        body->attached = false;
    }
}

}  // namespace

Graphics::Graphics() : System(TypeId, "GraphicsSystem", MaskBit) {}

void Graphics::Initialize() {
    fallOff = false;
    fallOffTimer = FallOffStart;

    for (const char* name : {"loading1.png", "loading2.png", "loading3.png"}) {
        TextureRegistry::LoadTexture(std::string("Textures//") + name, name);
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
}

void Graphics::Update(float dt, Space* space) {
    if (space == nullptr) {
        return;
    }
    // By index, re-reading the size: a camera's arrival may load a level and empty this space.
    for (std::size_t i = 0; i < space->objects.size(); ++i) {
        GameObject* object = space->objects[i].get();

        if (auto* emitter = object->FindComponent<ParticleEmmiter>()) {
            // The player's trail is drawn even out of view.
            RunParticles(*emitter, dt, object->name == PlayerName || !IsCulled(object, space));
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
            RunAnimation(*animation);
        }

        if (auto* camera = object->FindComponent<Camera>()) {
            camera->Update();
            if (i >= space->objects.size() || space->objects[i].get() != object) {
                continue;
            }
        }

        // Every text shows the seconds since start from the next frame on.
        if (auto* text = object->FindComponent<SpriteText>(); text != nullptr && clock) {
            std::ostringstream seconds;
            seconds << clock->TotalTime();
            text->Text = seconds.str();
        }
    }
    CameraBehaviour(space);
}

void Graphics::Shutdown() {
    spriteRenderer.reset();
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
    const GameObject* cameraObject = space->FindObject(CameraName);
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
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    Space* space = Engine::Instance().CurrentSpace();
    const auto window = GetSystem<Window>();
    // The loading pass runs outside the frame loop; its frames step by the fixed step too.
    window->Update(Space::FixedStep, space);
    Update(Space::FixedStep, space);
    if (currentCamera != nullptr) {
        currentCamera->Update();
    }
    glFlush();
    glFinish();
    if (window->handle != nullptr) {
        glfwSwapBuffers(window->handle);
    }
}

void Graphics::RunParticles(ParticleEmmiter&, float, bool) {
    // Particles are not simulated yet: the emitter's flight, spiral and draw rules go here.
}

void Graphics::RunAnimation(Animation&) {
    // Animations do not step yet: the frame step goes here.
}

void Graphics::CameraBehaviour(Space* space) {
    Space* top = Engine::Instance().CurrentSpace();
    GameObject* goal = top != nullptr ? top->FindObject(GoalName) : nullptr;
    GameObject* cameraObject = nullptr;
    for (const auto& object : space->objects) {
        if (object->HasComponent(ComponentType::Camera)) {
            cameraObject = object.get();
        }
    }
    const GameObject* levelCameraObject = space->FindObject(CameraName);
    const auto* levelCamera =
        levelCameraObject != nullptr ? levelCameraObject->FindComponent<Camera>() : nullptr;
    for (std::size_t i = 0; i < space->objects.size(); ++i) {
        GameObject& object = *space->objects[i];
        // Nothing follows during the intro and win zooms.
        if (object.HasComponent(ComponentType::InputController) && levelCamera != nullptr &&
            levelCamera->CameraComponentFarPlane == levelCameraDistance) {
            FollowPlayer(object, cameraObject, goal);
        }
    }
    FallOffSequence();
}

void Graphics::FollowPlayer(GameObject& player, GameObject* cameraObject, GameObject* goal) {
    auto* camera = cameraObject != nullptr ? cameraObject->FindComponent<Camera>() : nullptr;
    auto* view = cameraObject != nullptr ? cameraObject->FindComponent<Transform>() : nullptr;
    auto* body = player.FindComponent<Transform>();
    if (camera == nullptr || view == nullptr || body == nullptr) {
        return;
    }
    glm::vec3& c = view->translation;
    const glm::vec3& p = body->translation;
    const float f = camera->CameraComponentFarPlane;
    const float h = ViewHalfHeight * f;
    const glm::vec3& speed = camera->CameraScrollSpeed;
    float lead = LeadFactor * f;

    if (auto* target = goal != nullptr ? goal->FindComponent<Transform>() : nullptr) {
        const glm::vec3& g = target->translation;
        if (camera->MovingCameraX && speed.x > 0.0f) {
            if (c.x > g.x) {
                camera->MovingCameraX = false;
            }
            lead = 2.0f * lead;
            // The camera never trails the player.
            if (p.x + lead > c.x + f) {
                c.x = p.x + lead - f;
            }
            if (c.x - f > p.x + DropOutScales * body->scale.x) {
                camera->MovingCameraX = false;
                auto* controller = player.FindComponent<InputController>();
                auto* rigidBody = player.FindComponent<RigidBody>();
                Detach(*controller, player.FindComponent<MovingGearCollider>(), rigidBody);
                if (rigidBody != nullptr) {
                    rigidBody->velocity = glm::vec3(0.0f);
                    rigidBody->displacement = glm::vec3(0.0f);
                    rigidBody->acceleration.y += FallKick;
                    rigidBody->Gravity = true;
                }
            }
        }
        if (camera->MovingCameraX && speed.x < 0.0f) {
            if (g.x > c.x) {
                camera->MovingCameraX = false;
            }
            if (c.x - f > p.x) {
                c.x = f + p.x;
            }
        }
        if (camera->MovingCameraY && speed.y > 0.0f) {
            if (c.y > g.y) {
                camera->MovingCameraY = false;
            }
            if (lead + p.y > c.y + h) {
                c.y = lead + p.y - h;
            }
            if (c.y - h > p.y) {
                fallOff = true;
            }
        }
        if (camera->MovingCameraY && speed.y < 0.0f) {
            if (g.y > c.y) {
                camera->MovingCameraY = false;
            }
            if (c.y - h > p.y - lead) {
                c.y = p.y - lead + h;
            }
            if (p.y > h + c.y) {
                fallOff = true;
            }
        }
    }
    if (c.y - h > p.y) {
        fallOff = true;
    }
}

void Graphics::FallOffSequence() {
    Space* top = Engine::Instance().CurrentSpace();
    GameObject* player = top != nullptr ? top->FindObject(PlayerName) : nullptr;
    if (!fallOff || fallOffTimer <= 0.0f || player == nullptr) {
        return;
    }
    auto* controller = player->GetComponent<InputController>();
    if (controller == nullptr) {
        return;
    }
    // The player keeps falling, untouchable, until the level restarts.
    Detach(*controller, player->FindComponent<MovingGearCollider>(),
           player->FindComponent<RigidBody>());
    fallOffTimer -= FallOffStep;
    if (fallOffTimer < 0.0f) {
        controller->disabled = false;
        player->space->loseRequest = true;
        fallOff = false;
        if (auto gameplay = TryGetSystem<GameplaySystem>()) {
            gameplay->blastPlayed = false;
        }
        fallOffTimer = FallOffStart;
    }
}
