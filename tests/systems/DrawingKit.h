#pragma once

#include <png.h>

#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "Core/Engine.h"
#include "Core/Space.h"
#include "support/LevelFiles.h"
#include "systems/GameplaySystem.h"
#include "systems/Graphics.h"
#include "systems/SoundSystem.h"
#include "systems/Window.h"

using Rgba = std::array<std::uint8_t, 4>;

// Writes an 8-bit RGBA PNG, rows from the top.
inline void WritePng(const std::filesystem::path& path, int width, int height,
                     const std::vector<Rgba>& pixels) {
    std::filesystem::create_directories(path.parent_path());
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        png_write_row(png,
                      pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)].data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

inline void WriteSolidPng(const std::filesystem::path& path, Rgba colour, int size = 8) {
    WritePng(path, size, size, std::vector<Rgba>(static_cast<std::size_t>(size * size), colour));
}

// The frame as drawn so far (the back buffer), read once.
struct Frame {
    Frame() {
        glGetIntegerv(GL_VIEWPORT, viewport.data());
        pixels.resize(static_cast<std::size_t>(viewport[2] * viewport[3]) * 4);
        glReadPixels(viewport[0], viewport[1], viewport[2], viewport[3], GL_RGBA, GL_UNSIGNED_BYTE,
                     pixels.data());
    }

    // The pixel x from the left and y from the top of the view.
    Rgba At(int x, int y) const {
        const std::size_t at = static_cast<std::size_t>((Height() - 1 - y) * Width() + x) * 4;
        return {pixels[at], pixels[at + 1], pixels[at + 2], 255};
    }

    // Whether a pixel of [x0, x1) x [y0, y1) is brighter than dark.
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
    bool AnyLit() const { return AnyLit(0, 0, Width(), Height()); }

    int Width() const { return viewport[2]; }
    int Height() const { return viewport[3]; }

    std::array<GLint, 4> viewport{};
    std::vector<std::uint8_t> pixels;
};

inline testing::AssertionResult Near(Rgba actual, Rgba expected) {
    for (int c = 0; c < 3; ++c) {
        if (std::abs(int(actual[c]) - int(expected[c])) > 3) {
            return testing::AssertionFailure()
                   << "pixel is (" << int(actual[0]) << ", " << int(actual[1]) << ", "
                   << int(actual[2]) << "), expected (" << int(expected[0]) << ", "
                   << int(expected[1]) << ", " << int(expected[2]) << ")";
        }
    }
    return testing::AssertionSuccess();
}

// Level-file pieces. Positions are world units; the file holds half of them.
namespace level {

inline std::string Num(float value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

inline std::string Object(const std::string& name, const std::string& sections) {
    return "GameObject =\n{\n  string Name = \"" + name + "\",\n" + sections + "}\n";
}

inline std::string Place(float x, float y, float scaleX, float scaleY) {
    return "  Transform =\n  {\n    Vec3 Translation = [" + Num(x / 2) + ", " + Num(y / 2) +
           ", 0],\n    Vec3 Scale = [" + Num(scaleX) + ", " + Num(scaleY) + ", 1],\n  }\n";
}

inline std::string Picture(const std::string& texture, const std::string& colour = "1, 1, 1, 1",
                           bool visible = true, bool flip = false) {
    return "  Sprite =\n  {\n    string SpriteSource = \"Art:" + texture +
           "\",\n    bool SpriteFlipX = " + (flip ? "true" : "false") +
           ",\n    bool Visible = " + (visible ? "true" : "false") + ",\n    Vec4 Color = [" +
           colour + "],\n  }\n";
}

inline std::string View(float farPlane, float speedX = 0, float speedY = 0, bool movingX = false,
                        bool movingY = false) {
    return std::string("  CameraComponent =\n  {\n    bool MovingCameraX = ") +
           (movingX ? "true" : "false") +
           ",\n    bool MovingCameraY = " + (movingY ? "true" : "false") +
           ",\n    Vec3 CameraScrollSpeed = [" + Num(speedX) + ", " + Num(speedY) +
           ", 0],\n    float CameraComponentFarPlane = " + Num(farPlane) + ",\n  }\n";
}

inline std::string Text(const std::string& text, float x, float y, float scale) {
    return "  SpriteTextComponent = \n  {\n    string Text = \"" + text +
           "\",\n    Vec3 Color = [1, 1, 1],\n    float Scale = " + Num(scale) +
           ",\n    Vec3 Position = [" + Num(x) + ", " + Num(y) + ", 0],\n  }\n";
}

}  // namespace level

// The real window, sound (on OpenAL Soft's null output), graphics and game flow, run in a
// content folder of the test's own holding the game's shaders and font and a Textures/ folder.
class DrawingTest : public testing::Test {
protected:
    void SetUp() override {
        ::setenv("ALSOFT_DRIVERS", "null", 0);
        content = std::make_unique<ScratchFolder>();
        const auto source = std::filesystem::path(VELMORA_CONTENT_FOLDER);
        std::filesystem::create_symlink(source / "Shaders", content->path / "Shaders");
        std::filesystem::create_symlink(source / "fonts", content->path / "fonts");
        std::filesystem::create_directories(content->path / "Textures");
        previousFolder = std::filesystem::current_path();
        std::filesystem::current_path(content->path);

        Engine& engine = Engine::Instance();
        // The restart's music step needs no sound while the music counts as muted.
        gameplay->musicMuted = true;
        for (const std::shared_ptr<System>& system :
             std::initializer_list<std::shared_ptr<System>>{window, sound, graphics, gameplay}) {
            engine.AddSystem(system);
        }
        window->Initialize();
        sound->Initialize();
        // Re-decorating the window at start makes X take the focus away and give it back: the
        // round trip queues those events, and the poll handles them before the test begins.
        glfwGetWindowAttrib(window->handle, GLFW_FOCUSED);
        glfwPollEvents();
        graphics->Initialize();
        gameplay->Initialize();
    }

    void TearDown() override {
        Engine& engine = Engine::Instance();
        engine.DestroySpaces();
        engine.Shutdown();
        std::filesystem::current_path(previousFolder);
    }

    // A playable level of these objects, stepped by the graphics system alone, made current.
    Space* PushLevel(const std::string& objects, const std::string& name = "testLevel") {
        const std::string path =
            content->Write(name + ".Level.data", EditorHeader() + objects + "}\n");
        auto& spaces = Engine::Instance().spaces;
        spaces.push_back(std::make_unique<Space>(LoadMode::PlayableLevel, name, path));
        spaces.back()->systems = {graphics};
        return spaces.back().get();
    }

    // Clears and draws the current space once, without presenting it.
    Frame Draw() {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        graphics->Update(Space::FixedStep, Engine::Instance().CurrentSpace());
        return Frame();
    }

    // Where a world point shows, in pixels from the top left, through a camera at (cx, cy).
    static std::array<int, 2> ToPixel(const Frame& frame, float x, float y, float cx, float cy,
                                      float farPlane) {
        const float t = std::tan(22.5f);
        const float aspect = static_cast<float>(frame.Width()) / static_cast<float>(frame.Height());
        const float ndcX = (x - cx) / (aspect * t * farPlane);
        const float ndcY = (y - cy) / (t * farPlane);
        return {static_cast<int>((ndcX + 1) * 0.5f * static_cast<float>(frame.Width())),
                static_cast<int>((1 - ndcY) * 0.5f * static_cast<float>(frame.Height()))};
    }

    std::unique_ptr<ScratchFolder> content;
    std::filesystem::path previousFolder;
    std::shared_ptr<Window> window = std::make_shared<Window>();
    std::shared_ptr<SoundSystem> sound = std::make_shared<SoundSystem>();
    std::shared_ptr<Graphics> graphics = std::make_shared<Graphics>();
    std::shared_ptr<GameplaySystem> gameplay = std::make_shared<GameplaySystem>();
};
