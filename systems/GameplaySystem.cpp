#include "systems/GameplaySystem.h"

GameplaySystem::GameplaySystem() : System(TypeId, "GameplaySystem", MaskBit) {}

void GameplaySystem::Initialize() {}

void GameplaySystem::Update(float, Space*) {}

void GameplaySystem::Shutdown() {}
