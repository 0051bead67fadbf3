#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "Core/GameObject.h"
#include "DrawingKit.h"
#include "components/Sprite.h"
#include "components/SpriteText.h"
#include "components/Transform.h"
#include "systems/LevelRules.h"
#include "systems/TextureRegistry.h"

// What the graphics system puts on screen, read back from the real framebuffer.
namespace {

constexpr Rgba Red{255, 0, 0, 255};
constexpr Rgba Green{0, 255, 0, 255};
constexpr Rgba Blue{0, 0, 255, 255};
constexpr Rgba White{255, 255, 255, 255};
constexpr Rgba Black{0, 0, 0, 255};
// The camera stands 10 units up: a unit of the level is about 97 pixels.
constexpr float Far = 10.0f;

class GraphicsDrawTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        for (const auto& [name, colour] :
             {std::pair{"red", Red}, {"green", Green}, {"white", White}}) {
            WriteSolidPng(content->path / "Textures" / (std::string(name) + ".png"), colour);
            TextureRegistry::LoadTexture("Textures/" + std::string(name) + ".png",
                                         std::string(name) + ".png");
        }
    }

    static std::string CameraAt(float x, float y) {
        return level::Object("CameraComp", level::Place(x, y, 1, 1) + level::View(Far));
    }

    static Rgba PixelAt(const Frame& frame, float x, float y, float cameraX = 0) {
        const auto [px, py] = ToPixel(frame, x, y, cameraX, 0, Far);
        return frame.At(px, py);
    }

    GameObject& Find(const std::string& name) {
        return *Engine::Instance().CurrentSpace()->FindObject(name);
    }
};

TEST_F(GraphicsDrawTest, LaterObjectsPaintOverEarlierOnes) {
    PushLevel(CameraAt(0, 0) +
              level::Object("under", level::Place(-1, 0, 2, 2) + level::Picture("red")) +
              level::Object("over", level::Place(1, 0, 2, 2) + level::Picture("green")));
    const Frame frame = Draw();
    EXPECT_TRUE(Near(PixelAt(frame, -2.5f, 0), Red));
    EXPECT_TRUE(Near(PixelAt(frame, 0, 0), Green)) << "the overlap shows the later sprite";
    // Scale s draws 2s wide: the green sprite ends at x = 3.
    EXPECT_TRUE(Near(PixelAt(frame, 2.8f, 0), Green));
    EXPECT_TRUE(Near(PixelAt(frame, 3.2f, 0), Black));
    EXPECT_TRUE(Near(PixelAt(frame, 0, 3), Black));
}

TEST_F(GraphicsDrawTest, ObjectsBeyondTheCullingMarginAreNotDrawn) {
    // Wide sprites, so that their left ends reach into the view.
    PushLevel(
        CameraAt(0, 0) +
        level::Object("inside", level::Place(Far + 19, 2, 25, 1) + level::Picture("red")) +
        level::Object("outside", level::Place(Far + 21, -2, 25, 1) + level::Picture("green")) +
        level::Object("BG", level::Place(Far + 40, 5, 45, 0.5f) + level::Picture("white")));
    const Frame frame = Draw();
    EXPECT_TRUE(Near(PixelAt(frame, 7, 2), Red));
    EXPECT_TRUE(Near(PixelAt(frame, 7, -2), Black));
    EXPECT_TRUE(Near(PixelAt(frame, 7, 5), White)) << "\"BG\" is never culled";
}

TEST_F(GraphicsDrawTest, HiddenAndDeadObjectsDrawNothingWhileTheirCameraStillSteps) {
    // The camera's own object carries the hidden sprite.
    PushLevel(level::Object("CameraComp", level::Place(0, 0, 1, 1) +
                                              level::View(Far, 0.5f, 0, true) +
                                              level::Picture("red", "1, 1, 1, 1", false)) +
              level::Object("dead", level::Place(3, 0, 1, 1) + level::Picture("green")));
    Find("dead").alive = false;
    EXPECT_FALSE(Draw().AnyLit());
    EXPECT_FLOAT_EQ(Find("CameraComp").FindComponent<Transform>()->translation.x, 0.5f);
    Find("dead").alive = true;
    EXPECT_TRUE(Near(PixelAt(Draw(), 3, 0, 0.5f), Green));
}

TEST_F(GraphicsDrawTest, FlippedSpritesAreMirroredAndTintedSpritesColoured) {
    std::vector<Rgba> halves;
    halves.reserve(64);
    for (int i = 0; i < 64; ++i) {
        halves.push_back(i % 8 < 4 ? Red : Blue);
    }
    WritePng(content->path / "Textures/halves.png", 8, 8, halves);
    TextureRegistry::LoadTexture("Textures/halves.png", "halves.png");
    PushLevel(CameraAt(0, 0) +
              level::Object("plain", level::Place(-3, 0, 2, 2) + level::Picture("halves")) +
              level::Object("mirrored", level::Place(3, 0, 2, 2) +
                                            level::Picture("halves", "1, 1, 1, 1", true, true)) +
              level::Object("tinted",
                            level::Place(0, 4, 1, 1) + level::Picture("white", "1, 0.5, 0, 1")));
    const Frame frame = Draw();
    EXPECT_TRUE(Near(PixelAt(frame, -4, 0), Red));
    EXPECT_TRUE(Near(PixelAt(frame, -2, 0), Blue));
    EXPECT_TRUE(Near(PixelAt(frame, 2, 0), Blue));
    EXPECT_TRUE(Near(PixelAt(frame, 4, 0), Red));
    EXPECT_TRUE(Near(PixelAt(frame, 0, 4), Rgba{255, 128, 0, 255}));
}

TEST_F(GraphicsDrawTest, BlendingFollowsTheTextureName) {
    const Rgba dimBlue{0, 0, 128, 255};
    for (const char* name : {"particle.png", "star.png", "spark.png", "water.png"}) {
        WriteSolidPng(content->path / "Textures" / name, dimBlue);
        TextureRegistry::LoadTexture(std::string("Textures/") + name, name);
    }
    PushLevel(CameraAt(0, 0) +
              level::Object("ground", level::Place(0, 0, 8, 4) + level::Picture("red")) +
              level::Object("spark", level::Place(-3, 0, 1, 1) + level::Picture("particle")) +
              level::Object("star", level::Place(3, 0, 1, 1) + level::Picture("star")) +
              level::Object("missing", level::Place(0, 0, 1, 1) + level::Picture("nothing")));
    const Frame frame = Draw();
    // Additive: the picture's colour, times itself, is added to what is there.
    EXPECT_TRUE(Near(PixelAt(frame, -3, 0), Rgba{255, 0, 64, 255}));
    // The star's upload was additive, but it is drawn over what is there.
    EXPECT_TRUE(Near(PixelAt(frame, 3, 0), dimBlue));
    // A name never loaded has no picture: an untextured, black quad.
    EXPECT_TRUE(Near(PixelAt(frame, 0, 0), Black));
}

TEST_F(GraphicsDrawTest, NothingIsDrawnOnceTheFollowedCameraIsGone) {
    PushLevel(CameraAt(0, 0) +
              level::Object("box", level::Place(0, 0, 1, 1) + level::Picture("red")));
    EXPECT_TRUE(Near(PixelAt(Draw(), 0, 0), Red));
    // A screen with a camera of its own is opened over the level and closed again.
    PushLevel(CameraAt(5, 5), "overlay");
    Engine::Instance().RemoveCurrentSpace();
    Engine::Instance().ReleaseRemovedSpaces();
    EXPECT_EQ(graphics->currentCamera, nullptr);
    EXPECT_FALSE(Draw().AnyLit());
}

TEST_F(GraphicsDrawTest, TextIsDrawnInWindowPixelsUpToItsLimitThenShowsTheClock) {
    PushLevel(CameraAt(0, 0) + level::Object("score", level::Text("HHHHHH", 100, 200, 0.5f)));
    auto& text = *Find("score").FindComponent<SpriteText>();
    text.characterLimit = 4;
    const Frame frame = Draw();

    const Character& h = graphics->textRenderer->Characters.at('H');
    const int advance = static_cast<int>(h.Advance >> 6) / 2;
    const int height = h.Size.y / 2;
    ASSERT_GT(advance, 10);
    // The top of "H" sits at y = 200 from the top of the window.
    EXPECT_FALSE(frame.AnyLit(0, 0, frame.Width(), 198));
    EXPECT_FALSE(frame.AnyLit(0, 200 + height + 2, frame.Width(), frame.Height()));
    for (int glyph = 0; glyph < 4; ++glyph) {
        EXPECT_TRUE(
            frame.AnyLit(100 + glyph * advance, 200, 100 + (glyph + 1) * advance, 200 + height))
            << "glyph " << glyph;
    }
    EXPECT_FALSE(frame.AnyLit(100 + 4 * advance + 2, 0, frame.Width(), frame.Height()));

    // From the next frame on, every text shows the seconds since start.
    std::istringstream seconds(text.Text);
    float value = -1;
    seconds >> value;
    EXPECT_TRUE(seconds.eof() && !seconds.fail()) << "text is \"" << text.Text << "\"";
    EXPECT_GE(value, 0.0f);
}

TEST_F(GraphicsDrawTest, CharactersBeyondAsciiDrawNothingAndTakeNoSpace) {
    TextRenderer& renderer = *graphics->textRenderer;
    // Both frames start cleared: a new window's buffer may hold anything.
    glClear(GL_COLOR_BUFFER_BIT);
    renderer.RenderText("AB", 100, 100, 0.5f, glm::vec3(1), 100);
    const Frame plain;
    glClear(GL_COLOR_BUFFER_BIT);
    renderer.RenderText(
        "A\xC3\xA9"
        "B",
        100, 100, 0.5f, glm::vec3(1), 100);
    const Frame accented;
    EXPECT_TRUE(plain.AnyLit());
    EXPECT_EQ(plain.pixels, accented.pixels);

    glClear(GL_COLOR_BUFFER_BIT);
    renderer.RenderText("AB", 100, 100, 0.5f, glm::vec3(1), 0);
    renderer.RenderText("", 100, 100, 0.5f, glm::vec3(1), 10);
    EXPECT_FALSE(Frame().AnyLit());
}

TEST_F(GraphicsDrawTest, GaugeShowsOneFillPerBoostSevenAndAQuarterUnitsApart) {
    WriteSolidPng(content->path / "Textures/gaugeFill.png", Green);
    TextureRegistry::LoadTexture("Textures/gaugeFill.png", "gaugeFill.png");
    Space* level = PushLevel(CameraAt(0, 0) + level::Object("gauge", level::Place(0, 0, 12, 3) +
                                                                         level::Picture("white")));
    graphics->levelCameraDistance = Far;
    gameplay->boostCount = 3;
    glClear(GL_COLOR_BUFFER_BIT);
    RunLevelRules(*gameplay, *level);
    const Frame frame;
    // The gauge sits at x -2, y 3.125; the fills start 12 - 4.1 to its left.
    const float y = 3.125f;
    for (const float x : {-9.9f, -2.475f, 4.95f}) {
        EXPECT_TRUE(Near(PixelAt(frame, x, y), Green)) << "a fill at " << x;
    }
    for (const float x : {-6.1875f, 1.2375f, 8.6f}) {
        EXPECT_TRUE(Near(PixelAt(frame, x, y), Black)) << "no fill at " << x;
    }
}

}  // namespace
