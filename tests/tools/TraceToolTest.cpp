#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <SOIL/SOIL.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/LevelFiles.h"
#include "support/ProgramRun.h"
#include "support/ScratchFolder.h"

// velmora-trace run on the sample level of the game's content folder, as a level maker runs it.
namespace {

namespace fs = std::filesystem;

struct TraceRun {
    int status = -1;
    std::vector<std::string> lines;
    std::string output;
    std::string errors;
};

class TraceToolTest : public testing::Test {
protected:
    TraceRun Trace(const std::string& arguments) {
        const fs::path errors = folder / "stderr.txt";
        // The game flow's unlock save goes to the test's folder, not the user's.
        const std::string command = "XDG_DATA_HOME=" + (folder / "data").string() + " " +
                                    VELMORA_TRACE_PROGRAM + " " + arguments + " 2>" +
                                    errors.string();
        const ProgramRun program = RunProgram(command);
        TraceRun run;
        run.status = program.status;
        run.output = program.output;
        std::istringstream lines(run.output);
        for (std::string line; std::getline(lines, line);) {
            run.lines.push_back(line);
        }
        std::ifstream errorText(errors);
        run.errors.assign(std::istreambuf_iterator<char>(errorText), {});
        return run;
    }

    std::string Write(const std::string& name, const std::string& text) {
        std::ofstream(folder / name) << text;
        return (folder / name).string();
    }

    static std::string SampleReplay() {
        return std::string(VELMORA_CONTENT_FOLDER) + "/Replays/Sample.input";
    }

    // A content folder of the test's own, laid out as the game's, with the first screens of the
    // game: "loading", then "SplashScreen" with its picture and the menu music. The shaders,
    // font, pictures and sounds are the game's.
    fs::path StartContent() {
        const fs::path content = folder / "content";
        const fs::path game = VELMORA_CONTENT_FOLDER;
        fs::create_directories(content / "Gameplay");
        fs::create_directories(content / "Audio");
        fs::create_directories(content / "TandrelLevelDesigner/Content");
        for (const char* shared : {"Shaders", "fonts", "Textures", "SoundFiles"}) {
            fs::create_directory_symlink(game / shared, content / shared);
        }
        std::ofstream(content / "Audio/AudioFiles.txt") << "menumusic.ogg;\n";
        std::ofstream(content / "Gameplay/Levels.txt")
            << "loading,traceLoading\nSplashScreen,traceSplash\nTeamLevel,traceLoading\n";
        const std::string camera =
            "GameObject =\n{\n  string Name = \"CameraComp\",\n  Transform =\n  {\n  }\n"
            "  CameraComponent =\n  {\n    float CameraComponentFarPlane = 30,\n  }\n}\n";
        const std::string splash =
            "GameObject =\n{\n  string Name = \"Splash\",\n  Transform =\n  {\n  }\n"
            "  Sprite =\n  {\n    string SpriteSource = \"Art:velmo\",\n"
            "    Vec4 Color = [1, 1, 1, 1],\n  }\n}\n"
            "GameObject =\n{\n  string Name = \"backgroundMusic\",\n"
            "  SoundEmitterComponent =\n  {\n    string SoundFileName = \"menumusic.ogg\",\n"
            "  }\n}\n";
        const fs::path levels = content / "TandrelLevelDesigner/Content";
        std::ofstream(levels / "traceLoading.Level.data") << EditorHeader() + camera + "}\n";
        std::ofstream(levels / "traceSplash.Level.data")
            << EditorHeader() + camera + splash + "}\n";
        return content;
    }

    ScratchFolder scratch;
    const fs::path& folder = scratch.path;
};

bool Has(const std::string& line, const std::string& fragment) {
    return line.find(fragment) != std::string::npos;
}

// The first line of a frame that holds the fragment: an object line, or with "flow" as the
// kind, the frame's flow line.
std::string FrameLine(const TraceRun& run, int frame, const std::string& fragment = "",
                      const std::string& kind = "space") {
    const std::string start = "{\"frame\":" + std::to_string(frame) + ",\"" + kind + "\"";
    for (const std::string& line : run.lines) {
        if (line.starts_with(start) && Has(line, fragment)) {
            return line;
        }
    }
    ADD_FAILURE() << "no " << kind << " line for frame " << frame << " with " << fragment;
    return "";
}

std::string ObjectLine(const TraceRun& run, int frame, const std::string& name) {
    return FrameLine(run, frame, "\"name\":\"" + name + "\"");
}

std::string FlowLine(const TraceRun& run, int frame) {
    return FrameLine(run, frame, "", "flow");
}

std::vector<float> Floats(const std::string& line, const std::string& key) {
    const std::size_t at = line.find("\"" + key + "\":[");
    std::vector<float> values;
    if (at == std::string::npos) {
        ADD_FAILURE() << "no " << key << " in " << line;
        return values;
    }
    const char* cursor = line.c_str() + at + key.size() + 4;
    while (*cursor != ']') {
        char* end = nullptr;
        values.push_back(std::strtof(cursor, &end));
        cursor = *end == ',' ? end + 1 : end;
    }
    return values;
}

float Float(const std::string& line, const std::string& key) {
    const std::size_t at = line.find("\"" + key + "\":");
    return at == std::string::npos ? NAN : std::strtof(line.c_str() + at + key.size() + 3, nullptr);
}

TEST_F(TraceToolTest, FallingPlayerComesToRestOnTheBoxTop) {
    const TraceRun run = Trace("--frames 40 --watch velmo sample");
    ASSERT_EQ(run.status, 0) << run.errors;
    ASSERT_EQ(run.lines.size(), 42u);  // frames 0 to 40, then the summary
    EXPECT_EQ(Floats(FrameLine(run, 0), "translation"), (std::vector<float>{0, 6, 0}));
    for (int frame = 25; frame <= 40; ++frame) {
        const std::string line = FrameLine(run, frame);
        EXPECT_EQ(Floats(line, "translation")[1], 2.0f) << line;
        EXPECT_TRUE(Has(line, "\"grounded\":true")) << line;
        EXPECT_TRUE(Has(line, "\"ground\":\"ground\"")) << line;
    }
    EXPECT_EQ(run.lines.back(), "{\"frame\":40,\"stack\":[\"sample\"],\"boosts\":0}");
}

TEST_F(TraceToolTest, PlayerCarriedByATurningGearStaysAtTheCarryingRadius) {
    const TraceRun run = Trace("--frames 119 --watch velmo --input " + SampleReplay() + " sample");
    ASSERT_EQ(run.status, 0) << run.errors;
    int carried = 0;
    for (int frame = 2; frame <= 119; ++frame) {
        // The frame that attaches the player meshes it where it met the gear; the carrying
        // begins with the next one.
        const std::string line = FrameLine(run, frame);
        if (!Has(FrameLine(run, frame - 1), "\"attached\":true")) {
            continue;
        }
        ++carried;
        const std::vector<float> at = Floats(line, "translation");
        EXPECT_EQ(Floats(line, "pivot"), (std::vector<float>{10, 8, 0})) << line;
        EXPECT_FLOAT_EQ(Float(line, "orbitRadius"), 3.7f);
        EXPECT_NEAR(std::hypot(at[0] - 10.0f, at[1] - 8.0f), 3.7f, 1e-4f) << line;
        EXPECT_TRUE(Has(line, "\"contacts\":[\"gear\"]")) << line;
    }
    EXPECT_GT(carried, 50);
    EXPECT_TRUE(Has(FrameLine(run, 119), "\"attached\":true"));
}

TEST_F(TraceToolTest, SpaceWhileCarriedLaunchesThePlayer) {
    const TraceRun run = Trace("--frames 125 --watch velmo --input " + SampleReplay() + " sample");
    ASSERT_EQ(run.status, 0) << run.errors;
    const std::string launch = FrameLine(run, 120);
    EXPECT_TRUE(Has(launch, "\"attached\":false")) << launch;
    EXPECT_TRUE(Has(launch, "\"launched\":true")) << launch;
    const std::vector<float> before = Floats(FrameLine(run, 119), "translation");
    const std::vector<float> after = Floats(FrameLine(run, 125), "translation");
    EXPECT_GT(std::hypot(after[0] - 10.0f, after[1] - 8.0f), 4.0f);  // off the gear
    EXPECT_GT(after[0], before[0]);
}

// The first two levels as a new player plays them: each replay wins its level, level 1 opens
// level 2 and unlocks it in the save, level 2 leads back to the main menu.
// Headless, objects move exactly as drawn: gears, boxes, a bomb's blast, pickups, movers and
// the lose blast of the pieces level, frame by frame. Only what is drawn or heard differs.
TEST_F(TraceToolTest, HeadlessRunsMoveEverythingExactlyAsDrawnRuns) {
    const std::string arguments = "--frames 560 --flow --input " +
                                  std::string(VELMORA_CONTENT_FOLDER) +
                                  "/Replays/pieces.input pieces";
    const TraceRun drawn = Trace(arguments);
    const TraceRun headless = Trace("--headless " + arguments);
    ASSERT_EQ(drawn.status, 0) << drawn.errors;
    ASSERT_EQ(headless.status, 0) << headless.errors;
    ASSERT_EQ(drawn.lines.size(), headless.lines.size());
    // Pictures, sounds and texts (the clock's seconds) are what a headless run leaves out.
    const std::regex shown(
        R"re("(sprite|soundEmitter|spriteText)":\{[^{}]*\},?|"sound":\{.*?\}\}\},?)re");
    for (std::size_t i = 0; i < drawn.lines.size(); ++i) {
        ASSERT_EQ(std::regex_replace(headless.lines[i], shown, ""),
                  std::regex_replace(drawn.lines[i], shown, ""))
            << "line " << i;
    }
    EXPECT_TRUE(Has(FrameLine(drawn, 520, "\"name\":\"woodWall\""), "\"alive\":false"));
}

TEST_F(TraceToolTest, MalformedInputIsRejectedWithItsLineBeforeAnythingRuns) {
    const std::string input = Write("bad.input", "1 key D down\n# fine\n2 key D sideways\n");
    const TraceRun run = Trace("--input " + input + " sample");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.output.empty());
    EXPECT_THAT(run.errors, testing::StartsWith("velmora-trace: " + input + ":3: "));
    EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 1);

    EXPECT_EQ(Trace("--frames many sample").status, 2);
    EXPECT_EQ(Trace("--content /no/such/folder sample").status, 2);
}

TEST_F(TraceToolTest, SameInputGivesTheSameOutput) {
    const std::string arguments = "--frames 130 --every 3 --input " + SampleReplay() + " sample";
    const TraceRun first = Trace(arguments);
    const TraceRun second = Trace(arguments);
    ASSERT_EQ(first.status, 0) << first.errors;
    EXPECT_FALSE(first.output.empty());
    EXPECT_EQ(first.output, second.output);
}

// Every key of a flow line, in its order.
constexpr const char* FlowKeys =
    "flow musicMuted gamepadPresent loseCountdown loseSequenceStarted boostLatch boostDelay "
    "controllerTimer splashTimer bearsUnlocked blastPlayed titleDelay turningLeft "
    "turningRight fullScreenOption muteMusicOption muteAllOption boostCount mainMenuIndex "
    "playRunning playCountdown riseSpeeds waveCountdowns showCountdown winJinglePlayed "
    "finalMusicStarted levelSelectChoice pauseChoice optionsChoice levelSelectCursor "
    "pauseCursor optionsCursor levelSelectBuilt pauseBuilt optionsBuilt sound musicVolume "
    "fadeOut fadeIn groups music effect player blast graphics fallOff levelCameraDistance "
    "loseRequest";

TEST_F(TraceToolTest, StartRunsTheLoadingScreenIntoTheSplashScreen) {
    const fs::path content = StartContent();
    const TraceRun run = Trace("--start --flow --frames 30 --content " + content.string());
    ASSERT_EQ(run.status, 0) << run.errors;

    // Frame 0 is the loading screen, before its asset pass; frame 1 runs the pass and opens
    // the splash screen over it.
    EXPECT_TRUE(Has(ObjectLine(run, 0, "CameraComp"), "\"space\":\"loading\""));
    EXPECT_TRUE(Has(ObjectLine(run, 1, "Splash"), "\"space\":\"SplashScreen\""));
    EXPECT_EQ(run.lines.back(),
              "{\"frame\":30,\"stack\":[\"loading\",\"SplashScreen\"],\"boosts\":0}");

    // Each printed frame starts with its flow line, holding every key in its order.
    const std::string first = FlowLine(run, 0);
    EXPECT_EQ(run.lines.front(), first);
    std::size_t at = 0;
    std::istringstream keys(FlowKeys);
    for (std::string key; keys >> key;) {
        at = first.find("\"" + key + "\":", at);
        ASSERT_NE(at, std::string::npos) << key << " missing or out of order in " << first;
    }
    EXPECT_EQ(Floats(first, "riseSpeeds").size(), 3u);
    EXPECT_TRUE(Has(first, "\"levelSelectCursor\":null,\"pauseCursor\":null"));
    // The player's sounds are quieter than the music.
    EXPECT_TRUE(Has(first, "\"music\":{\"volume\":1,\"muted\":false,\"paused\":false}"));
    EXPECT_TRUE(Has(first, "\"player\":{\"volume\":0.05,"));

    // On the splash screen its timer falls by 0.01 a frame and the picture fades with it.
    EXPECT_FLOAT_EQ(Float(first, "splashTimer"), 3.0f);
    for (int frame = 3; frame <= 30; ++frame) {
        const float timer = Float(FlowLine(run, frame), "splashTimer");
        EXPECT_NEAR(Float(FlowLine(run, frame - 1), "splashTimer") - timer, 0.01f, 1e-5f);
        EXPECT_NEAR(Floats(ObjectLine(run, frame, "Splash"), "Color")[3], timer + 0.01f, 1e-5f);
    }
    EXPECT_LT(Float(FlowLine(run, 30), "splashTimer"), 2.8f);

    // The splash picture and music are the ones the loading pass loaded; a screen starts no
    // music of its own, but a playable level does.
    const std::string picture = ObjectLine(run, 2, "Splash");
    EXPECT_TRUE(Has(picture, "\"texture\":\"velmo.png\"")) << picture;
    const std::string quiet = ObjectLine(run, 2, "backgroundMusic");
    EXPECT_TRUE(Has(quiet, "{\"sound\":\"menumusic.ogg\",\"playing\":false}")) << quiet;
    const TraceRun level =
        Trace("--frames 1 --watch backgroundMusic --content " + content.string() + " SplashScreen");
    EXPECT_TRUE(Has(ObjectLine(level, 1, "backgroundMusic"), "\"playing\":true"));

    // The unlock save was set up in the folder XDG_DATA_HOME names.
    EXPECT_TRUE(fs::is_directory(folder / "data/Velmora"));
}

TEST_F(TraceToolTest, ScreenshotShowsTheDrawnFrame) {
    const std::string picture = (folder / "frame30.png").string();
    const TraceRun run = Trace("--frames 30 --watch none --screenshot 30:" + picture + " sample");
    ASSERT_EQ(run.status, 0) << run.errors;
    int width = 0;
    int height = 0;
    int channels = 0;
    unsigned char* pixels =
        SOIL_load_image(picture.c_str(), &width, &height, &channels, SOIL_LOAD_RGBA);
    ASSERT_NE(pixels, nullptr);
    EXPECT_GT(width, 0);
    EXPECT_GT(height, 0);
    // The ground box's steel slab (141, 151, 159) is drawn tinted by the sprite's colour
    // (0.55, 0.4, 0.25) on the black clear colour.
    int groundPixels = 0;
    for (int i = 0; i < width * height; ++i) {
        const unsigned char* p = pixels + 4 * static_cast<std::ptrdiff_t>(i);
        if (std::abs(p[0] - 78) <= 2 && std::abs(p[1] - 60) <= 2 && std::abs(p[2] - 40) <= 2) {
            ++groundPixels;
        }
    }
    SOIL_free_image_data(pixels);
    EXPECT_GT(groundPixels, 1000);
}

}  // namespace
