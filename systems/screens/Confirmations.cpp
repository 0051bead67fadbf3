#include "systems/screens/Confirmations.h"

#include <GLFW/glfw3.h>

#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/Space.h"
#include "systems/GameplaySystem.h"
#include "systems/MenuList.h"
#include "systems/SoundSystem.h"
#include "systems/Window.h"

namespace {

constexpr float MusicOn = 1.0f;

enum class Answer { None, No, Yes };

Answer Ask(GameplaySystem& gameplay, Space& screen) {
    gameplay.ShowPicturePair(screen.FindObject(ObjectName::ConfirmationPicture));
    const auto window = GetSystem<Window>();
    if (window->AnyTriggered({GLFW_KEY_N, GLFW_KEY_ESCAPE})) {
        return Answer::No;
    }
    if (window->AnyTriggered({GLFW_KEY_Y, GLFW_KEY_ENTER})) {
        return Answer::Yes;
    }
    return Answer::None;
}

}  // namespace

ScreenOutcome RunQuitConfirmation(GameplaySystem& gameplay, Space& screen) {
    switch (Ask(gameplay, screen)) {
        case Answer::No:
            GameplaySystem::CloseScreen();
            return ScreenOutcome::End;
        case Answer::Yes:
            GameplaySystem::Quit();
            break;
        case Answer::None:
            break;
    }
    return ScreenOutcome::GoOn;
}

ScreenOutcome RunLeaveLevelConfirmation(GameplaySystem& gameplay, Space& screen) {
    switch (Ask(gameplay, screen)) {
        case Answer::No:
            GameplaySystem::CloseScreen();
            return ScreenOutcome::End;
        case Answer::Yes:
            GetSystem<SoundSystem>()->SetGroupVolume(SoundGroup::Music, MusicOn);
            GameplaySystem::OpenScreen(ScreenName::MainMenu);
            break;
        case Answer::None:
            break;
    }
    return ScreenOutcome::GoOn;
}

ScreenOutcome RunResetConfirmation(GameplaySystem& gameplay, Space& screen) {
    switch (Ask(gameplay, screen)) {
        case Answer::No:
            GameplaySystem::CloseScreen();
            if (Space* options = Engine::Instance().CurrentSpace()) {
                gameplay.optionsMenu.Build(*options, OptionsMenu);
            }
            return ScreenOutcome::End;
        case Answer::Yes:
            gameplay.save.Rewrite(false, true);
            GameplaySystem::OpenScreen(ScreenName::MainMenu);
            break;
        case Answer::None:
            break;
    }
    return ScreenOutcome::GoOn;
}
