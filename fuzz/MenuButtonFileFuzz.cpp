// Feeds arbitrary bytes to a menu as its button file, on a screen of buttons, plain objects and
// the camera, and checks what building the list promises: only the screen's buttons are
// listed, the cursor stands on the first, and the entrance brings every object back into its
// place.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <glm/vec3.hpp>

#include "Core/LevelReader.h"
#include "Core/Space.h"
#include "components/Button.h"
#include "components/LevelKeys.h"
#include "components/Transform.h"
#include "systems/MenuList.h"

namespace {

std::string Object(const std::string& name, float y, bool button) {
    std::string text = "GameObject =\n{\n  string Name = \"" + name +
                       "\",\n  Transform =\n  {\n    Vec3 Translation = [1, " + std::to_string(y) +
                       ", 0],\n  }\n  Sprite =\n  {\n  }\n";
    if (button) {
        text += "  ButtonComponent =\n  {\n    string NotSelectedFileName = \"" + name +
                "Off\",\n  }\n";
    }
    return text + "}\n";
}

std::string ScreenLevel() {
    std::string text;
    for (int line = 0; line < LevelReader::EditorHeaderLines; ++line) {
        text += "Header\n";
    }
    text +=
        "GameObject =\n{\n  string Name = \"CameraComp\",\n  Transform =\n  {\n  }\n"
        "  CameraComponent =\n  {\n    float CameraComponentFarPlane = 20,\n  }\n}\n";
    text += Object("BG", 0, false) + Object("resume", 2, true) + Object("options", -1, true) +
            Object("quit", -4, true) + Object("label", 3, false) +
            Object("muteMusicCross", -2, false) + Object("", 1, true);
    return text + "}\n";
}

// The screen and the button file, one per fuzzing process, removed at exit.
class ScratchMenu {
public:
    ScratchMenu()
        : folder(std::filesystem::temp_directory_path() /
                 ("velmora-fuzz-menu-" + std::to_string(::getpid()))),
          file((folder / "buttons.txt").string()) {
        std::filesystem::create_directories(folder);
        const std::string level = (folder / "Screen.Level.data").string();
        std::ofstream(level, std::ios::binary) << ScreenLevel();
        screen = std::make_unique<Space>(LoadMode::Screen, "pauseMenu", level);
        for (const auto& object : screen->objects) {
            if (auto* transform = object->FindComponent<Transform>()) {
                places.push_back(transform->translation);
            }
        }
    }
    ~ScratchMenu() {
        screen.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    ScratchMenu(const ScratchMenu&) = delete;
    ScratchMenu& operator=(const ScratchMenu&) = delete;

    bool IsScreenButton(const Button* button) const {
        for (const auto& object : screen->objects) {
            if (button != nullptr && object->FindComponent<Button>() == button) {
                return true;
            }
        }
        return false;
    }

    // Runs every entrance tween to its end and drops it.
    bool EntranceEndsInPlace() const {
        std::size_t placed = 0;
        for (const auto& object : screen->objects) {
            for (const auto& component : object->components) {
                component->UpdateActions(1000.0f);
                component->UpdateActions(1000.0f);
            }
            auto* transform = object->FindComponent<Transform>();
            if (transform != nullptr && transform->translation != places[placed++]) {
                return false;
            }
        }
        return true;
    }

    std::filesystem::path folder;
    std::string file;
    std::unique_ptr<Space> screen;
    std::vector<glm::vec3> places;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool keys = (InstallLevelKeys(), true);
    static_cast<void>(keys);
    static const ScratchMenu scratch;
    {
        std::ofstream file(scratch.file, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    MenuList menu;
    menu.Build(*scratch.screen, scratch.file, PauseMenu.defaultChoice, PauseMenu.duration);
    for (const Button* button : menu.buttons) {
        if (!scratch.IsScreenButton(button)) {
            __builtin_trap();
        }
    }
    if (menu.Current() != (menu.buttons.empty() ? nullptr : menu.buttons.front()) ||
        menu.choice != PauseMenu.defaultChoice || !menu.built) {
        __builtin_trap();
    }
    if (!scratch.EntranceEndsInPlace()) {
        __builtin_trap();
    }
    return 0;
}
