#pragma once

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "Core/Engine.h"
#include "Core/LevelList.h"
#include "Core/LevelLoader.h"
#include "Core/Space.h"
#include "audio/ChannelGroup.h"
#include "components/Button.h"
#include "components/RigidBody.h"
#include "components/Sprite.h"
#include "components/Transform.h"
#include "support/EngineFixture.h"
#include "support/LevelFiles.h"
#include "systems/GameplaySystem.h"
#include "systems/Graphics.h"
#include "systems/Physics.h"
#include "systems/ScriptedGamepad.h"
#include "systems/SoundSystem.h"
#include "systems/Window.h"

// The game flow, physics and sound without a window: screens and levels written for the test,
// stepped frame by frame with keys pressed as a player presses them.

namespace piece {

inline std::string Object(const std::string& name, const std::string& sections) {
    return "GameObject =\n{\n  string Name = \"" + name + "\",\n" + sections + "}\n";
}

inline std::string Place(float x = 0, float y = 0) {
    return "  Transform =\n  {\n    Vec3 Translation = [" + std::to_string(x / 2) + ", " +
           std::to_string(y / 2) + ", 0],\n    Vec3 Scale = [1, 1, 1],\n  }\n";
}

inline std::string Picture(const std::string& texture) {
    return "  Sprite =\n  {\n    string SpriteSource = \"Art:" + texture +
           "\",\n    bool Visible = true,\n    Vec4 Color = [1, 1, 1, 1],\n  }\n";
}

inline std::string Pictures(const std::string& plain, const std::string& selected) {
    return "  ButtonComponent =\n  {\n    string NotSelectedFileName = \"" + plain +
           "\",\n    string SelectedFileName = \"" + selected + "\",\n  }\n";
}

inline std::string Camera() {
    return Object("CameraComp", Place() +
                                    "  CameraComponent =\n  {\n    float CameraComponentFarPlane "
                                    "= 40,\n  }\n");
}

inline std::string Button(const std::string& name, const std::string& identity) {
    return Object(name, Place() + Picture(identity) + Pictures(identity, identity + "On"));
}

}  // namespace piece

class GameFlowTest : public EngineTest {
protected:
    void SetUp() override {
        ::setenv("XDG_DATA_HOME", (scratch.path / "home").c_str(), 1);
        inside = std::make_unique<InFolder>(scratch.path);
        Write("Gameplay/LevelUnlocks.txt",
              "levelSelectGear1\nunlocked 1\nlevelSelectGear2\nunlocked 1\n"
              "levelSelectGear3\nunlocked 0\nlevelSelectGear7\nunlocked 1\n"
              "BearGearBrown\nunlocked 0\n");

        auto scripted = std::make_unique<ScriptedGamepad>();
        scripted->present = false;
        pad = scripted.get();
        window->SetGamepad(std::move(scripted));
        window->BindGamepadButtons();
        Engine& engine = Engine::Instance();
        for (const std::shared_ptr<System>& system :
             std::vector<std::shared_ptr<System>>{window, sound, std::make_shared<Physics>(),
                                                  std::make_shared<Graphics>(), gameplay}) {
            engine.AddSystem(system);
        }
        engine.running = true;
        sound->Initialize();
        gameplay->Initialize();
    }
    void TearDown() override {
        EngineTest::TearDown();
        inside.reset();
    }

    void Write(const std::string& relative, const std::string& text) const {
        std::filesystem::create_directories((scratch.path / relative).parent_path());
        WriteBytes(scratch.path / relative, text);
    }

    // Screens by name, each a level file of these objects, listed in the level list.
    void Screens(const std::vector<std::pair<std::string, std::string>>& screens) {
        std::string list;
        for (const auto& [name, objects] : screens) {
            Write("TandrelLevelDesigner/Content/" + name + ".Level.data",
                  EditorHeader() + objects + "}\n");
            list += name + "," + name + "\n";
        }
        Write("Gameplay/Levels.txt", list);
        LevelList::Read("Gameplay/Levels.txt");
    }

    // One frame of the space on top, without the window system (there is no window).
    void Step(int frames = 1) {
        for (int i = 0; i < frames; ++i) {
            Space* top = Engine::Instance().CurrentSpace();
            top->systemMask &= ~Window::MaskBit;
            top->Update();
            Engine::Instance().ReleaseRemovedSpaces();
        }
    }

    // A key pressed before a frame and let go after it.
    void Press(int key) {
        window->OnKey(key, GLFW_PRESS);
        Step();
        window->OnKey(key, GLFW_RELEASE);
    }

    static std::string Top() { return Engine::Instance().CurrentSpace()->name; }

    static GameObject& Find(const std::string& name) {
        GameObject* object = Engine::Instance().CurrentSpace()->FindObject(name);
        if (object == nullptr) {
            throw std::runtime_error("no object \"" + name + "\"");
        }
        return *object;
    }

    ScratchFolder scratch;
    std::unique_ptr<InFolder> inside;
    ScriptedGamepad* pad = nullptr;
    std::shared_ptr<Window> window = std::make_shared<Window>();
    std::shared_ptr<SoundSystem> sound = std::make_shared<SoundSystem>();
    std::shared_ptr<GameplaySystem> gameplay = std::make_shared<GameplaySystem>();
};
