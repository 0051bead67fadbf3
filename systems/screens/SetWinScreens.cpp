#include "systems/screens/SetWinScreens.h"

#include <cstddef>
#include <iterator>

#include <GLFW/glfw3.h>

#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/Space.h"
#include "systems/GameplaySystem.h"
#include "systems/SoundSystem.h"
#include "systems/Window.h"
#include "systems/screens/Fireworks.h"

namespace {

constexpr float MusicOn = 1.0f;

void OpenNextSet(GameplaySystem& gameplay, const Space& screen) {
    ResetFireworks(gameplay);
    if (const char* next = LevelAfterSetWinScreen(screen.name)) {
        GameplaySystem::OpenScreen(next, true);
    }
}

}  // namespace

const char* LevelAfterSetWinScreen(std::string_view screen) {
    for (std::size_t set = 0; set < std::size(ScreenName::SetFirstLevels); ++set) {
        if (screen == ScreenName::SetWinScreens[set]) {
            return ScreenName::SetFirstLevels[set];
        }
    }
    return nullptr;
}

ScreenOutcome RunSetWinScreen(GameplaySystem& gameplay, Space& screen) {
    const auto window = GetSystem<Window>();
    if (window->IsTriggered(GLFW_KEY_SPACE)) {
        OpenNextSet(gameplay, screen);
        return ScreenOutcome::End;
    }
    // NOTE: nothing else leaves the last set's screen, so it offers the way the final screen
    // offers, on the keys that do nothing on the other set screens.
    if (LevelAfterSetWinScreen(screen.name) == nullptr &&
        window->AnyTriggered({GLFW_KEY_ENTER, GLFW_KEY_ESCAPE})) {
        ResetFireworks(gameplay);
        GetSystem<SoundSystem>()->SetGroupVolume(SoundGroup::Music, MusicOn);
        GameplaySystem::OpenScreen(ScreenName::MainMenu);
        return ScreenOutcome::End;
    }
    if (!gameplay.winJinglePlayed) {
        GetSystem<SoundSystem>()->PlayObject(screen.FindObject(ObjectName::WinJingle));
        gameplay.winJinglePlayed = true;
    }
    RunFireworks(gameplay, screen);
    if (FireworksOver(gameplay)) {
        OpenNextSet(gameplay, screen);
        return ScreenOutcome::End;
    }
    return ScreenOutcome::GoOn;
}
