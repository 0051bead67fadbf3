#include <string>

#include <gtest/gtest.h>

#include "DrawingKit.h"
#include "components/Transform.h"
#include "systems/AssetLists.h"
#include "systems/ShaderRegistry.h"
#include "systems/TextureRegistry.h"

// Shader programs and textures built from content files in a test's own content folder.
namespace {

constexpr const char* Dashes = "\n -- --------------------------------------------------- -- \n";

class ShaderTextureTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        testing::internal::CaptureStdout();
        SetUpGraphics();
        startOutput = testing::internal::GetCapturedStdout();
    }

    std::string startOutput;
};

TEST_F(ShaderTextureTest, TheGamesSourcesAndFontLoadCleanly) {
    // The text renderer asks for "shaders/...", which must find "Shaders/".
    EXPECT_EQ(startOutput.find("ERROR"), std::string::npos) << startOutput;
    const Shader text = ShaderRegistry::GetShader("text");
    EXPECT_NE(text.ID, 0u);
    EXPECT_EQ(text.ID, graphics->textRenderer->TextShader.ID)
        << "the second load replaced the first";
    EXPECT_NE(ShaderRegistry::GetShader("sprite").ID, 0u);
    EXPECT_NE(ShaderRegistry::GetShader("line").ID, 0u);
    EXPECT_EQ(graphics->textRenderer->Characters.size(), 128u);
    EXPECT_GT(graphics->textRenderer->Characters.at('H').Size.y, 64);
}

TEST_F(ShaderTextureTest, ABrokenFragmentSourceReportsTheCompileAndTheLink) {
    content->Write("broken.frag",
                   "#version 330 core\nout vec4 color;\nvoid main() { color = ; }\n");
    testing::internal::CaptureStdout();
    const Shader shader =
        ShaderRegistry::LoadShader("Shaders/shader.vert", "broken.frag", "broken");
    const std::string printed = testing::internal::GetCapturedStdout();

    const std::string compile = "| ERROR::SHADER: Compile-time error: Type: FRAGMENT\n";
    const std::string link = "| ERROR::Shader: Link-time error: Type: PROGRAM\n";
    ASSERT_EQ(printed.rfind(compile, 0), 0u) << printed;
    const std::size_t firstDashes = printed.find(Dashes);
    const std::size_t linkAt = printed.find(link);
    ASSERT_NE(firstDashes, std::string::npos) << printed;
    ASSERT_NE(linkAt, std::string::npos) << printed;
    EXPECT_EQ(linkAt, firstDashes + std::string(Dashes).size());
    EXPECT_GT(firstDashes, compile.size()) << "the driver's log stands between";
    EXPECT_EQ(printed.substr(printed.size() - std::string(Dashes).size()), Dashes);
    EXPECT_EQ(printed.find("VERTEX"), std::string::npos);
    EXPECT_NE(shader.ID, 0u) << "the program object stays, broken";
    EXPECT_EQ(ShaderRegistry::GetShader("broken").ID, shader.ID);
}

TEST_F(ShaderTextureTest, MissingSourcesCompileAsEmptyText) {
    testing::internal::CaptureStdout();
    ShaderRegistry::LoadShader("Shaders/none.vert", "Shaders/none.frag", "none");
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_NE(printed.find("Compile-time error: Type: VERTEX"), std::string::npos) << printed;
    EXPECT_NE(printed.find("Compile-time error: Type: FRAGMENT"), std::string::npos) << printed;
}

TEST_F(ShaderTextureTest, UnknownNamesAreEnteredEmpty) {
    EXPECT_EQ(ShaderRegistry::Entries().count("glow"), 0u);
    EXPECT_EQ(ShaderRegistry::GetShader("glow").ID, 0u);
    EXPECT_EQ(ShaderRegistry::Entries().count("glow"), 1u);

    EXPECT_EQ(TextureRegistry::GetTexture("ghost.png").ID, 0u);
    EXPECT_EQ(TextureRegistry::Entries().count("ghost.png"), 1u);
}

TEST_F(ShaderTextureTest, LoadingANameAgainReplacesItsEntry) {
    const Shader first =
        ShaderRegistry::LoadShader("Shaders/line.vert", "Shaders/line.frag", "twice");
    const Shader second =
        ShaderRegistry::LoadShader("Shaders/line.vert", "Shaders/line.frag", "twice");
    EXPECT_NE(first.ID, second.ID);
    EXPECT_EQ(ShaderRegistry::GetShader("twice").ID, second.ID);

    WriteSolidPng(content->path / "Textures/box.png", {1, 2, 3, 255}, 4);
    const Texture2D old = TextureRegistry::LoadTexture("Textures/box.png", "box.png");
    WriteSolidPng(content->path / "Textures/box.png", {1, 2, 3, 255}, 16);
    const Texture2D replaced = TextureRegistry::LoadTexture("Textures/box.png", "box.png");
    EXPECT_EQ(old.Width, 4);
    EXPECT_NE(replaced.ID, old.ID);
    EXPECT_EQ(TextureRegistry::GetTexture("box.png").Width, 16);
    EXPECT_EQ(TextureRegistry::GetTexture("box.png").Height, 16);
}

TEST_F(ShaderTextureTest, UnreadableImagesGiveAnEmptyTexture) {
    WriteSolidPng(content->path / "Textures/deep.png", {9, 9, 9, 255});
    WritePng(content->path / "Textures/wide.png", 2, 2, std::vector<Rgba>(4, {9, 9, 9, 255}), 16);
    for (const char* name : {"deep.png", "wide.png", "absent.png"}) {
        const Texture2D texture =
            TextureRegistry::LoadTexture(std::string("Textures/") + name, name);
        EXPECT_NE(texture.ID, 0u) << name;
    }
    EXPECT_EQ(TextureRegistry::GetTexture("deep.png").Width, 8);
    EXPECT_EQ(TextureRegistry::GetTexture("wide.png").Width, 0) << "16-bit pictures are not read";
    EXPECT_EQ(TextureRegistry::GetTexture("absent.png").Height, 0);
}

TEST_F(ShaderTextureTest, TheSpriteListLoadsEveryEntryUnderItsBareFileName) {
    WriteSolidPng(content->path / "Textures/gear.png", {1, 1, 1, 255}, 2);
    WriteSolidPng(content->path / "Textures/Menus/Play.png", {1, 1, 1, 255}, 6);
    // Written on Windows: backslashes, CR LF, other letter case, text after the ";".
    content->Write("Textures/SpriteList.txt", "gear.png;\r\nmenus\\Play.png; the menu\r\n");
    int frames = 0;
    TextureRegistry::LoadSpriteList([&] { ++frames; });
    EXPECT_EQ(frames, 2);
    EXPECT_EQ(TextureRegistry::GetTexture("gear.png").Width, 2);
    EXPECT_EQ(TextureRegistry::GetTexture("Play.png").Width, 6);
    EXPECT_EQ(TextureRegistry::Entries().count("menus\\Play.png"), 0u);
}

TEST_F(ShaderTextureTest, TheLoadingPassStepsTheScreenOncePerEntry) {
    WriteSolidPng(content->path / "Textures/one.png", {255, 0, 0, 255}, 2);
    WriteSolidPng(content->path / "Textures/two.png", {255, 0, 0, 255}, 4);
    content->Write("Textures/SpriteList.txt", "one.png;\ntwo.png;\n");
    Space* screen = PushLevel(
        level::Object("CameraComp", level::Place(0, 0, 1, 1) + level::View(10, 0.25f, 0, true)));
    TextureRegistry::LoadSpriteList([&] { graphics->DrawLoadingFrame(); });
    EXPECT_EQ(TextureRegistry::GetTexture("two.png").Width, 4);
    // Each loading frame runs the draw pass and steps the followed camera once more.
    EXPECT_FLOAT_EQ(screen->FindObject("CameraComp")->FindComponent<Transform>()->translation.x,
                    1.0f);
}

TEST_F(ShaderTextureTest, ADroppedImageIsLoadedFromTheImageFolder) {
    WriteSolidPng(content->path / "Textures/drop.png", {1, 1, 1, 255}, 3);
    testing::internal::CaptureStdout();
    AssetLists::LoadDroppedFile("drop.png");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Image file\n");
    EXPECT_EQ(TextureRegistry::GetTexture("drop.png").Width, 3);
}

TEST_F(ShaderTextureTest, AMissingFontIsReportedAndTextDrawsNothing) {
    testing::internal::CaptureStdout();
    graphics->textRenderer->Load("fonts/None.ttf", 128);
    const std::string printed = testing::internal::GetCapturedStdout();
    std::string expected = "ERROR::FREETYPE: Failed to load font\n";
    for (int c = 0; c < 128; ++c) {
        expected += "ERROR::FREETYTPE: Failed to load Glyph\n";
    }
    EXPECT_EQ(printed, expected);
    EXPECT_TRUE(graphics->textRenderer->Characters.empty());

    glClear(GL_COLOR_BUFFER_BIT);
    graphics->textRenderer->RenderText("Hello", 10, 10, 1.0f, glm::vec3(1.0f), 100);
    const Frame frame;
    EXPECT_FALSE(frame.AnyLit(0, 0, frame.Width(), frame.Height()));
}

}  // namespace
