#include "systems/screens/SplashScreens.h"

#include <GLFW/glfw3.h>

#include <glm/vec3.hpp>

#include "Core/Easing.h"
#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "Core/Space.h"
#include "components/Sprite.h"
#include "components/Transform.h"
#include "systems/GameplaySystem.h"
#include "systems/Window.h"

namespace {

constexpr float SplashFadeStep = 0.01f;
constexpr float TeamLevelTimer = 1.0f;
constexpr float CreditSlideSeconds = 3.0f;
// Where the credit entries come to rest, in their order.
constexpr glm::vec3 CreditPlaces[] = {
    {-14.0f, 4.0f, -5.0f}, {-7.0f, 6.0f, -5.0f}, {6.0f, 6.0f, -5.0f}, {13.0f, 4.0f, -5.0f}};
constexpr float LastCreditArrivedX = 13.0f;
constexpr float ControllerFadeIn = 0.009f;
constexpr float ControllerTimerStep = 0.007f;

bool Skipped() {
    return GetSystem<Window>()->AnyTriggered({GLFW_KEY_SPACE, GLFW_KEY_ENTER, GLFW_KEY_ESCAPE});
}

Sprite* SplashSprite(const Space& screen) {
    GameObject* splash = screen.FindObject(ObjectName::Splash);
    return splash != nullptr ? splash->GetComponent<Sprite>() : nullptr;
}

void SlideCreditsIn(Space& team) {
    for (std::size_t i = 0; i < std::size(ObjectName::CreditEntries); ++i) {
        GameObject* entry = team.FindObject(ObjectName::CreditEntries[i]);
        if (entry == nullptr) {
            continue;
        }
        if (auto* transform = entry->GetComponent<Transform>()) {
            transform->AddAction(Action(&transform->translation, CreditPlaces[i],
                                        CreditSlideSeconds, Easing::OutQuad));
        }
    }
}

bool LastCreditArrived(const Space& team) {
    const GameObject* last = team.FindObject(ObjectName::CreditEntries[3]);
    const auto* transform = last != nullptr ? last->FindComponent<Transform>() : nullptr;
    return transform != nullptr && transform->translation.x == LastCreditArrivedX;
}

}  // namespace

void RunSplashRules(GameplaySystem& gameplay, Space& top) {
    if (top.name == ScreenName::SplashScreen) {
        if (Sprite* sprite = SplashSprite(top)) {
            sprite->Color.a = gameplay.splashTimer;
        }
        gameplay.splashTimer -= SplashFadeStep;
    }
    if (gameplay.splashTimer <= 0.0f) {
        gameplay.splashTimer = TeamLevelTimer;
        GameplaySystem::OpenScreen(ScreenName::TeamLevel);
        if (Space* team = Engine::Instance().CurrentSpace()) {
            SlideCreditsIn(*team);
        }
    }
    Space* current = Engine::Instance().CurrentSpace();
    if (current == nullptr ||
        (current->name != ScreenName::TeamLevel && current->name != ScreenName::SplashScreen)) {
        return;
    }
    if (Skipped() || (current->name == ScreenName::TeamLevel && LastCreditArrived(*current))) {
        GameplaySystem::OpenScreen(ScreenName::ControllerScreen);
    }
}

ScreenOutcome RunControllerScreen(GameplaySystem& gameplay, Space& screen) {
    if (gameplay.controllerTimer <= 0.0f || Skipped()) {
        GameplaySystem::OpenScreen(ScreenName::MainMenu);
        return ScreenOutcome::End;
    }
    if (Sprite* sprite = SplashSprite(screen)) {
        sprite->Color.a += ControllerFadeIn;
    }
    gameplay.controllerTimer -= ControllerTimerStep;
    return ScreenOutcome::GoOn;
}
