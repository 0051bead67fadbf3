#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "Core/LevelList.h"
#include "LevelFingerprint.h"
#include "ReplayRun.h"
#include "support/ScratchFolder.h"

// One shipped level's stored replay (the level named by VELMORA_REPLAY_LEVEL; the build
// registers one test for each replay): the replay was made for the level as it is now, and
// played back drawn it wins, opening the next level and advancing the save.
namespace {

namespace fs = std::filesystem;

TEST(StoredReplay, IsCurrentAndWinsItsLevel) {
    const char* named = std::getenv("VELMORA_REPLAY_LEVEL");
    ASSERT_NE(named, nullptr) << "VELMORA_REPLAY_LEVEL names the level to replay";
    const std::string level = named;
    const fs::path content = VELMORA_CONTENT_FOLDER;
    const std::string version = replays::HeaderValue(
        replays::Text(content / "Replays" / (level + ".input")), "level version");
    ASSERT_NE(version, "") << "no replay with a level version for " << level;

    const fs::path here = fs::current_path();
    fs::current_path(content);
    LevelList::Read("Gameplay/Levels.txt");
    const std::string current = LevelFingerprint::OfLevel(level).value_or("none");
    fs::current_path(here);
    ASSERT_EQ(version, current) << level << " changed since its replay was made; renew it with "
                                << "scripts/solve-levels " << level;

    ScratchFolder scratch;
    const ProgramRun run = replays::Replay(content, level, scratch.path / "data");
    EXPECT_NE(run.output.find("\"stack\":[\"" + level + "\","), std::string::npos) << run.output;
    EXPECT_GT(replays::Unlocked(replays::Text(scratch.path / "data/Velmora/LevelUnlocks.txt")),
              replays::Unlocked(replays::Text(content / "Gameplay/LevelUnlocks.txt")));
}

}  // namespace
