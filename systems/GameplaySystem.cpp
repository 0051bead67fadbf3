#include "systems/GameplaySystem.h"

#include <GLFW/glfw3.h>

#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/LevelLoader.h"
#include "components/Button.h"
#include "components/Sprite.h"
#include "systems/Graphics.h"
#include "systems/LoseRequest.h"
#include "systems/TextureRegistry.h"
#include "systems/Window.h"

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
    Engine::Instance().hooks.loseRequest = [](Space& space) {
        if (const auto gameplay = TryGetSystem<GameplaySystem>()) {
            HandleLoseRequest(*gameplay, space);
        }
    };
}

void GameplaySystem::Update(float dt, Space* space) {
    gamepadPresent = GetSystem<Window>()->GetGamepad().IsPresent() ? 1 : 0;
    StepGameplayComponents(dt, *space);
    if (Engine::Instance().CurrentSpace() != space || space->loadMode != LoadMode::Screen) {
        return;
    }
    if (space->name == ScreenName::Confirmation || space->name == ScreenName::Quit) {
        RunQuitConfirmation(*space);
    }
}

void GameplaySystem::Shutdown() {
    Engine::Instance().hooks.loseRequest = nullptr;
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

void GameplaySystem::RunQuitConfirmation(Space& space) {
    ShowPicturePair(space.FindObject(ObjectName::ConfirmationPicture));
    const auto window = GetSystem<Window>();
    if (window->IsTriggered(GLFW_KEY_N) || window->IsTriggered(GLFW_KEY_ESCAPE)) {
        CloseScreen();
        return;
    }
    if (window->IsTriggered(GLFW_KEY_Y) || window->IsTriggered(GLFW_KEY_ENTER)) {
        Engine::Instance().running = false;
    }
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

void GameplaySystem::CloseScreen() {
    Engine& engine = Engine::Instance();
    engine.RemoveCurrentSpace();
    if (Space* below = engine.CurrentSpace()) {
        GetSystem<Graphics>()->FollowCameraOf(*below);
    }
}
