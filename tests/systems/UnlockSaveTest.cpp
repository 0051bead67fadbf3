#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <thread>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/ScratchFolder.h"
#include "systems/UnlockSave.h"
#include "systems/UserDataFolder.h"

namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;

// An environment variable set for one test and put back after it.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value) : name(name) {
        if (const char* old = std::getenv(name)) {
            previous = old;
        }
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment() {
        if (previous) {
            ::setenv(name, previous->c_str(), 1);
        } else {
            ::unsetenv(name);
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name;
    std::optional<std::string> previous;
};

const std::string Shipped =
    "levelSelectGear1\nunlocked 1\n"
    "levelSelectGear2\nunlocked 0\n"
    "levelSelectGear3\nunlocked 0\n"
    "BearGearBrown\nunlocked 0\n"
    "levelSelectGear4\nunlocked 0\n";

// A game started in its content folder, with its data folder in the scratch folder (never the
// player's home). The default save is written on Windows, with CR LF line ends.
class UnlockSaveTest : public testing::Test {
protected:
    UnlockSaveTest()
        : data(ScopedEnvironment("XDG_DATA_HOME", (scratch.path / "data/deeper").string())),
          inContent((fs::create_directories(scratch.path / "content/Gameplay"),
                     scratch.path / "content")) {
        std::string windows;
        for (char c : Shipped) {
            windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
        }
        WriteBytes(scratch.path / "content" / UnlockSave::DefaultSave, windows);
    }

    UnlockSave Started() const {
        UnlockSave save;
        save.SetUp(UserDataFolder::GameFolder());
        return save;
    }

    ScratchFolder scratch;
    ScopedEnvironment data;
    InFolder inContent;
};

TEST_F(UnlockSaveTest, TheFirstStartSeedsTheSaveAndLaterStartsLeaveItAlone) {
    UnlockSave first = Started();
    EXPECT_EQ(first.Folder(), (scratch.path / "data/deeper/Velmora").string());
    EXPECT_EQ(first.SavePath(), first.Folder() + "/LevelUnlocks.txt");
    EXPECT_EQ(ReadBytes(first.SavePath()), Shipped);
    EXPECT_TRUE(first.IsUnlocked("levelSelectGear1"));
    EXPECT_FALSE(first.IsUnlocked("levelSelectGear2"));

    first.Rewrite(false, false);
    const std::string won = ReadBytes(first.SavePath());
    UnlockSave second = Started();
    EXPECT_EQ(ReadBytes(second.SavePath()), won);
    EXPECT_TRUE(second.IsUnlocked("levelSelectGear2"));
    EXPECT_FALSE(fs::exists(second.Folder() + "/" + UnlockSave::ScratchFileName));
}

TEST_F(UnlockSaveTest, TheFolderFollowsTheEnvironment) {
    ScopedEnvironment home("HOME", "/home/player");
    EXPECT_EQ(UserDataFolder::GameFolder(), (scratch.path / "data/deeper/Velmora").string());
    // A relative data folder would depend on the working directory; it is ignored.
    ScopedEnvironment relative("XDG_DATA_HOME", "data");
    EXPECT_EQ(UserDataFolder::GameFolder(), "/home/player/.local/share/Velmora");
}

TEST_F(UnlockSaveTest, WinsUnlockTheFirstLockedEntriesInFileOrder) {
    UnlockSave save = Started();
    save.Rewrite(false, false);
    save.Rewrite(false, false);
    EXPECT_TRUE(save.IsUnlocked("levelSelectGear2"));
    EXPECT_TRUE(save.IsUnlocked("levelSelectGear3"));
    EXPECT_FALSE(save.IsUnlocked("BearGearBrown"));
    EXPECT_FALSE(save.IsUnlocked("levelSelectGear4"));
    EXPECT_FALSE(save.IsUnlocked("levelSelectGear9"));
}

TEST_F(UnlockSaveTest, AResetKeepsTheFirstLevelAndLocksEveryEntryAfterLevelTwo) {
    UnlockSave save = Started();
    save.Rewrite(true, false);
    EXPECT_TRUE(save.IsUnlocked("BearGearBrown"));
    save.Rewrite(false, true);
    EXPECT_EQ(ReadBytes(save.SavePath()), Shipped);
}

TEST_F(UnlockSaveTest, QueriesGoByTheLastCharacterOfTheLineAfterTheName) {
    UnlockSave save = Started();
    WriteBytes(save.SavePath(),
               "levelSelectGear1\nstate 1\n"
               "levelselectgear2\nunlocked 1\n"
               // A name line followed by another name: no answer, and the search goes on.
               "levelSelectGear3\nlevelSelectGear4\nunlocked 1\n"
               "levelSelectGear3\nunlocked 1\n"
               // The line read as the state is passed over even when it is the name.
               "levelSelectGear5\nlevelSelectGear5\nunlocked 1");
    testing::internal::CaptureStdout();
    EXPECT_TRUE(save.IsUnlocked("levelSelectGear1"));
    EXPECT_FALSE(save.IsUnlocked("levelSelectGear2"));
    EXPECT_TRUE(save.IsUnlocked("levelSelectGear3"));
    EXPECT_TRUE(save.IsUnlocked("levelSelectGear4"));
    EXPECT_FALSE(save.IsUnlocked("levelSelectGear5"));
    EXPECT_THAT(testing::internal::GetCapturedStdout(),
                HasSubstr("LevelUnlocks.txt line 6: \"levelSelectGear3\""));
}

TEST_F(UnlockSaveTest, AnUnreadableSaveSurvivesRewritesAndIsReportedOnce) {
    UnlockSave save = Started();
    fs::remove(save.SavePath());
    fs::create_directory(save.SavePath());
    WriteBytes(fs::path(save.SavePath()) / "keep", "mine");

    testing::internal::CaptureStdout();
    EXPECT_FALSE(save.IsUnlocked("levelSelectGear1"));
    save.Rewrite(false, false);
    save.Rewrite(true, false);
    save.Rewrite(false, true);
    Started();
    const std::string output = testing::internal::GetCapturedStdout();

    EXPECT_EQ(output,
              "Cannot read the level unlock save, left as it is: " + save.SavePath() + "\n");
    EXPECT_TRUE(save.Reported());
    EXPECT_EQ(ReadBytes(fs::path(save.SavePath()) / "keep"), "mine");
}

TEST_F(UnlockSaveTest, ARewriteThatChangesNothingLeavesTheFileUntouched) {
    UnlockSave save = Started();
    save.Rewrite(true, false);
    const timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, save.SavePath().c_str(), old, 0), 0);
    struct stat before {};
    ASSERT_EQ(::stat(save.SavePath().c_str(), &before), 0);

    save.Rewrite(true, false);
    struct stat after {};
    ASSERT_EQ(::stat(save.SavePath().c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_sec, 1000000000);

    save.Rewrite(false, true);
    ASSERT_EQ(::stat(save.SavePath().c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino) << "a change replaces the file";
}

// A player's machine may stop at any instruction of a rewrite. A child process rewrites the
// save without pause and is killed at a pseudo-random moment, a hundred times; each time the
// save must be one of its two texts, whole. The save is long, so that a rewrite takes a while.
TEST_F(UnlockSaveTest, ARewriteKilledAtAnyMomentLeavesTheOldOrTheNewSave) {
    std::string locked = "levelSelectGear1\nunlocked 1\n";
    std::string unlocked = locked;
    for (int entry = 2; entry <= 400; ++entry) {
        const std::string name = "levelSelectGear" + std::to_string(entry) + "\n";
        locked += name + "unlocked 0\n";
        unlocked += name + "unlocked 1\n";
    }
    UnlockSave save = Started();
    WriteBytes(save.SavePath(), locked);

    std::mt19937 random(13);
    std::uniform_int_distribution<int> delay(0, 4000);
    int lockedSeen = 0;
    for (int kill = 0; kill < 100; ++kill) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(ready[0]);
            UnlockSave rewriter;
            rewriter.SetUp(save.Folder());
            for (bool told = false;; told = true) {
                rewriter.Rewrite(true, false);
                rewriter.Rewrite(false, true);
                if (!told && ::write(ready[1], "!", 1) != 1) {
                    ::_exit(1);
                }
            }
        }
        ::close(ready[1]);
        char byte = 0;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1) << "the child died before it rewrote";
        ::close(ready[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

        const std::string text = ReadBytes(save.SavePath());
        ASSERT_TRUE(text == locked || text == unlocked)
            << "after kill " << kill << " the save holds " << text.size() << " bytes";
        lockedSeen += text == locked ? 1 : 0;
    }
    RecordProperty("killedWithTheSaveLocked", lockedSeen);
}

}  // namespace
