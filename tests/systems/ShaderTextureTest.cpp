#include <string>

#include <gtest/gtest.h>

#include "DrawingKit.h"
#include "components/Transform.h"
#include "systems/AssetLists.h"
#include "systems/ShaderRegistry.h"
#include "systems/TextureRegistry.h"

// Shader programs, the font and textures built from the files of a content folder.
namespace {

constexpr const char* Dashes = "\n -- --------------------------------------------------- -- \n";

class ShaderTextureTest : public DrawingTest {
protected:
    void SetUp() override {
        testing::internal::CaptureStdout();
        DrawingTest::SetUp();
        startOutput = testing::internal::GetCapturedStdout();
    }

    std::string startOutput;
};

TEST_F(ShaderTextureTest, TheGamesSourcesAndFontLoadCleanly) {
    // The text renderer asks for "shaders/...", which must find "Shaders/".
    EXPECT_EQ(startOutput.find("ERROR"), std::string::npos) << startOutput;
    EXPECT_EQ(ShaderRegistry::GetShader("text").ID, graphics->textRenderer->TextShader.ID);
    EXPECT_EQ(graphics->textRenderer->Characters.size(), 128u);
}

TEST_F(ShaderTextureTest, ABrokenFragmentSourceReportsTheCompileThenTheLink) {
    content->Write("broken.frag",
                   "#version 330 core\nout vec4 color;\nvoid main() { color = ; }\n");
    testing::internal::CaptureStdout();
    const Shader shader =
        ShaderRegistry::LoadShader("Shaders/shader.vert", "broken.frag", "broken");
    const std::string printed = testing::internal::GetCapturedStdout();

    const std::string compile = "| ERROR::SHADER: Compile-time error: Type: FRAGMENT\n";
    const std::string link = "| ERROR::Shader: Link-time error: Type: PROGRAM\n";
    ASSERT_EQ(printed.rfind(compile, 0), 0u) << printed;
    const std::size_t dashes = printed.find(Dashes);
    ASSERT_GT(dashes, compile.size()) << "the driver's log stands between: " << printed;
    EXPECT_EQ(printed.find(link), dashes + std::string(Dashes).size()) << printed;
    EXPECT_EQ(printed.substr(printed.size() - std::string(Dashes).size()), Dashes);
    EXPECT_NE(shader.ID, 0u) << "the program object stays, broken";
    EXPECT_EQ(ShaderRegistry::GetShader("broken").ID, shader.ID);
}

TEST_F(ShaderTextureTest, AMissingFontIsReportedAndTextDrawsNothing) {
    testing::internal::CaptureStdout();
    graphics->textRenderer->Load("fonts/None.ttf", 128);
    std::string expected = "ERROR::FREETYPE: Failed to load font\n";
    for (int c = 0; c < 128; ++c) {
        expected += "ERROR::FREETYTPE: Failed to load Glyph\n";
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), expected);
    glClear(GL_COLOR_BUFFER_BIT);
    graphics->textRenderer->RenderText("Hello", 10, 10, 1, glm::vec3(1), 100);
    EXPECT_FALSE(Frame().AnyLit());
}

TEST_F(ShaderTextureTest, TheSpriteListLoadsEveryEntryUnderItsBareFileNameAFramePerEntry) {
    WriteSolidPng(content->path / "Textures/gear.png", {1, 1, 1, 255}, 2);
    WriteSolidPng(content->path / "Textures/Menus/Play.png", {1, 1, 1, 255}, 6);
    // Written on Windows: backslashes, CR LF, other letter case, text after the ";".
    content->Write("Textures/SpriteList.txt", "gear.png;\r\nmenus\\Play.png; the menu\r\n");
    Space* screen = PushLevel(
        level::Object("CameraComp", level::Place(0, 0, 1, 1) + level::View(10, 0.25f, 0, true)));
    TextureRegistry::LoadSpriteList([&] { graphics->DrawLoadingFrame(); });
    EXPECT_EQ(TextureRegistry::GetTexture("gear.png").Width, 2);
    EXPECT_EQ(TextureRegistry::GetTexture("Play.png").Height, 6);
    // Each loading frame runs the draw pass and steps the followed camera once more.
    EXPECT_FLOAT_EQ(screen->FindObject("CameraComp")->FindComponent<Transform>()->translation.x,
                    1.0f);
}

TEST_F(ShaderTextureTest, ADroppedImageIsLoadedFromTheImageFolder) {
    WriteSolidPng(content->path / "Textures/drop.png", {1, 1, 1, 255}, 3);
    AssetLists::LoadDroppedFile("drop.png");
    EXPECT_EQ(TextureRegistry::GetTexture("drop.png").Width, 3);
}

}  // namespace
