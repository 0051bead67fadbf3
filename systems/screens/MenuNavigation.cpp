#include "systems/screens/MenuNavigation.h"

#include <cstddef>
#include <initializer_list>

#include <GLFW/glfw3.h>

#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "Core/Space.h"
#include "components/Button.h"
#include "components/Sprite.h"
#include "systems/GameplaySystem.h"
#include "systems/MenuList.h"
#include "systems/SoundSystem.h"
#include "systems/TextureRegistry.h"
#include "systems/Window.h"

namespace {

constexpr std::size_t RowLength = 6;

void MoveTo(MenuList& menu, std::size_t place, GameObject* sound) {
    menu.cursor = place;
    menu.choice = menu.buttons[place]->NotSelectedFileName;
    GetSystem<SoundSystem>()->PlayObject(sound);
}

bool Pressed(std::initializer_list<int> keys) {
    return GetSystem<Window>()->AnyTriggered(keys);
}

}  // namespace

void ShowPicture(const Button& button, bool selected) {
    if (button.owner == nullptr) {
        return;
    }
    if (auto* sprite = button.owner->GetComponent<Sprite>()) {
        const std::string& picture =
            selected ? button.SelectedFileName : button.NotSelectedFileName;
        sprite->texture = TextureRegistry::GetTexture(picture + ".png");
    }
}

void MoveInColumn(MenuList& menu, Space& screen) {
    GameObject* sound = screen.FindObject(ObjectName::MenuButtonSound);
    if (menu.buttons.empty()) {
        return;
    }
    if (Pressed({GLFW_KEY_S}) && menu.cursor + 1 < menu.buttons.size()) {
        MoveTo(menu, menu.cursor + 1, sound);
    }
    if (Pressed({GLFW_KEY_W}) && menu.cursor > 0) {
        MoveTo(menu, menu.cursor - 1, sound);
    }
}

void MoveInGrid(GameplaySystem& gameplay, MenuList& menu, Space& screen) {
    GameObject* sound = screen.FindObject(ObjectName::MenuButtonSound);
    if (menu.buttons.empty()) {
        return;
    }
    const auto unlocked = [&](std::size_t place) {
        return gameplay.save.IsUnlocked(menu.buttons[place]->NotSelectedFileName);
    };
    const std::size_t count = menu.buttons.size();
    if (Pressed({GLFW_KEY_S, GLFW_KEY_DOWN}) && menu.cursor + RowLength < count &&
        unlocked(menu.cursor + RowLength)) {
        MoveTo(menu, menu.cursor + RowLength, sound);
    }
    if (Pressed({GLFW_KEY_W, GLFW_KEY_UP}) && menu.cursor >= RowLength &&
        unlocked(menu.cursor - RowLength)) {
        MoveTo(menu, menu.cursor - RowLength, sound);
    }
    if (Pressed({GLFW_KEY_D, GLFW_KEY_RIGHT}) && menu.cursor + 1 < count &&
        unlocked(menu.cursor + 1)) {
        MoveTo(menu, menu.cursor + 1, sound);
    }
    if (Pressed({GLFW_KEY_A, GLFW_KEY_LEFT}) && menu.cursor > 0 && unlocked(menu.cursor - 1)) {
        MoveTo(menu, menu.cursor - 1, sound);
    }
}

void ShowButtonPictures(const MenuList& menu) {
    for (const Button* button : menu.buttons) {
        ShowPicture(*button, button->NotSelectedFileName == menu.choice);
    }
}
