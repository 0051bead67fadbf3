#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "Core/ContentFile.h"
#include "Core/Engine.h"
#include "audio/Sound.h"
#include "support/ScratchFolder.h"
#include "support/TestSounds.h"
#include "systems/AssetLists.h"
#include "systems/GameplaySystem.h"
#include "systems/SoundSystem.h"
#include "systems/SoundTable.h"
#include "systems/Window.h"

namespace {

namespace fs = std::filesystem;

// The lists are read and written in the working directory, as the game does; each test works
// in a folder of its own.
class AssetListsTest : public testing::Test {
protected:
    void SetUp() override {
        ::setenv("ALSOFT_DRIVERS", "null", 0);
        home = fs::current_path();
        fs::create_directories(folder / "Audio");
        fs::create_directories(folder / "Textures");
        fs::current_path(folder);
        Engine& engine = Engine::Instance();
        sounds = std::make_shared<SoundSystem>();
        engine.AddSystem(std::make_shared<Window>());
        engine.AddSystem(sounds);
        engine.AddSystem(std::make_shared<GameplaySystem>());
        sounds->Initialize();
    }

    void TearDown() override {
        Engine::Instance().Shutdown();
        fs::current_path(home);
    }

    static void Write(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }

    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Both steps of a drop, as the window hands them over.
    static std::string Drop(const std::string& path) {
        testing::internal::CaptureStdout();
        AssetLists::Import(path);
        AssetLists::LoadDroppedFile(std::string(ContentFile::FileNamePart(path)));
        return testing::internal::GetCapturedStdout();
    }

    fs::path home;
    ScratchFolder scratch;
    const fs::path& folder = scratch.path;
    std::shared_ptr<SoundSystem> sounds;
};

TEST_F(AssetListsTest, SoundListLoadsEachEntryBeforeItsSemicolon) {
    WriteTestTone(folder / "SoundFiles/Listeffect.wav");
    WriteTestTone(folder / "SoundFiles/sub/Listmusic.wav");
    Write(folder / "Audio/AudioFiles.txt",
          "Listeffect.wav;\r\nsub/Listmusic.wav; the title tune\r\nListUntagged.wav\r\n");
    int frames = 0;
    testing::internal::CaptureStdout();
    AssetLists::LoadSounds([&frames] { ++frames; });
    const std::string printed = testing::internal::GetCapturedStdout();

    EXPECT_EQ(frames, 3);
    ASSERT_NE(SoundTable::Find("Listeffect.wav")->sound, nullptr);
    EXPECT_FALSE(SoundTable::Find("Listeffect.wav")->sound->IsStream());
    ASSERT_NE(SoundTable::Find("Listmusic.wav")->sound, nullptr);
    EXPECT_TRUE(SoundTable::Find("Listmusic.wav")->sound->IsStream());
    EXPECT_EQ(SoundTable::Find("ListUntagged.wav")->sound, nullptr);
    EXPECT_NE(printed.find("not properly tagged"), std::string::npos);
}

TEST_F(AssetListsTest, DroppingTheSameImageTwiceAddsOneLine) {
    Write(folder / "Textures/SpriteList.txt", "velmo.png;\r\n");
    EXPECT_EQ(Drop("C:\\Users\\maker\\Desktop\\gear.png"), "Image file\nImage file\n");
    Drop("/home/maker/gear.png");
    EXPECT_EQ(Read(folder / "Textures/SpriteList.txt"), "velmo.png;\r\ngear.png;\r\n");
    EXPECT_TRUE(AssetLists::IsListed(AssetLists::SpriteList, "gear.png"));
    EXPECT_FALSE(AssetLists::IsListed(AssetLists::SpriteList, "gear"));
}

TEST_F(AssetListsTest, NameWithABlankNeverCountsAsListed) {
    Drop("/drops/big gear.png");
    Drop("/drops/big gear.png");
    EXPECT_FALSE(AssetLists::IsListed(AssetLists::SpriteList, "big gear.png"));
    EXPECT_EQ(Read(folder / "Textures/SpriteList.txt"), "big gear.png;\nbig gear.png;\n");
}

TEST_F(AssetListsTest, UnsupportedFileChangesNothing) {
    Write(folder / "Audio/AudioFiles.txt", "a.wav;\n");
    EXPECT_EQ(Drop("/drops/notes.txt"), "Filetype not supported by drag and drop\n");
    EXPECT_EQ(Drop("/drops/gear.PNG"), "Filetype not supported by drag and drop\n")
        << "the kind is read with its letter case";
    EXPECT_EQ(Read(folder / "Audio/AudioFiles.txt"), "a.wav;\n");
    EXPECT_FALSE(fs::exists(folder / "Textures/SpriteList.txt"));
}

TEST_F(AssetListsTest, NameThatWouldBreakTheListIsRefused) {
    Write(folder / "Textures/SpriteList.txt", "velmo.png;\n");
    const std::string printed = Drop("/drops/two;parts.png");
    EXPECT_NE(printed.find("two;parts.png"), std::string::npos) << printed;
    Drop("/drops/line\nbreak.png");
    EXPECT_EQ(Read(folder / "Textures/SpriteList.txt"), "velmo.png;\n");
}

TEST_F(AssetListsTest, EntryGoesOnANewLineAfterALastLineWithoutItsEnd) {
    Write(folder / "Audio/AudioFiles.txt", "first.wav;");
    Drop("/drops/Dropeffect.wav");
    EXPECT_EQ(Read(folder / "Audio/AudioFiles.txt"), "first.wav;\nDropeffect.wav;\n");
    EXPECT_TRUE(AssetLists::IsListed(AssetLists::SoundList, "Dropeffect.wav"));
    EXPECT_TRUE(AssetLists::IsListed(AssetLists::SoundList, "first.wav"));
}

TEST_F(AssetListsTest, DroppedSoundIsListedAndLoadedFromTheGamesFolder) {
    WriteTestTone(folder / "SoundFiles/Splashmusic.wav");
    EXPECT_EQ(Drop("/somewhere/else/Splashmusic.wav"), "Music file\nMusic file\n");
    EXPECT_EQ(Read(folder / "Audio/AudioFiles.txt"), "Splashmusic.wav;\n");
    ASSERT_NE(SoundTable::Find("Splashmusic.wav")->sound, nullptr);
    EXPECT_TRUE(SoundTable::Find("Splashmusic.wav")->sound->IsStream());
}

}  // namespace
