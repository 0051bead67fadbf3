#pragma once

#include <cstddef>
#include <string>
#include <vector>

class Button;
class Space;

// Where a menu's button list comes from: its file, the button chosen before the first move and
// how long its entrance takes.
struct MenuFile {
    const char* path;
    const char* defaultChoice;
    float duration;
};

inline constexpr MenuFile LevelSelectMenu{"Gameplay/menuButtons.txt", "levelSelectGear1", 1.0f};
inline constexpr MenuFile PauseMenu{"Gameplay/pauseMenuButtons.txt", "resumeGame", 0.65f};
inline constexpr MenuFile OptionsMenu{"Gameplay/optionsMenuButtons.txt",
                                      "fullscreenToggleUnchecked", 0.65f};

// One menu's buttons in the order its cursor visits them, read from the menu's button file:
// one object name a line. The pointers belong to the objects of the menu's screen and are
// valid only while that screen is open, so the list is emptied when the screen closes and built
// again each time the menu is shown.
class MenuList {
public:
    // Empties the list, sets the choice to the default, reads the file's buttons from the
    // space, puts the cursor on the first, starts the entrance over `duration` seconds and sets
    // `built`.
    void Build(Space& space, const std::string& file, const std::string& defaultChoice,
               float duration);
    void Build(Space& space, const MenuFile& menu) {
        Build(space, menu.path, menu.defaultChoice, menu.duration);
    }

    // Empties the list (the cursor with it) and clears `built`: its screen has closed.
    void Clear();

    // The button under the cursor, or null for an empty list.
    Button* Current() const;

    std::vector<Button*> buttons;
    // Meaningful only while buttons is not empty.
    std::size_t cursor = 0;
    // The identity (NotSelectedFileName) of the selected button.
    std::string choice;
    bool built = false;

    // Appends the Button of every object the file names, one name a whole line (CR LF reads as
    // LF), in file order. A missing file adds nothing; a line naming no object, or an object
    // without a Button, is reported with the file and line and adds nothing.
    static void ReadButtonFile(std::vector<Button*>& buttons, Space& space,
                               const std::string& path);

    // Moves every object of the space but the camera "CameraComp" and the background "BG" down
    // by the camera's distance F and tweens it back into place with OutQuad over `duration`
    // seconds, longer in proportion for objects below the centre line, so that the screen
    // arrives together at its bottom edge. Every sprite it moves becomes visible, except the
    // two mute crosses, which keep their state.
    static void Entrance(Space& space, float duration);
};
