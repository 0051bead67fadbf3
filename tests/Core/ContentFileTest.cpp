#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Core/ContentFile.h"
#include "support/ScratchFolder.h"

namespace fs = std::filesystem;

namespace {

class ContentFileTest : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(root / "Shaders");
        fs::create_directories(root / "Gameplay");
    }

    void Write(const fs::path& relative, const std::string& bytes) {
        std::ofstream(root / relative, std::ios::binary) << bytes;
    }

    std::vector<std::string> Lines(const std::string& path) {
        ContentFile file(path);
        std::vector<std::string> lines;
        for (std::string line; file.ReadLine(line);) {
            lines.push_back(line);
        }
        return lines;
    }

    ScratchFolder scratch;
    const fs::path& root = scratch.path;
};

TEST_F(ContentFileTest, CrLfReadsLikeLf) {
    Write("Gameplay/windows.txt", "first,a\r\nsecond\r\n\r\nlast");
    Write("Gameplay/unix.txt", "first,a\nsecond\n\nlast");
    EXPECT_EQ(Lines((root / "Gameplay/windows.txt").string()),
              (std::vector<std::string>{"first,a", "second", "", "last"}));
    EXPECT_EQ(Lines((root / "Gameplay/windows.txt").string()),
              Lines((root / "Gameplay/unix.txt").string()));
}

TEST_F(ContentFileTest, LoneCarriageReturnAndCtrlZReadAsOnWindows) {
    Write("Gameplay/odd.txt",
          "a\rb\r\nc\x1a"
          "d\n");
    EXPECT_EQ(Lines((root / "Gameplay/odd.txt").string()), (std::vector<std::string>{"a\rb", "c"}));
}

TEST_F(ContentFileTest, BackslashesAndOtherLetterCaseFindTheFile) {
    Write("Shaders/text.vert", "void main() {}\n");
    const std::string asked = root.string() + "\\shaders\\TEXT.vert";
    EXPECT_EQ(ContentFile::Resolve(asked), (root / "Shaders/text.vert").string());
    EXPECT_EQ(Lines(asked), (std::vector<std::string>{"void main() {}"}));
}

TEST_F(ContentFileTest, ExactMatchWinsOverAnotherCase) {
    Write("Gameplay/levels.txt", "lower\n");
    Write("Gameplay/Levels.txt", "upper\n");
    EXPECT_EQ(Lines((root / "Gameplay/Levels.txt").string()), std::vector<std::string>{"upper"});
    EXPECT_EQ(Lines((root / "Gameplay/levels.txt").string()), std::vector<std::string>{"lower"});
}

TEST_F(ContentFileTest, MissingFileIsNotOpenAndKeepsItsPath) {
    const std::string missing = root.string() + "\\Gameplay\\Nothing.txt";
    ContentFile file(missing);
    EXPECT_FALSE(file.IsOpen());
    std::string line;
    EXPECT_FALSE(file.ReadLine(line));
    EXPECT_EQ(ContentFile::Resolve(missing), root.string() + "/Gameplay/Nothing.txt");
}

TEST_F(ContentFileTest, RelativePathsResolveFromTheWorkingDirectory) {
    Write("Gameplay/Levels.txt", "level\n");
    const fs::path before = fs::current_path();
    fs::current_path(root);
    EXPECT_EQ(ContentFile::Resolve("gameplay\\levels.TXT"), "Gameplay/Levels.txt");
    fs::current_path(before);
}

}  // namespace
