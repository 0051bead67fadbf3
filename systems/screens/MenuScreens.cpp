#include "systems/screens/MenuScreens.h"

#include <GLFW/glfw3.h>

#include <glm/vec4.hpp>

#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "Core/Space.h"
#include "components/Button.h"
#include "components/Sprite.h"
#include "systems/GameplaySystem.h"
#include "systems/MenuList.h"
#include "systems/SoundSystem.h"
#include "systems/Window.h"
#include "systems/screens/MenuNavigation.h"

namespace {

constexpr glm::vec4 Lit{1.0f, 1.0f, 1.0f, 1.0f};
constexpr glm::vec4 Faded{1.0f, 1.0f, 1.0f, 0.5f};
constexpr glm::vec4 Shadow{0.0f, 0.0f, 0.0f, 1.0f};
constexpr float MusicOn = 1.0f;
constexpr float MusicOff = 0.0f;

// The pause menu's buttons that do more than open the screen they name.
constexpr const char* ResumeChoice = "resumeGame";
constexpr const char* MainMenuChoice = "mainMenu";
// The options' buttons.
constexpr const char* FullScreenChoice = "fullscreenToggleUnchecked";
constexpr const char* MuteMusicChoice = "muteMusicUnselected";
constexpr const char* MuteAllChoice = "muteAllAudioUnchecked";
constexpr const char* ClearSaveChoice = "clearSavedData";

bool Pressed(std::initializer_list<int> keys) {
    return GetSystem<Window>()->AnyTriggered(keys);
}

bool Back() {
    return Pressed({GLFW_KEY_BACKSPACE, GLFW_KEY_ESCAPE});
}

void BuildWhenShown(MenuList& menu, Space& screen, const MenuFile& file) {
    if (!menu.built) {
        menu.Build(screen, file);
    }
}

bool IsBear(const GameObject* object) {
    for (const char* bear : ObjectName::LevelBears) {
        if (object != nullptr && object->name == bear) {
            return true;
        }
    }
    return false;
}

void SetColour(GameObject* object, const glm::vec4& colour) {
    if (object != nullptr) {
        if (auto* sprite = object->GetComponent<Sprite>()) {
            sprite->Color = colour;
        }
    }
}

void ShowBears(GameplaySystem& gameplay, Space& screen) {
    if (gameplay.bearsUnlocked) {
        // Asked on every update while the bears are out; the save is only written once.
        gameplay.save.Rewrite(true, false);
    }
    for (const char* bear : ObjectName::LevelBears) {
        SetColour(screen.FindObject(bear), gameplay.bearsUnlocked ? Lit : Shadow);
    }
}

void ShowLevelPictures(GameplaySystem& gameplay, const MenuList& menu) {
    for (const Button* button : menu.buttons) {
        if (button->NotSelectedFileName == menu.choice) {
            ShowPicture(*button, true);
        } else if (gameplay.save.IsUnlocked(button->NotSelectedFileName)) {
            ShowPicture(*button, false);
            if (!IsBear(button->owner)) {
                SetColour(button->owner, Lit);
            }
        } else if (!IsBear(button->owner)) {
            SetColour(button->owner, Faded);
        }
    }
}

void SetMusicVolume(float volume) {
    GetSystem<SoundSystem>()->SetGroupVolume(SoundGroup::Music, volume);
}

void SetVisible(Space& screen, const char* name, bool visible) {
    if (GameObject* object = screen.FindObject(name)) {
        if (auto* sprite = object->GetComponent<Sprite>()) {
            sprite->Visible = visible;
        }
    }
}

// The boxes' crosses and the mutes they stand for, on every update of the options.
void ApplyOptions(GameplaySystem& gameplay, Space& screen) {
    const auto sound = GetSystem<SoundSystem>();
    SetVisible(screen, ObjectName::FullScreenCross, gameplay.fullScreenOption);
    SetVisible(screen, ObjectName::MuteMusicCross, gameplay.muteMusicOption);
    if (gameplay.muteMusicOption) {
        gameplay.musicMuted = true;
        sound->SetGroupMute(SoundGroup::Music, true);
    } else if (!gameplay.muteAllOption) {
        sound->SetGroupMute(SoundGroup::Music, false);
        gameplay.musicMuted = false;
    }
    SetVisible(screen, ObjectName::MuteAudioCross, gameplay.muteAllOption);
    if (gameplay.muteAllOption) {
        sound->SetGroupMute(SoundGroup::Music, true);
        gameplay.musicMuted = true;
        sound->MuteEffects(true);
    } else {
        if (!gameplay.muteMusicOption) {
            sound->SetGroupMute(SoundGroup::Music, false);
            gameplay.musicMuted = false;
        }
        sound->MuteEffects(false);
    }
}

}  // namespace

ScreenOutcome RunLevelSelect(GameplaySystem& gameplay, Space& screen) {
    MenuList& menu = gameplay.levelSelectMenu;
    if (!menu.built) {
        BuildWhenShown(menu, screen, LevelSelectMenu);
        gameplay.levelButtonCount = static_cast<std::int32_t>(menu.buttons.size());
    }
    if (GetSystem<Window>()->IsTriggered(GLFW_KEY_0)) {
        gameplay.save.Rewrite(true, false);
        gameplay.bearsUnlocked = true;
    }
    MoveInGrid(gameplay, menu, screen);
    ShowBears(gameplay, screen);
    ShowLevelPictures(gameplay, menu);

    gameplay.pauseMenu.built = false;
    if (Pressed({GLFW_KEY_ENTER})) {
        GameplaySystem::OpenScreen(menu.choice, true);
    }
    if (Back()) {
        GameplaySystem::CloseScreen();
    }
    return ScreenOutcome::GoOn;
}

ScreenOutcome RunPauseMenu(GameplaySystem& gameplay, Space& screen) {
    MenuList& menu = gameplay.pauseMenu;
    SetMusicVolume(MusicOff);
    BuildWhenShown(menu, screen, PauseMenu);
    MoveInColumn(menu, screen);
    ShowButtonPictures(menu);

    gameplay.levelSelectMenu.built = false;
    if (Pressed({GLFW_KEY_ENTER})) {
        if (menu.choice == ResumeChoice) {
            SetMusicVolume(MusicOn);
            GameplaySystem::CloseScreen();
        } else if (menu.choice == MainMenuChoice) {
            SetMusicVolume(MusicOn);
            GameplaySystem::OpenScreen(ScreenName::LeaveLevel);
        } else {
            GameplaySystem::OpenScreen(menu.choice);
        }
    }
    if (Back()) {
        if (!gameplay.musicMuted) {
            SetMusicVolume(MusicOn);
        }
        GameplaySystem::CloseScreen();
        return ScreenOutcome::End;
    }
    return ScreenOutcome::GoOn;
}

ScreenOutcome RunOptionsMenu(GameplaySystem& gameplay, Space& screen) {
    MenuList& menu = gameplay.optionsMenu;
    BuildWhenShown(menu, screen, OptionsMenu);
    MoveInColumn(menu, screen);
    ShowButtonPictures(menu);

    if (Pressed({GLFW_KEY_ENTER})) {
        if (menu.choice == FullScreenChoice) {
            gameplay.fullScreenOption = !gameplay.fullScreenOption;
            GetSystem<Window>()->ToggleFullScreen();
        } else if (menu.choice == MuteMusicChoice) {
            gameplay.muteMusicOption = !gameplay.muteMusicOption;
        } else if (menu.choice == MuteAllChoice) {
            gameplay.muteAllOption = !gameplay.muteAllOption;
        } else if (menu.choice == ClearSaveChoice) {
            gameplay.bearsUnlocked = false;
            GameplaySystem::OpenScreen(ScreenName::ResetGame);
        }
    }
    // The crosses belong to the options screen, which may no longer be on top.
    ApplyOptions(gameplay, screen);
    if (Back()) {
        GameplaySystem::CloseScreen();
        return ScreenOutcome::End;
    }
    return ScreenOutcome::GoOn;
}
