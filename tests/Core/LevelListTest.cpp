#include <map>
#include <string>

#include <gtest/gtest.h>

#include "Core/LevelList.h"
#include "support/LevelFiles.h"

namespace {

TEST(LevelListTest, FirstCommaSplitsAndFirstLineWins) {
    LevelList::Read((TestContent() / "Gameplay/Levels.txt").string());
    const auto& list = LevelList::Entries();
    EXPECT_EQ(list.at("loading"), "loadingScreen");
    EXPECT_EQ(list.at("level1"), "Level1");          // a later "level1" line is ignored
    EXPECT_EQ(list.at("Standalone"), "Standalone");  // no comma: the text maps to itself
    EXPECT_EQ(list.at("levelList"), "Level1,Other");
    EXPECT_EQ(list.at("title"), "Menus\\TitleScreen");
    EXPECT_EQ(list.size(), 8u);
}

TEST(LevelListTest, WindowsLineEndsGiveTheSameList) {
    LevelList::Read((TestContent() / "Gameplay/Levels.txt").string());
    const std::map<std::string, std::string> linux = LevelList::Entries();
    std::string windows;
    for (char c : ReadBytes(TestContent() / "Gameplay/Levels.txt")) {
        windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    ScratchFolder scratch;
    LevelList::Read(scratch.Write("Levels.txt", windows));
    EXPECT_EQ(LevelList::Entries(), linux);
}

TEST(LevelListTest, MissingListIsReportedAndLeavesTheListEmpty) {
    LevelList::Read((TestContent() / "Gameplay/Levels.txt").string());
    ScratchFolder scratch;
    InFolder inside(scratch.path);
    testing::internal::CaptureStdout();
    LevelList::Read("Gameplay/Levels.txt");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "file not found: Gameplay/Levels.txt\n");
    EXPECT_TRUE(LevelList::Entries().empty());
}

}  // namespace
