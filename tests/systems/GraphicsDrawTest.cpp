#include <string>

#include <gtest/gtest.h>

#include "Core/Engine.h"
#include "Core/GameObject.h"
#include "DrawingKit.h"
#include "components/Sprite.h"
#include "components/SpriteText.h"
#include "components/Transform.h"
#include "systems/TextureRegistry.h"

// What the graphics system puts on screen, read back from the real framebuffer.
namespace {

constexpr Rgba Red{255, 0, 0, 255};
constexpr Rgba Green{0, 255, 0, 255};
constexpr Rgba Blue{0, 0, 255, 255};
constexpr Rgba White{255, 255, 255, 255};
constexpr Rgba Black{0, 0, 0, 255};

// A camera at the origin 10 units up: a unit of the level is about 97 pixels.
constexpr float Far = 10.0f;

class GraphicsDrawTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        WriteSolidPng(content->path / "Textures/red.png", Red);
        WriteSolidPng(content->path / "Textures/green.png", Green);
        WriteSolidPng(content->path / "Textures/white.png", White);
        SetUpGraphics();
        for (const char* name : {"red.png", "green.png", "white.png"}) {
            TextureRegistry::LoadTexture(std::string("Textures/") + name, name);
        }
    }

    static std::string CameraAt(float x, float y) {
        return level::Object("CameraComp", level::Place(x, y, 1, 1) + level::View(Far));
    }

    Rgba PixelAt(const Frame& frame, float x, float y, float cameraX = 0.0f, float cameraY = 0.0f) {
        const auto [px, py] = ToPixel(frame, x, y, cameraX, cameraY, Far);
        return frame.At(px, py);
    }
};

TEST_F(GraphicsDrawTest, LaterObjectsPaintOverEarlierOnes) {
    PushLevel(CameraAt(0, 0) +
              level::Object("under", level::Place(-1, 0, 2, 2) + level::Picture("red")) +
              level::Object("over", level::Place(1, 0, 2, 2) + level::Picture("green")));
    const Frame frame = Draw();
    EXPECT_TRUE(Near(PixelAt(frame, -2.5f, 0), Red));
    EXPECT_TRUE(Near(PixelAt(frame, 0, 0), Green)) << "the overlap shows the later sprite";
    EXPECT_TRUE(Near(PixelAt(frame, 2.5f, 0), Green));
    EXPECT_TRUE(Near(PixelAt(frame, 0, 3), Black));
    // A sprite of scale s is 2s wide: the green one ends at x = 3.
    EXPECT_TRUE(Near(PixelAt(frame, 3.3f, 0), Black));
}

TEST_F(GraphicsDrawTest, ObjectsBeyondTheCullingMarginAreNotDrawn) {
    // Wide sprites, so that their left parts reach into the view from beyond its edge.
    PushLevel(
        CameraAt(0, 0) +
        level::Object("inside", level::Place(Far + 19, 2, 25, 1) + level::Picture("red")) +
        level::Object("outside", level::Place(Far + 21, -2, 25, 1) + level::Picture("green")) +
        level::Object("BG", level::Place(Far + 40, 5, 45, 0.5f) + level::Picture("white")));
    const Frame frame = Draw();
    EXPECT_TRUE(Near(PixelAt(frame, 7, 2), Red));
    EXPECT_TRUE(Near(PixelAt(frame, 7, -2), Black));
    EXPECT_TRUE(Near(PixelAt(frame, 7, 5), White)) << "\"BG\" is never culled";
    const Space& space = *Engine::Instance().CurrentSpace();
    EXPECT_FALSE(graphics->IsCulled(space.FindObject("inside"), &space));
    EXPECT_TRUE(graphics->IsCulled(space.FindObject("outside"), &space));
}

TEST_F(GraphicsDrawTest, HiddenAndDeadObjectsDrawNothingWhileTheirCameraStillSteps) {
    // The camera's own object carries a hidden sprite.
    Space* space = PushLevel(
        level::Object("CameraComp", level::Place(0, 0, 1, 1) + level::View(Far, 0.5f, 0, true) +
                                        level::Picture("red", "1, 1, 1, 1", false)) +
        level::Object("dead", level::Place(3, 0, 1, 1) + level::Picture("green")));
    space->FindObject("dead")->alive = false;
    auto& camera = *space->FindObject("CameraComp")->FindComponent<Transform>();

    const Frame frame = Draw();
    EXPECT_FALSE(frame.AnyLit(0, 0, frame.Width(), frame.Height()));
    EXPECT_FLOAT_EQ(camera.translation.x, 0.5f);

    space->FindObject("dead")->alive = true;
    EXPECT_TRUE(Near(PixelAt(Draw(), 3, 0, 0.5f, 0), Green)) << "drawn once alive again";
}

TEST_F(GraphicsDrawTest, FlippedSpritesAreMirroredAndTinted) {
    // Left half red, right half blue.
    std::vector<Rgba> halves;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            halves.push_back(x < 4 ? Red : Blue);
        }
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
    const Space& space = *Engine::Instance().CurrentSpace();
    EXPECT_EQ(space.FindObject("mirrored")->FindComponent<Sprite>()->flip, -1.0f);
    EXPECT_EQ(space.FindObject("plain")->FindComponent<Sprite>()->flip, 1.0f);
}

TEST_F(GraphicsDrawTest, BlendingFollowsTheTextureName) {
    const Rgba dimBlue{0, 0, 128, 255};
    WriteSolidPng(content->path / "Textures/particle.png", dimBlue);
    WriteSolidPng(content->path / "Textures/star.png", dimBlue);
    for (const char* name : {"particle.png", "star.png", "spark.png", "water.png"}) {
        TextureRegistry::LoadTexture(std::string("Textures/") + name, name);
    }
    PushLevel(CameraAt(0, 0) +
              level::Object("ground", level::Place(0, 0, 8, 4) + level::Picture("red")) +
              level::Object("spark", level::Place(-3, 0, 1, 1) + level::Picture("particle")) +
              level::Object("star", level::Place(3, 0, 1, 1) + level::Picture("star")) +
              level::Object("missing", level::Place(0, 0, 1, 1) + level::Picture("nothing")));
    const Frame frame = Draw();
    // Additive: the texture's colour, times itself, is added to what is there.
    EXPECT_TRUE(Near(PixelAt(frame, -3, 0), Rgba{255, 0, 64, 255}));
    // The star's upload was additive, but it is drawn over what is there.
    EXPECT_TRUE(Near(PixelAt(frame, 3, 0), dimBlue));
    // A name never loaded has no picture: the quad is drawn untextured, black (once the
    // additive pictures are loaded, so that their IDs are not 0 as well).
    EXPECT_TRUE(Near(PixelAt(frame, 0, 0), Black));
    EXPECT_EQ(TextureRegistry::Entries().at("nothing.png").ID, 0u);
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

    const Frame frame = Draw();
    EXPECT_FALSE(frame.AnyLit(0, 0, frame.Width(), frame.Height()));
}

TEST_F(GraphicsDrawTest, TextIsDrawnInWindowPixelsUpToItsLimit) {
    Space* space =
        PushLevel(CameraAt(0, 0) + level::Object("score", level::Text("HHHHHH", 100, 200, 0.5f)));
    space->FindObject("score")->FindComponent<SpriteText>()->characterLimit = 4;
    const Frame frame = Draw();

    const Character& h = graphics->textRenderer->Characters.at('H');
    const int advance = static_cast<int>(h.Advance >> 6) / 2;
    const int height = h.Size.y / 2;
    ASSERT_GT(advance, 10);
    // The top of "H" sits at y = 200, counted from the top of the window.
    EXPECT_FALSE(frame.AnyLit(0, 0, frame.Width(), 198));
    for (int glyph = 0; glyph < 4; ++glyph) {
        EXPECT_TRUE(
            frame.AnyLit(100 + glyph * advance, 200, 100 + (glyph + 1) * advance, 200 + height))
            << "glyph " << glyph;
    }
    EXPECT_FALSE(frame.AnyLit(100 + 4 * advance + 2, 0, frame.Width(), frame.Height()));
    EXPECT_FALSE(frame.AnyLit(0, 200 + height + 2, frame.Width(), frame.Height()));
}

TEST_F(GraphicsDrawTest, CharactersBeyondAsciiDrawNothingAndTakeNoSpace) {
    graphics->textRenderer->RenderText("AB", 100, 100, 0.5f, glm::vec3(1.0f), 100);
    const Frame plain;
    glClear(GL_COLOR_BUFFER_BIT);
    graphics->textRenderer->RenderText(
        "A\xC3\xA9"
        "B",
        100, 100, 0.5f, glm::vec3(1.0f), 100);
    const Frame accented;
    EXPECT_TRUE(plain.AnyLit(0, 0, plain.Width(), plain.Height()));
    EXPECT_EQ(plain.pixels, accented.pixels);
    EXPECT_EQ(graphics->textRenderer->Characters.at(static_cast<char>(0xC3)).TextureID, 0u);

    glClear(GL_COLOR_BUFFER_BIT);
    graphics->textRenderer->RenderText("AB", 100, 100, 0.5f, glm::vec3(1.0f), 0);
    graphics->textRenderer->RenderText("", 100, 100, 0.5f, glm::vec3(1.0f), 10);
    const Frame none;
    EXPECT_FALSE(none.AnyLit(0, 0, none.Width(), none.Height()));
}

TEST_F(GraphicsDrawTest, TextShowsTheLevelsWordsForOneFrameThenTheClock) {
    Space* space =
        PushLevel(CameraAt(0, 0) + level::Object("timer", level::Text("HH", 10, 10, 0.25f)));
    auto* text = space->FindObject("timer")->FindComponent<SpriteText>();
    EXPECT_TRUE(Draw().AnyLit(0, 0, 200, 100));
    std::istringstream seconds(text->Text);
    float value = -1.0f;
    seconds >> value;
    EXPECT_TRUE(seconds.eof() && !seconds.fail()) << "text is \"" << text->Text << "\"";
    EXPECT_GE(value, 0.0f);
}

}  // namespace
