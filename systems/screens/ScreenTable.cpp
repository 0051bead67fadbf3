#include "systems/screens/ScreenTable.h"

#include "Core/FixedNames.h"
#include "systems/screens/Confirmations.h"
#include "systems/screens/InfoScreens.h"
#include "systems/screens/LoadingScreen.h"
#include "systems/screens/MainMenu.h"
#include "systems/screens/MenuScreens.h"
#include "systems/screens/SplashScreens.h"

namespace {

// NOTE: the set win screens' rules come with the win screens; until then those screens run
// only the rules under every space.
constexpr ScreenRule Rules[] = {
    {ScreenName::Loading, RunLoadingScreen},
    {ScreenName::MainMenu, RunMainMenu},
    {ScreenName::ControllerScreen, RunControllerScreen},
    {ScreenName::LevelSelect, RunLevelSelect},
    {ScreenName::HowToPlay, RunHowToPlay},
    {ScreenName::Credits, RunCredits},
    {ScreenName::Options, RunOptionsMenu},
    {ScreenName::Confirmation, RunQuitConfirmation},
    {ScreenName::Quit, RunQuitConfirmation},
    {ScreenName::LeaveLevel, RunLeaveLevelConfirmation},
    {ScreenName::ResetGame, RunResetConfirmation},
    {ScreenName::PauseMenu, RunPauseMenu},
};

}  // namespace

std::span<const ScreenRule> ScreenRules() {
    return Rules;
}
