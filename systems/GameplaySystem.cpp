#include "systems/GameplaySystem.h"

#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/LevelLoader.h"
#include "components/Button.h"
#include "components/Sprite.h"
#include "systems/Graphics.h"
#include "systems/LevelRules.h"
#include "systems/LoseRequest.h"
#include "systems/TextureRegistry.h"
#include "systems/UserDataFolder.h"
#include "systems/Window.h"
#include "systems/screens/FinalScreen.h"
#include "systems/screens/LastLevelCamera.h"
#include "systems/screens/ScreenTable.h"
#include "systems/screens/SplashScreens.h"

namespace {

// The components stepped here, in the order each object's are stepped.
constexpr ComponentType GameplayComponents[] = {
    ComponentType::WinController,   ComponentType::BombGear,    ComponentType::TeleporterGear,
    ComponentType::MoveComponent,   ComponentType::PlayerArrow, ComponentType::CollectibleGlow,
    ComponentType::CollectibleMove,
};

}  // namespace

GameplaySystem::GameplaySystem() : System(TypeId, "GameplaySystem", MaskBit) {}

void GameplaySystem::Initialize() {
    // The fields start at their values from construction; Initialize runs once, right after.
    gamepadPresent =
        TryGetSystem<Window>() != nullptr && GetSystem<Window>()->GetGamepad().IsPresent() ? 1 : 0;
    save.SetUp(UserDataFolder::GameFolder());
    EngineHooks& hooks = Engine::Instance().hooks;
    hooks.loseRequest = [](Space& space) {
        if (const auto gameplay = TryGetSystem<GameplaySystem>()) {
            HandleLoseRequest(*gameplay, space);
        }
    };
    // A menu's buttons die with its screen: its list goes with them, and is built again before
    // the menu is next used.
    hooks.spaceClosing = [](Space& space) {
        if (const auto gameplay = TryGetSystem<GameplaySystem>()) {
            if (MenuList* menu = gameplay->MenuOf(space.name)) {
                menu->Clear();
            }
        }
    };
}

MenuList* GameplaySystem::MenuOf(const std::string& screen) {
    if (screen == ScreenName::LevelSelect) {
        return &levelSelectMenu;
    }
    if (screen == ScreenName::PauseMenu) {
        return &pauseMenu;
    }
    if (screen == ScreenName::Options) {
        return &optionsMenu;
    }
    return nullptr;
}

void GameplaySystem::Update(float dt, Space* space) {
    if (space == nullptr) {
        return;
    }
    if (space->name != ScreenName::PauseMenu) {
        pauseMenu.built = false;
    }
    if (space->name != ScreenName::Options) {
        optionsMenu.built = false;
    }
    gamepadPresent = GetSystem<Window>()->GetGamepad().IsPresent() ? 1 : 0;
    updateStep = dt;
    StepGameplayComponents(dt, *space);
    // A component that opened another level has ended this space's frame.
    if (Engine::Instance().CurrentSpace() != space) {
        return;
    }
    if (space->loadMode == LoadMode::PlayableLevel) {
        if (RunLevelRules(*this, *space) == ScreenOutcome::End) {
            return;
        }
    } else if (space->loadMode == LoadMode::Screen) {
        RunScreenRules();
    }
    if (Space* top = Engine::Instance().CurrentSpace()) {
        RunTail(*top);
    }
}

void GameplaySystem::Shutdown() {
    EngineHooks& hooks = Engine::Instance().hooks;
    hooks.loseRequest = nullptr;
    hooks.spaceClosing = nullptr;
}

void GameplaySystem::StepGameplayComponents(float dt, Space& space) {
    UpdateMessage update;
    update.dt = dt;
    // By index, re-reading the size: a handler may load a level and rebuild or drop these
    // objects, and then the pass is over.
    for (std::size_t i = 0; i < space.objects.size(); ++i) {
        GameObject* object = space.objects[i].get();
        for (ComponentType type : GameplayComponents) {
            if (Component* component = object->GetRawComponent(type)) {
                component->OnUpdate(&update);
            }
            if (Engine::Instance().CurrentSpace() != &space || i >= space.objects.size() ||
                space.objects[i].get() != object) {
                return;
            }
        }
    }
}

void GameplaySystem::RunScreenRules() {
    // Every entry tests the space on top as it stands then: a rule may have opened another.
    for (const ScreenRule& rule : ScreenRules()) {
        Space* top = Engine::Instance().CurrentSpace();
        if (top == nullptr) {
            return;
        }
        if (top->name == rule.screen && rule.run(*this, *top) == ScreenOutcome::End) {
            return;
        }
    }
}

void GameplaySystem::RunTail(Space& space) {
    RunSplashRules(*this, space);
    // The splash rules may have opened another screen: the rest runs on the one on top now.
    Space* top = Engine::Instance().CurrentSpace();
    if (top == nullptr) {
        return;
    }
    if (top->name == ScreenName::LastLevel) {
        RunLastLevelCamera(*top);
    }
    if (top->name == ScreenName::FinalScreen) {
        RunFinalScreen(*this, *top);
    }
}

void GameplaySystem::OpenScreen(const std::string& name, bool asLevel) {
    LoadLevel(name, asLevel ? LoadMode::PlayableLevel : LoadMode::Screen);
}

void GameplaySystem::CloseScreen() {
    Engine& engine = Engine::Instance();
    engine.RemoveCurrentSpace();
    if (Space* below = engine.CurrentSpace()) {
        GetSystem<Graphics>()->FollowCameraOf(*below);
    }
}

void GameplaySystem::Quit() {
    Engine::Instance().running = false;
}

void GameplaySystem::ShowPicturePair(GameObject* object) const {
    if (object == nullptr) {
        return;
    }
    const auto* pictures = object->GetComponent<Button>();
    auto* sprite = object->GetComponent<Sprite>();
    if (pictures == nullptr || sprite == nullptr) {
        return;
    }
    const std::string& picture =
        gamepadPresent != 0 ? pictures->SelectedFileName : pictures->NotSelectedFileName;
    sprite->texture = TextureRegistry::GetTexture(picture + ".png");
}
