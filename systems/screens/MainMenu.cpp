#include "systems/screens/MainMenu.h"

#include <numbers>

#include <GLFW/glfw3.h>

#include <glm/vec3.hpp>

#include "Core/Easing.h"
#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "Core/Space.h"
#include "components/Button.h"
#include "components/RigidBody.h"
#include "components/Sprite.h"
#include "components/Transform.h"
#include "systems/GameplaySystem.h"
#include "systems/SoundSystem.h"
#include "systems/TextureRegistry.h"
#include "systems/Window.h"

namespace {

// The secret levels' save entry.
constexpr const char* BearEntry = "BearGearBrown";
constexpr float Frame = 1.0f / 60.0f;
constexpr glm::vec3 TitlePlace{34.0f, 23.5f, 0.0f};
constexpr float WobbleAngle = 0.03f;
constexpr glm::vec3 TitleBreathIn{30.6f, 6.12f, 0.0f};
constexpr glm::vec3 TitleBreathOut{30.0f, 6.0f, 0.0f};
constexpr float TurnSpeed = 0.1f;
constexpr float TurnRampSeconds = 0.5f;
// The menu gear has six teeth: one entry a sixth of a turn.
constexpr float TurnStep = static_cast<float>(std::numbers::pi) / 3.0f;
constexpr std::int32_t IndexLimit = 5;
constexpr float PlayStep = 0.05f;
constexpr float PlayStart = 6.0f;
constexpr float PlayRoll = 120.0f;
constexpr float PlayRollSeconds = 2.0f;

void ShowTitle(GameplaySystem& gameplay, Space& menu) {
    GameObject* title = menu.FindObject(ObjectName::MenuTitle);
    if (title == nullptr) {
        return;
    }
    auto* pictures = title->GetComponent<Button>();
    auto* sprite = title->GetComponent<Sprite>();
    if (pictures != nullptr && sprite != nullptr) {
        const std::string& picture =
            gameplay.bearsUnlocked ? pictures->SelectedFileName : pictures->NotSelectedFileName;
        sprite->texture = TextureRegistry::GetTexture(picture + ".png");
    }
}

void AnimateTitle(GameplaySystem& gameplay, Space& menu) {
    GameObject* title = menu.FindObject(ObjectName::MenuTitle);
    auto* transform = title != nullptr ? title->GetComponent<Transform>() : nullptr;
    if (transform == nullptr) {
        return;
    }
    if (!gameplay.titleStarted) {
        transform->AddAction(Action(&transform->translation,
                                    glm::vec3(TitlePlace.x, TitlePlace.y, transform->translation.z),
                                    gameplay.titleDelay, Easing::OutElastic));
        gameplay.titleStarted = true;
    } else if (gameplay.titleDelay > 0.0f) {
        gameplay.titleDelay -= Frame;
    } else {
        transform->translation.x = TitlePlace.x;
        transform->translation.y = TitlePlace.y;
    }

    gameplay.wobbleCountdown -= Frame;
    if (gameplay.wobbleCountdown < 0.0f) {
        transform->AddAction(Action(&transform->rotation,
                                    gameplay.wobbleDirection ? WobbleAngle : -WobbleAngle,
                                    gameplay.wobblePeriod, Easing::InOutQuad));
        gameplay.wobbleDirection = !gameplay.wobbleDirection;
        gameplay.wobbleCountdown = gameplay.wobblePeriod;
    }

    gameplay.pulseCountdown -= Frame;
    if (gameplay.pulseCountdown < 0.0f) {
        const glm::vec3& size = gameplay.pulseDirection ? TitleBreathIn : TitleBreathOut;
        transform->AddAction(Action(&transform->scale,
                                    glm::vec3(size.x, size.y, transform->scale.z),
                                    gameplay.pulsePeriod, Easing::InOutQuad));
        gameplay.pulseDirection = !gameplay.pulseDirection;
        gameplay.pulseCountdown = gameplay.pulsePeriod;
    }
}

bool Turning(const GameplaySystem& gameplay) {
    return gameplay.turningLeft || gameplay.turningRight;
}

void StartTurn(GameplaySystem& gameplay, Space& menu, bool left) {
    GameObject* gear = menu.FindObject(ObjectName::MenuGear);
    auto* body = gear != nullptr ? gear->GetComponent<RigidBody>() : nullptr;
    auto* transform = gear != nullptr ? gear->GetComponent<Transform>() : nullptr;
    if (body == nullptr || transform == nullptr) {
        return;
    }
    body->AddAction(
        Action(&body->RotSpeed, left ? TurnSpeed : -TurnSpeed, TurnRampSeconds, Easing::InBack));
    gameplay.menuGearStartAngle = transform->rotation;
    gameplay.mainMenuIndex += left ? 1 : -1;
    (left ? gameplay.turningLeft : gameplay.turningRight) = true;
}

void FinishTurn(GameplaySystem& gameplay, Space& menu) {
    GameObject* gear = menu.FindObject(ObjectName::MenuGear);
    auto* body = gear != nullptr ? gear->GetComponent<RigidBody>() : nullptr;
    auto* transform = gear != nullptr ? gear->GetComponent<Transform>() : nullptr;
    if (body == nullptr || transform == nullptr) {
        return;
    }
    const float start = gameplay.menuGearStartAngle;
    if (transform->rotation < start + TurnStep && transform->rotation > start - TurnStep) {
        return;
    }
    const bool left = gameplay.turningLeft;
    gameplay.turningLeft = false;
    gameplay.turningRight = false;
    body->RotSpeed = 0.0f;
    transform->rotation = left ? start + TurnStep : start - TurnStep;
    GetSystem<SoundSystem>()->PlayObject(gear);
}

void RunPlayCountdown(GameplaySystem& gameplay) {
    if (!gameplay.playRunning) {
        return;
    }
    gameplay.playCountdown -= PlayStep;
    if (gameplay.playCountdown > 0.0f) {
        return;
    }
    if (gameplay.playObject != nullptr) {
        if (auto* transform = gameplay.playObject->FindComponent<Transform>()) {
            transform->translation = gameplay.playStartPosition;
        }
    }
    gameplay.bearSoundPlayed = false;
    gameplay.playRunning = false;
    gameplay.playTweenStarted = false;
    gameplay.playCountdown = PlayStart;
    // The menu and its player stay on the stack under the level; the roll is over.
    gameplay.playObject = nullptr;
    GameplaySystem::OpenScreen(ScreenName::FirstLevel, true);
}

void StartPlay(GameplaySystem& gameplay, Space& menu) {
    gameplay.playRunning = true;
    if (gameplay.playTweenStarted) {
        return;
    }
    for (const auto& object : menu.objects) {
        if (object->name != ObjectName::Player) {
            continue;
        }
        if (auto* transform = object->GetComponent<Transform>()) {
            gameplay.playObject = object.get();
            gameplay.playStartPosition = transform->translation;
            transform->AddAction(Action(&transform->translation.x,
                                        gameplay.playStartPosition.x + PlayRoll, PlayRollSeconds,
                                        Easing::InQuad));
            gameplay.playTweenStarted = true;
        }
        return;
    }
}

void ActOnEntry(GameplaySystem& gameplay, Space& menu) {
    switch (gameplay.mainMenuIndex) {
        case 0:
            StartPlay(gameplay, menu);
            break;
        case 1:
        case -5:
            GameplaySystem::OpenScreen(ScreenName::LevelSelect);
            break;
        case 2:
        case -4:
            GameplaySystem::OpenScreen(ScreenName::Options);
            break;
        case 3:
        case -3:
            GameplaySystem::OpenScreen(ScreenName::HowToPlay);
            break;
        case 4:
        case -2:
            GameplaySystem::OpenScreen(ScreenName::Confirmation);
            break;
        case 5:
        case -1:
            GameplaySystem::OpenScreen(ScreenName::Credits);
            break;
        default:
            break;
    }
}

}  // namespace

ScreenOutcome RunMainMenu(GameplaySystem& gameplay, Space& menu) {
    gameplay.levelSelectMenu.built = false;
    if (gameplay.save.IsUnlocked(BearEntry)) {
        gameplay.bearsUnlocked = true;
    }
    if (gameplay.bearsUnlocked && !gameplay.bearSoundPlayed) {
        GetSystem<SoundSystem>()->PlayObject(menu.FindObject(ObjectName::BearSound));
        gameplay.bearSoundPlayed = true;
    }
    ShowTitle(gameplay, menu);
    AnimateTitle(gameplay, menu);

    const auto window = GetSystem<Window>();
    if (!Turning(gameplay) && !gameplay.playRunning) {
        if (window->AnyTriggered({GLFW_KEY_A, GLFW_KEY_LEFT})) {
            StartTurn(gameplay, menu, true);
        } else if (window->AnyTriggered({GLFW_KEY_D, GLFW_KEY_RIGHT})) {
            StartTurn(gameplay, menu, false);
        }
    }
    if (gameplay.mainMenuIndex > IndexLimit || gameplay.mainMenuIndex < -IndexLimit) {
        gameplay.mainMenuIndex = 0;
    }
    if (Turning(gameplay)) {
        FinishTurn(gameplay, menu);
    }
    RunPlayCountdown(gameplay);
    if (Engine::Instance().CurrentSpace() != &menu) {
        return ScreenOutcome::End;
    }
    if (!Turning(gameplay) && window->IsTriggered(GLFW_KEY_ENTER)) {
        ActOnEntry(gameplay, menu);
    }
    return ScreenOutcome::End;
}
