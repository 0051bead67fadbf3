#pragma once

#include <png.h>
#include <unistd.h>

#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "Core/Engine.h"
#include "Core/Space.h"
#include "components/Camera.h"
#include "systems/GameplaySystem.h"
#include "systems/Graphics.h"
#include "systems/SoundSystem.h"
#include "systems/Window.h"

// The lines the level editor writes before the objects; the reader skips them unread.
inline std::string LevelHeader() {
    std::string header = "Level =\n{\n";
    for (int line = 3; line <= 138; ++line) {
        header += "  int EditorSetting = 0,\n";
    }
    return header;
}

// A folder of its own for one test's files, removed afterwards.
class ContentFolder {
public:
    ContentFolder() {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        path = std::filesystem::temp_directory_path() /
               (std::string("velmora-") + test->test_suite_name() + "-" + test->name());
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~ContentFolder() { std::filesystem::remove_all(path); }
    ContentFolder(const ContentFolder&) = delete;
    ContentFolder& operator=(const ContentFolder&) = delete;

    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path / name, std::ios::binary) << bytes;
        return (path / name).string();
    }

    std::filesystem::path path;
};

// The game's content folder in the source tree: shaders and the font.
inline std::filesystem::path SourceContent() {
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "content";
}

using Rgba = std::array<std::uint8_t, 4>;

// Writes an 8-bit RGBA PNG (bitDepth 16 writes a 16-bit one of the same picture). Rows go top
// row first, as in the file.
inline void WritePng(const std::filesystem::path& path, int width, int height,
                     const std::vector<Rgba>& pixels, int bitDepth = 8) {
    std::filesystem::create_directories(path.parent_path());
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height),
                 bitDepth, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const int bytes = bitDepth / 8;
    std::vector<png_byte> row(static_cast<std::size_t>(width) * 4 * bytes);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < 4; ++c) {
                const auto value = pixels[static_cast<std::size_t>(y * width + x)][c];
                for (int b = 0; b < bytes; ++b) {
                    row[static_cast<std::size_t>((x * 4 + c) * bytes + b)] = value;
                }
            }
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

inline void WriteSolidPng(const std::filesystem::path& path, Rgba colour, int size = 8) {
    WritePng(path, size, size, std::vector<Rgba>(static_cast<std::size_t>(size * size), colour));
}

// The frame as drawn so far (the back buffer), read once.
class Frame {
public:
    Frame() {
        glGetIntegerv(GL_VIEWPORT, viewport.data());
        glFinish();
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        pixels.resize(static_cast<std::size_t>(viewport[2] * viewport[3]) * 4);
        glReadPixels(viewport[0], viewport[1], viewport[2], viewport[3], GL_RGBA, GL_UNSIGNED_BYTE,
                     pixels.data());
    }

    // The pixel at x from the left and y from the top of the view, in pixels.
    Rgba At(int x, int y) const {
        const int row = viewport[3] - 1 - y;
        const std::size_t at = static_cast<std::size_t>(row * viewport[2] + x) * 4;
        return {pixels[at], pixels[at + 1], pixels[at + 2], 255};
    }

    // Whether any pixel of the rectangle [x0, x1) x [y0, y1) is brighter than dark.
    bool AnyLit(int x0, int y0, int x1, int y1) const {
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                const Rgba p = At(x, y);
                if (p[0] > 64 || p[1] > 64 || p[2] > 64) {
                    return true;
                }
            }
        }
        return false;
    }

    int Width() const { return viewport[2]; }
    int Height() const { return viewport[3]; }

    std::array<GLint, 4> viewport{};
    std::vector<std::uint8_t> pixels;
};

inline std::string Describe(Rgba p) {
    std::ostringstream text;
    text << "(" << int(p[0]) << ", " << int(p[1]) << ", " << int(p[2]) << ")";
    return text.str();
}

// Whether two colours agree within a small tolerance per channel.
inline testing::AssertionResult Near(Rgba actual, Rgba expected, int tolerance = 3) {
    for (int c = 0; c < 3; ++c) {
        if (std::abs(int(actual[c]) - int(expected[c])) > tolerance) {
            return testing::AssertionFailure()
                   << "pixel is " << Describe(actual) << ", expected " << Describe(expected);
        }
    }
    return testing::AssertionSuccess();
}

// Level-file pieces. Positions are world units: the file holds half of them.
namespace level {

inline std::string Num(float value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

inline std::string Object(const std::string& name, const std::string& sections) {
    return "GameObject =\n{\n  string Name = \"" + name + "\",\n" + sections + "}\n";
}

inline std::string Place(float x, float y, float scaleX, float scaleY, float z = 0.0f) {
    return "  Transform =\n  {\n    Vec3 Translation = [" + Num(x / 2.0f) + ", " + Num(y / 2.0f) +
           ", " + Num(z) + "],\n    Vec3 Scale = [" + Num(scaleX) + ", " + Num(scaleY) +
           ", 1],\n  }\n";
}

inline std::string Picture(const std::string& texture, const std::string& colour = "1, 1, 1, 1",
                           bool visible = true, bool flip = false) {
    return "  Sprite =\n  {\n    string SpriteSource = \"Art:" + texture +
           "\",\n    bool SpriteFlipX = " + (flip ? "true" : "false") +
           ",\n    bool Visible = " + (visible ? "true" : "false") + ",\n    Vec4 Color = [" +
           colour + "],\n  }\n";
}

inline std::string View(float farPlane, float speedX = 0.0f, float speedY = 0.0f,
                        bool movingX = false, bool movingY = false) {
    return std::string("  CameraComponent =\n  {\n    bool MovingCameraX = ") +
           (movingX ? "true" : "false") +
           ",\n    bool MovingCameraY = " + (movingY ? "true" : "false") +
           ",\n    Vec3 CameraScrollSpeed = [" + Num(speedX) + ", " + Num(speedY) +
           ", 0],\n    float CameraComponentFarPlane = " + Num(farPlane) + ",\n  }\n";
}

inline std::string Text(const std::string& text, float x, float y, float scale,
                        const std::string& colour = "1, 1, 1") {
    return "  SpriteTextComponent = \n  {\n    string Text = \"" + text +
           "\",\n    Vec3 Color = [" + colour + "],\n    float Scale = " + Num(scale) +
           ",\n    Vec3 Position = [" + Num(x) + ", " + Num(y) + ", 0],\n  }\n";
}

}  // namespace level

// The real window, sound (on OpenAL Soft's null output), graphics system and game flow, in a
// content folder of the test's own that holds the game's shaders and font; Textures/ is the test's
// to fill before SetUpGraphics.
class DrawingTest : public testing::Test {
protected:
    void SetUp() override {
        ::setenv("ALSOFT_DRIVERS", "null", 0);
        content = std::make_unique<ContentFolder>();
        std::filesystem::create_symlink(SourceContent() / "Shaders", content->path / "Shaders");
        std::filesystem::create_symlink(SourceContent() / "fonts", content->path / "fonts");
        std::filesystem::create_directories(content->path / "Textures");
        previousFolder = std::filesystem::current_path();
        std::filesystem::current_path(content->path);

        Engine& engine = Engine::Instance();
        window = std::make_shared<Window>();
        graphics = std::make_shared<Graphics>();
        sound = std::make_shared<SoundSystem>();
        gameplay = std::make_shared<GameplaySystem>();
        // The restart's music step needs no sound system while the music counts as muted.
        gameplay->musicMuted = true;
        engine.AddSystem(window);
        engine.AddSystem(sound);
        engine.AddSystem(graphics);
        engine.AddSystem(gameplay);
        window->Initialize();
        sound->Initialize();
        // Re-decorating the window at start makes X take the focus away and give it back: the
        // round trip queues those events, and the poll handles them before the test begins.
        glfwGetWindowAttrib(window->handle, GLFW_FOCUSED);
        glfwPollEvents();
    }

    void TearDown() override {
        Engine& engine = Engine::Instance();
        engine.DestroySpaces();
        engine.Shutdown();
        std::filesystem::current_path(previousFolder);
    }

    void SetUpGraphics() { graphics->Initialize(); }

    // A space read from a level file of these objects, stepped by the graphics system alone,
    // pushed as the current space.
    Space* PushLevel(const std::string& objects, const std::string& name = "testLevel") {
        const std::string path =
            content->Write(name + ".Level.data", LevelHeader() + objects + "}\n");
        auto space = std::make_unique<Space>(1, name, path);
        space->systems = {graphics};
        Engine::Instance().spaces.push_back(std::move(space));
        return Engine::Instance().spaces.back().get();
    }

    // Clears and draws the current space once, as the frame loop does, without presenting.
    Frame Draw() {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        graphics->Update(Space::FixedStep, Engine::Instance().CurrentSpace());
        return Frame();
    }

    // The pixel (from the left, from the top) where the world point shows through a camera at
    // (cameraX, cameraY) with this far plane.
    static std::array<int, 2> ToPixel(const Frame& frame, float x, float y, float cameraX,
                                      float cameraY, float farPlane) {
        const float aspect = static_cast<float>(frame.Width()) / static_cast<float>(frame.Height());
        const float t = std::tan(22.5f);
        const float ndcX = (x - cameraX) / (aspect * t * farPlane);
        const float ndcY = (y - cameraY) / (t * farPlane);
        return {static_cast<int>((ndcX + 1.0f) * 0.5f * static_cast<float>(frame.Width())),
                static_cast<int>((1.0f - ndcY) * 0.5f * static_cast<float>(frame.Height()))};
    }

    std::unique_ptr<ContentFolder> content;
    std::filesystem::path previousFolder;
    std::shared_ptr<Window> window;
    std::shared_ptr<SoundSystem> sound;
    std::shared_ptr<Graphics> graphics;
    std::shared_ptr<GameplaySystem> gameplay;
};
