#include "systems/screens/ScreenTable.h"

#include "Core/FixedNames.h"
#include "systems/screens/Confirmations.h"
#include "systems/screens/InfoScreens.h"
#include "systems/screens/LoadingScreen.h"
#include "systems/screens/MainMenu.h"
#include "systems/screens/MenuScreens.h"
#include "systems/screens/SetWinScreens.h"
#include "systems/screens/SplashScreens.h"

namespace {

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
    {ScreenName::SetWinScreens[0], RunSetWinScreen},
    {ScreenName::SetWinScreens[1], RunSetWinScreen},
    {ScreenName::SetWinScreens[2], RunSetWinScreen},
    {ScreenName::SetWinScreens[3], RunSetWinScreen},
};

}  // namespace

std::span<const ScreenRule> ScreenRules() {
    return Rules;
}
