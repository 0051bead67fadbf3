#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "Core/LevelList.h"
#include "LevelFingerprint.h"
#include "support/LevelFiles.h"
#include "support/PhysicsLevel.h"
#include "support/ProgramRun.h"
#include "support/ScratchFolder.h"

// velmora-solve as a level maker runs it, and the stored replays of the shipped levels played
// back through velmora-trace as the game runs them, drawn.
namespace {

namespace fs = std::filesystem;

std::string Text(const fs::path& file) {
    std::ifstream in(file);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The header line of a replay that starts with the given words, without them.
std::string HeaderValue(const std::string& replay, const std::string& words) {
    std::istringstream lines(replay);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("# " + words + ": ", 0) == 0) {
            return line.substr(words.size() + 4);
        }
    }
    return "";
}

int Unlocked(const std::string& save) {
    int count = 0;
    for (std::size_t at = 0; (at = save.find("unlocked 1", at)) != std::string::npos; ++at) {
        ++count;
    }
    return count;
}

class SolveToolTest : public testing::Test {
protected:
    // A content folder of the test's own whose parts are the game's, but for its replays.
    fs::path GameContent() {
        const fs::path content = folder / "content";
        fs::create_directories(content / "Replays");
        for (const char* part : {"Audio", "Gameplay", "Shaders", "Textures", "SoundFiles", "fonts",
                                 "TandrelLevelDesigner"}) {
            fs::create_directory_symlink(fs::path(VELMORA_CONTENT_FOLDER) / part, content / part);
        }
        return content;
    }

    ProgramRun Solve(const fs::path& content, const std::string& arguments) const {
        return RunProgram("XDG_DATA_HOME=" + (folder / "data").string() + " " +
                          VELMORA_SOLVE_PROGRAM + " --content " + content.string() + " " +
                          arguments + " 2>/dev/null");
    }

    // The replay played back drawn to a little past the frame its header gives for the win;
    // returns the trace's last line (the stack and boosts).
    ProgramRun Replay(const fs::path& content, const std::string& level) const {
        const fs::path replay = content / "Replays" / (level + ".input");
        const std::string frames = HeaderValue(Text(replay), "frames to win");
        return RunProgram("XDG_DATA_HOME=" + (folder / "data").string() + " " +
                          VELMORA_TRACE_PROGRAM + " --content " + content.string() + " --frames " +
                          std::to_string(std::stoll(frames.empty() ? "3600" : frames) + 5) +
                          " --watch none --input " + replay.string() + " " + level +
                          " 2>/dev/null | tail -n 1");
    }

    ScratchFolder scratch;
    const fs::path& folder = scratch.path;
};

TEST_F(SolveToolTest, TheFirstLevelIsSolvedWithItsFiguresAndTheReplayWinsItDrawn) {
    const fs::path content = GameContent();
    const ProgramRun solved = Solve(content, "--seconds 300 --window 5 levelSelectGear1");
    ASSERT_EQ(solved.status, 0) << solved.output;
    const std::string replay = Text(content / "Replays/levelSelectGear1.input");
    LevelList::Read(std::string(VELMORA_CONTENT_FOLDER) + "/Gameplay/Levels.txt");
    const fs::path here = fs::current_path();
    fs::current_path(VELMORA_CONTENT_FOLDER);
    EXPECT_EQ(HeaderValue(replay, "level version"),
              LevelFingerprint::OfLevel("levelSelectGear1").value_or("none"));
    fs::current_path(here);
    EXPECT_NE(HeaderValue(replay, "frames to win"), "");
    EXPECT_TRUE(std::regex_search(replay, std::regex("# narrowest window: [1-9][0-9]* frames")))
        << replay;
    EXPECT_NE(solved.output.find("decision 1: frame "), std::string::npos) << solved.output;

    const ProgramRun replayed = Replay(content, "levelSelectGear1");
    EXPECT_NE(replayed.output.find("\"stack\":[\"levelSelectGear1\",\"levelSelectGear2\"]"),
              std::string::npos)
        << replayed.output;
}

TEST_F(SolveToolTest, ALevelThatCannotBeWonIsReportedAndNoReplayIsWritten) {
    // The teleporter hangs far out of reach above a box the player cannot leave but by falling.
    const fs::path content = folder / "sealed";
    fs::create_directories(content / "Gameplay");
    fs::create_directories(content / "Replays");
    fs::create_directories(content / "TandrelLevelDesigner/Content");
    std::ofstream(content / "Gameplay/Levels.txt") << "sealed,sealed\n";
    std::ofstream(content / "TandrelLevelDesigner/Content/sealed.Level.data")
        << EditorHeader() +
               pieces::Object("winBear", pieces::Place(0, 200) +
                                             pieces::Section("WinComponent =",
                                                             "string WinLevel = \"sealed2\",\n")) +
               pieces::Object(
                   "CameraComp",
                   pieces::Place(0, 0) + pieces::Section("CameraComponent =",
                                                         "float CameraComponentFarPlane = 30,\n")) +
               pieces::Box("ground", 0, 0, 3, 1) +
               pieces::Gear("sender", 0, 300, 0.02f,
                            pieces::Section("TeleporterGear =", "bool Sander = true,\n")) +
               pieces::Player(0, 2.2f, "bool Gravity = true,\n") + "}\n";
    const ProgramRun solved = Solve(content, "--seconds 20 --frames 240 sealed");
    EXPECT_EQ(solved.status, 1) << solved.output;
    EXPECT_NE(solved.output.find("sealed: gave up: "), std::string::npos) << solved.output;
    EXPECT_NE(solved.output.find("nearest the sending teleporter: "), std::string::npos);
    EXPECT_FALSE(fs::exists(content / "Replays/sealed.input"));
}

// Every shipped level with a stored replay: the replay was made for the level as it is now,
// and played back drawn it wins, opening the next level and advancing the save.
TEST_F(SolveToolTest, EveryStoredReplayIsCurrentAndWinsItsLevel) {
    const fs::path content = VELMORA_CONTENT_FOLDER;
    LevelList::Read((content / "Gameplay/Levels.txt").string());
    int replayed = 0;
    for (const auto& [level, file] : LevelList::Entries()) {
        const fs::path replayFile = content / "Replays" / (level + ".input");
        const std::string replay = Text(replayFile);
        const std::string version = HeaderValue(replay, "level version");
        if (version.empty()) {
            continue;
        }
        SCOPED_TRACE(level);
        const fs::path here = fs::current_path();
        fs::current_path(content);
        const std::string current = LevelFingerprint::OfLevel(level).value_or("none");
        fs::current_path(here);
        ASSERT_EQ(version, current) << level << " changed since its replay was made; renew it "
                                    << "with scripts/solve-levels " << level;
        fs::remove_all(folder / "data");
        const ProgramRun run = Replay(content, level);
        ASSERT_NE(run.output.find("\"stack\":[\"" + level + "\","), std::string::npos)
            << run.output;
        EXPECT_GT(Unlocked(Text(folder / "data/Velmora/LevelUnlocks.txt")),
                  Unlocked(Text(content / "Gameplay/LevelUnlocks.txt")));
        ++replayed;
    }
    EXPECT_GE(replayed, 1);
}

}  // namespace
