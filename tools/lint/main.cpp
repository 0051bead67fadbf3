#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "ContentFolder.h"
#include "ContentLint.h"

namespace {

constexpr int Clean = 0;
constexpr int Faulty = 1;
constexpr int BadUsage = 2;

constexpr const char* Usage = R"(Usage: velmora-lint [CONTENT]

Checks a content folder the way the game reads it (default: the game's own).
Each finding is one line, FILE:LINE: error: ... or FILE:LINE: warning: ..., with the file
relative to the content folder (no LINE when the finding is about the whole file).

Errors: a level of Gameplay/Levels.txt without its level file; a picture of a sprite, a button,
an animation frame or a particle emitter that Textures\SpriteList.txt does not load or whose
file is missing; a sound of a sound emitter that Audio\AudioFiles.txt does not load, whose file
is missing or whose name holds neither "music" nor "effect"; a line of a menu's button list
naming no object with a button in its screen; a save entry of Gameplay/LevelUnlocks.txt without
its level-selection button, or a button without its entry; a WinLevel naming no level; a
playable level (a level-selection entry, or a goal's WinLevel opened as a level) without the
objects its rules look for, or whose camera starts at the win zoom's end (-10).
Warnings: a level file the list does not name; a line the level reader ignores where a key was
probably meant.

Exit status: 1 with any error, 0 with warnings only or none, 2 for bad usage.
)";

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string folder = ContentFolder::Default();
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
        std::cout << Usage;
        return Clean;
    }
    if (arguments.size() > 1 || (arguments.size() == 1 && arguments[0].starts_with("-"))) {
        std::cerr << Usage;
        return BadUsage;
    }
    if (arguments.size() == 1) {
        folder = arguments[0];
    }
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error) || ::chdir(folder.c_str()) != 0) {
        std::cerr << "velmora-lint: no content folder " << folder << std::endl;
        return BadUsage;
    }
    const LintFindings findings = ContentLint::Run();
    findings.Print(std::cout);
    return findings.HasErrors() ? Faulty : Clean;
}
