#include "systems/screens/LoadingScreen.h"

#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "systems/AssetLists.h"
#include "systems/GameplaySystem.h"
#include "systems/Graphics.h"
#include "systems/TextureRegistry.h"

ScreenOutcome RunLoadingScreen(GameplaySystem&, Space&) {
    const auto graphics = GetSystem<Graphics>();
    const auto drawFrame = [&graphics] {
        graphics->DrawLoadingFrame();
        Engine::Instance().limiter.Tick();
    };
    AssetLists::LoadSounds(drawFrame);
    TextureRegistry::LoadSpriteList(drawFrame);
    GameplaySystem::OpenScreen(ScreenName::SplashScreen);
    return ScreenOutcome::End;
}
