#include "systems/GameplaySystem.h"

#include "Core/Engine.h"
#include "systems/Window.h"

GameplaySystem::GameplaySystem() : System(TypeId, "GameplaySystem", MaskBit) {}

void GameplaySystem::Initialize() {}

void GameplaySystem::Update(float, Space*) {
    gamepadPresent = GetSystem<Window>()->GetGamepad().IsPresent() ? 1 : 0;
}

void GameplaySystem::Shutdown() {}
