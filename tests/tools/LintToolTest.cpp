#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/LevelFiles.h"
#include "support/ProgramRun.h"
#include "support/ScratchFolder.h"

// velmora-lint on small content folders of the test's own.
namespace {

namespace fs = std::filesystem;

std::string Section(const std::string& header, const std::string& fields) {
    return "  " + header + "\n  {\n" + fields + "  }\n";
}

std::string Object(const std::string& name, const std::string& sections = "") {
    return "GameObject =\n{\n  string Name = \"" + name + "\",\n" + sections + "}\n";
}

std::string Sprite(const std::string& picture) {
    return Section("Sprite =", "    string SpriteSource = \"Art:" + picture + "\",\n");
}

std::string Sound(const std::string& name) {
    return Section("SoundEmitterComponent =", "    string SoundFileName = \"" + name + "\",\n");
}

std::string Button(const std::string& identity, const std::string& selected) {
    return Section("ButtonComponent =", "    string NotSelectedFileName = \"" + identity +
                                            "\",\n    string SelectedFileName = \"" + selected +
                                            "\",\n");
}

std::string Camera(const std::string& distance) {
    return Section("CameraComponent =", "    float CameraComponentFarPlane = " + distance + ",\n");
}

std::string Level(const std::string& objects) {
    return EditorHeader() + objects + "}\n";
}

// A playable level with every object its rules look for: the parts given replace the
// standard ones.
std::string Playable(const std::map<std::string, std::string>& parts) {
    std::map<std::string, std::string> objects = {
        {"CameraComp", Object("CameraComp", Camera("30"))},
        {"velmo", Object("velmo", Sprite("player") +
                                      Section("RigidBodyComponent =", "    float Speed = 1,\n"))},
        {"pParticleBlast",
         Object("pParticleBlast", Section("ParticleEmitterComponent = ",
                                          "    string ParticleTextureFilename = \"spark.png\",\n") +
                                      Sound("blasteffect.wav"))},
        {"fade", Object("fade", Sprite("player"))},
        {"gauge", Object("gauge", Sprite("player"))},
        {"backgroundMusic", Object("backgroundMusic", Sound("levelmusic.ogg"))},
        {"winBear", Object("winBear", Sprite("goal") +
                                          Section("AnimationComponent =",
                                                  "    string AnimationList = \"blink.txt\",\n") +
                                          Section("WinComponent =",
                                                  "    string WinLevel = \"levelSelect\",\n"
                                                  "    bool LoadAsLevel = false,\n"))},
        {"sender", Object("sender", Section("TeleporterGear =", "    bool Sander = true,\n"))},
        {"quitPause", Object("quitPause", Button("player", "goal"))},
    };
    for (const auto& [name, text] : parts) {
        objects[name] = text;
    }
    std::string text;
    for (const auto& [name, object] : objects) {
        text += object;
    }
    return Level(text);
}

// The files of a content folder that velmora-lint finds clean.
std::map<std::string, std::string> CleanContent() {
    return {
        {"Gameplay/Levels.txt",
         "levelSelect,levelSelect\npauseMenu,pauseMenu\noptions,options\n"
         "levelSelectGear1,level1\nBearGearBrown,bear\n"},
        {"Gameplay/menuButtons.txt", "levelSelectGear1\nlevelBear1\n"},
        {"Gameplay/pauseMenuButtons.txt", "resumeGameButton\n"},
        {"Gameplay/optionsMenuButtons.txt", "fullscreenButton\n"},
        {"Gameplay/LevelUnlocks.txt", "levelSelectGear1\nunlocked 1\nBearGearBrown\nunlocked 0\n"},
        {"Gameplay/blink.txt", "goal.png\ngoal.png\n"},
        {"Textures/SpriteList.txt",
         "player.png;\ngoal.png;\nspark.png;\nlevelSelectGear1.png;\nlevelSelectGear1Lit.png;\n"
         "BearGearBrown.png;\n"},
        {"Textures/player.png", "picture"},
        {"Textures/goal.png", "picture"},
        {"Textures/spark.png", "picture"},
        {"Textures/levelSelectGear1.png", "picture"},
        {"Textures/levelSelectGear1Lit.png", "picture"},
        {"Textures/BearGearBrown.png", "picture"},
        {"Audio/AudioFiles.txt", "levelmusic.ogg;\nblasteffect.wav;\nboomeffect.wav;\n"},
        {"SoundFiles/levelmusic.ogg", "sound"},
        {"SoundFiles/blasteffect.wav", "sound"},
        {"SoundFiles/boomeffect.wav", "sound"},
        {"TandrelLevelDesigner/Content/levelSelect.Level.data",
         Level(Object("CameraComp", Camera("30")) +
               Object("levelSelectGear1", Button("levelSelectGear1", "levelSelectGear1Lit")) +
               Object("levelBear1", Button("BearGearBrown", "levelSelectGear1Lit")))},
        {"TandrelLevelDesigner/Content/pauseMenu.Level.data",
         Level(Object("resumeGameButton", Button("player", "goal")))},
        {"TandrelLevelDesigner/Content/options.Level.data",
         Level(Object("optionsTitle", Sprite("goal")) +
               Object("fullscreenButton", Button("player", "goal")))},
        {"TandrelLevelDesigner/Content/level1.Level.data",
         Playable({{"bomb", Object("bomb", Section("BombGearComponent =",
                                                   "    float TimeToExplode = 3,\n"))},
                   {"boomSound", Object("boomSound", Sound("boomeffect.wav"))}})},
        {"TandrelLevelDesigner/Content/bear.Level.data", Playable({})},
    };
}

void Write(const fs::path& folder, const std::map<std::string, std::string>& files,
           bool windowsLineEnds = false) {
    for (const auto& [name, text] : files) {
        fs::create_directories((folder / name).parent_path());
        std::string bytes;
        for (char c : text) {
            bytes += windowsLineEnds && c == '\n' ? std::string("\r\n") : std::string(1, c);
        }
        WriteBytes(folder / name, bytes);
    }
}

// The number of the line of the text that holds the part; 0 when none does.
int LineOf(const std::string& text, const std::string& part) {
    std::istringstream lines(text);
    int number = 1;
    for (std::string line; std::getline(lines, line); ++number) {
        if (line.find(part) != std::string::npos) {
            return number;
        }
    }
    return 0;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

ProgramRun Lint(const fs::path& folder) {
    return RunProgram(std::string(VELMORA_LINT_PROGRAM) + " '" + folder.string() + "' 2>&1");
}

TEST(LintToolTest, NamesTheFileAndLineOfOneFaultOfEachKind) {
    const ScratchFolder scratch;
    auto files = CleanContent();
    files["Gameplay/Levels.txt"] += "levelSelectGear2,level2\n";
    files["Gameplay/LevelUnlocks.txt"] =
        "levelSelectGear1\nunlocked 1\nlevelSelectGear2\nunlocked 0\n";
    files["Gameplay/pauseMenuButtons.txt"] += "quitButton\n";
    files["Gameplay/optionsMenuButtons.txt"] = "optionsTitle\n";
    files["Gameplay/blink.txt"] += "gone.png\n";
    files["Audio/AudioFiles.txt"] += "levelTune.ogg;\ntickeffect.wav;\n";
    files["Textures/SpriteList.txt"] += "smoke.png;\n";
    files["TandrelLevelDesigner/Content/old.Level.data"] = Level(Object("velmo"));
    files["TandrelLevelDesigner/Content/levelSelect.Level.data"] =
        Level(Object("CameraComp", Camera("30")) +
              Object("levelSelectGear1", Button("levelSelectGear1", "levelSelectGear2Lit")) +
              Object("levelBear1", Button("BearGearBrown", "levelSelectGear1Lit")));
    const std::string level1 = Playable({
        {"gauge", ""},
        {"quitPause", ""},
        {"bomb", Object("bomb", Section("BombGearComponent =", "    float TimeToExplode = 3,\n"))},
        {"velmo",
         Object("velmo", Sprite("missing") + Sound("jumpeffect.wav") +
                             Section("RigidBodyComponent =", "    float RotSpeeed = 1,\n"))},
        {"backgroundMusic", Object("backgroundMusic", Sound("levelTune.ogg"))},
        {"tick", Object("tick", Sound("tickeffect.wav"))},
        {"pParticleBlast",
         Object("pParticleBlast", Section("ParticleEmitterComponent = ",
                                          "    string ParticleTextureFilename = \"smoke.png\",\n") +
                                      Sound("blasteffect.wav"))},
        {"winBear",
         Object("winBear", Section("WinComponent =", "    string WinLevel = \"levelselect\",\n"))},
    });
    const std::string bear = Playable({
        {"CameraComp", Object("CameraComp", Camera("-10"))},
        {"sender", Object("sender", Section("TeleporterGear =", "    bool Sander = false,\n"))},
        {"winBear",
         Object("winBear",
                Section("AnimationComponent =", "    string AnimationList = \"blink.txt\",\n") +
                    Section("WinComponent =", "    bool LoadAsLevel = true,\n"))},
    });
    files["TandrelLevelDesigner/Content/level1.Level.data"] = level1;
    files["TandrelLevelDesigner/Content/bear.Level.data"] = bear;
    Write(scratch.path, files);

    const auto at = [](const std::string& file, int line) {
        return file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": ";
    };
    const std::string level1File = "TandrelLevelDesigner/Content/level1.Level.data";
    const std::string bearFile = "TandrelLevelDesigner/Content/bear.Level.data";
    const std::string selectFile = "TandrelLevelDesigner/Content/levelSelect.Level.data";
    const std::string select = files[selectFile];
    // Where each finding is, and a part of what it says.
    const std::vector<std::pair<std::string, std::string>> expected = {
        {at("Gameplay/Levels.txt", 6), "error: level \"levelSelectGear2\" has no level file"},
        {at("TandrelLevelDesigner/Content/old.Level.data", 0), "warning: no level of"},
        {at("Gameplay/LevelUnlocks.txt", 3),
         "error: entry \"levelSelectGear2\" has no level-selection button"},
        {at(selectFile, LineOf(select, "\"BearGearBrown\"")),
         "error: level-selection button \"BearGearBrown\" has no entry in"},
        {at(selectFile, LineOf(select, "levelSelectGear2Lit")),
         "error: picture \"levelSelectGear2Lit.png\" of the button is not in "
         "Textures/SpriteList.txt"},
        {at("Gameplay/pauseMenuButtons.txt", 2), "error: no object \"quitButton\" of screen"},
        {at("Gameplay/optionsMenuButtons.txt", 1),
         "error: object \"optionsTitle\" of screen \"options\""},
        {at("Gameplay/blink.txt", 3), "error: picture \"gone.png\" of the animation frame"},
        {at(level1File, 0), "error: no object \"gauge\""},
        {at(level1File, 0), "error: no object \"quitPause\""},
        {at(level1File, LineOf(level1, "\"bomb\"")), "error: a bomb gear but no object"},
        {at(level1File, LineOf(level1, "Art:missing")),
         "error: picture \"missing.png\" of the sprite is not in"},
        {at(level1File, LineOf(level1, "jumpeffect")),
         "error: sound \"jumpeffect.wav\" is not in Audio/AudioFiles.txt"},
        {at(level1File, LineOf(level1, "levelTune")), "error: sound \"levelTune.ogg\""},
        {at(level1File, LineOf(level1, "tickeffect")),
         "error: sound \"tickeffect.wav\" has no file: SoundFiles/tickeffect.wav"},
        {at(level1File, LineOf(level1, "smoke.png")),
         "error: picture \"smoke.png\" of the particle emitter has no file: Textures/smoke.png"},
        {at(level1File, LineOf(level1, "levelselect")),
         "error: WinLevel \"levelselect\" names no level"},
        {at(level1File, LineOf(level1, "RotSpeeed")),
         "warning: the level reader ignores this "
         "line; did you mean \"float RotSpeed =\"?"},
        {at(bearFile, 0), "error: no sending teleporter"},
        {at(bearFile, LineOf(bear, "\"winBear\"")),
         "error: the goal \"winBear\" has no WinComponent with a WinLevel"},
        {at(bearFile, LineOf(bear, "FarPlane = -10")),
         "error: the camera's CameraComponentFarPlane is -10"},
    };

    const ProgramRun run = Lint(scratch.path);
    EXPECT_EQ(run.status, 1);
    const std::vector<std::string> lines = Lines(run.output);
    for (const auto& [where, what] : expected) {
        const std::string finding = where + what;
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                                [&](const std::string& line) { return line.starts_with(finding); }))
            << "no finding " << finding << " in\n"
            << run.output;
    }
    EXPECT_EQ(lines.size(), expected.size()) << run.output;
}

TEST(LintToolTest, ContentMadeOnWindowsReadsCleanAndAMissingFolderIsBadUsage) {
    const ScratchFolder scratch;
    const fs::path windows = scratch.path / "windows";
    // Other letter case on disk than in the game's paths and the lists, a picture in a
    // subfolder named with a backslash, and CR LF line ends throughout.
    const std::pair<std::string, std::string> renamed[] = {
        {"Gameplay/Levels.txt", "GAMEPLAY/levels.TXT"},
        {"Gameplay/", "GAMEPLAY/"},
        {"Textures/goal.png", "textures/Pictures/GOAL.PNG"},
        {"Textures/", "textures/"},
        {"Audio/", "audio/"},
        {"SoundFiles/levelmusic.ogg", "soundfiles/LevelMusic.OGG"},
        {"SoundFiles/", "soundfiles/"},
        {"TandrelLevelDesigner/Content/level1.Level.data",
         "tandrelleveldesigner/CONTENT/LEVEL1.level.DATA"},
        {"TandrelLevelDesigner/Content/", "tandrelleveldesigner/CONTENT/"},
    };
    std::map<std::string, std::string> files;
    for (const auto& [name, text] : CleanContent()) {
        for (const auto& [from, to] : renamed) {
            if (name.starts_with(from)) {
                files[to + name.substr(from.size())] = text;
                break;
            }
        }
    }
    files["textures/SpriteList.txt"] =
        "player.png;\npictures\\goal.png;\nspark.png;\nlevelSelectGear1.png;\n"
        "levelSelectGear1Lit.png;\nBearGearBrown.png;\n";
    Write(windows, files, true);

    const ProgramRun clean = Lint(windows);
    EXPECT_EQ(clean.output, "");
    EXPECT_EQ(clean.status, 0);

    EXPECT_EQ(Lint(scratch.path / "nothing").status, 2);
}

}  // namespace
