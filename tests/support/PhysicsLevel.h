#pragma once

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "Core/Engine.h"
#include "Core/LevelLoader.h"
#include "Core/Space.h"
#include "audio/Channel.h"
#include "components/InputController.h"
#include "support/LevelFiles.h"
#include "support/TestSounds.h"
#include "systems/GameplaySystem.h"
#include "systems/Graphics.h"
#include "systems/Physics.h"
#include "systems/SoundSystem.h"
#include "systems/Window.h"

// Small level files for the physics, written as the level editor writes them. Positions are
// given in world units: the reader doubles the file's x and y, so the file holds halves.
namespace pieces {

inline std::string Number(float value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

inline std::string Section(const std::string& header, const std::string& fields = "") {
    return header + "\n{\n" + fields + "}\n";
}

inline std::string Object(const std::string& name, const std::string& sections) {
    return "GameObject =\n{\nstring Name = \"" + name + "\",\n" + sections + "}\n";
}

inline std::string Place(float x, float y, float scale = 1.0f, float rotation = 0.0f) {
    return Section("Transform =", "Vec3 Translation = [" + Number(x / 2.0f) + ", " +
                                      Number(y / 2.0f) + ", 0],\nVec3 Scale = [" + Number(scale) +
                                      ", " + Number(scale) + ", 1],\nQuat Rotation = [0, 0, " +
                                      Number(rotation) + ", 1],\n");
}

inline std::string Body(const std::string& fields) {
    return Section("RigidBodyComponent =", fields);
}

// The player: tip radius 1, belly radius 0.8, 8 teeth, a 2 x 2 box of its own, speed 1, a
// displacement cap of 1 and a jump of 20; gravity only when asked for.
inline std::string Player(float x, float y, const std::string& bodyFields = "") {
    return Object(
        "velmo",
        Place(x, y) +
            Body("float Speed = 1,\nfloat VelocityCap = 1,\nfloat JumpHeight = 20,\n" +
                 bodyFields) +
            Section("MovingGearColliderComponent =",
                    "float MovingGearColliderFullRadius = 1,\n"
                    "float MovingGearColliderBellyRadius = 0.8,\n"
                    "int MovingGearColliderNumTeeth = 8,\n") +
            Section("BoxColliderComponent =", "Vec3 BoxColliderSize = [1, 1, 1],\n") +
            Section("InputComponent =") +
            Section("SoundEmitterComponent =", "string SoundFileName = \"jumpeffect.wav\",\n") +
            Section("ParticleEmitterComponent = "));
}

// A gear of tip radius 2, belly radius 1.8 and 12 teeth turning by rotSpeed per step.
inline std::string Gear(const std::string& name, float x, float y, float rotSpeed,
                        const std::string& extra = "") {
    return Object(name, Place(x, y) +
                            Body("float RotSpeed = " + Number(rotSpeed) +
                                 ",\nfloat RotationVelocityCap = 1,\n") +
                            Section("GearColliderComponent =",
                                    "float GearColliderFullRadius = 2,\n"
                                    "float GearColliderBellyRadius = 1.8,\n"
                                    "int GearColliderNumTeeth = 12,\n") +
                            extra);
}

// A box of the given half width and half height centred at (x, y).
inline std::string Box(const std::string& name, float x, float y, float halfWidth, float halfHeight,
                       const std::string& extra = "") {
    return Object(
        name, Place(x, y) + Body("") +
                  Section("BoxColliderComponent =", "Vec3 BoxColliderSize = [" + Number(halfWidth) +
                                                        ", " + Number(halfHeight) + ", 1],\n") +
                  extra);
}

}  // namespace pieces

// The engine's five systems with the real sound layer on OpenAL Soft's null output, and one
// level read from a file of the test's own. Frames step the physics only (and the actions),
// exactly as the space's update runs it; keys are pressed through the window's key events.
class PhysicsLevelTest : public testing::Test {
protected:
    void SetUp() override {
        ::setenv("ALSOFT_DRIVERS", "null", 0);
        Engine& engine = Engine::Instance();
        window = std::make_shared<Window>();
        sound = std::make_shared<SoundSystem>();
        gameplay = std::make_shared<GameplaySystem>();
        for (const std::shared_ptr<System>& system :
             std::vector<std::shared_ptr<System>>{window, sound, std::make_shared<Physics>(),
                                                  std::make_shared<Graphics>(), gameplay}) {
            engine.AddSystem(system);
        }
        sound->Initialize();
        for (const char* name : {"jumpeffect.wav", "stickeffect.wav", "Boosteffect.wav"}) {
            WriteTestTone(scratch.path / name);
            auto [tableName, cell] = sound->LoadSound((scratch.path / name).string());
            sound->AddToTable(tableName, std::move(cell));
        }
    }

    void TearDown() override {
        Engine& engine = Engine::Instance();
        engine.DestroySpaces();
        engine.Shutdown();
        engine.running = false;
        InputController::seedOverride.reset();
    }

    // Reads the objects as a playable level and makes it the current space.
    Space& Load(const std::string& objects) {
        const std::string path = scratch.Write("Test.Level.data", EditorHeader() + objects + "}\n");
        auto space = std::make_unique<Space>(LoadMode::PlayableLevel, "test", path);
        for (std::int32_t typeId : {Window::TypeId, SoundSystem::TypeId, Physics::TypeId,
                                    Graphics::TypeId, GameplaySystem::TypeId}) {
            space->systems.push_back(Engine::Instance().FindSystem(typeId));
        }
        space->systemMask = Physics::MaskBit;
        Engine::Instance().spaces.push_back(std::move(space));
        return *Engine::Instance().spaces.back();
    }

    static Space& Level() { return *Engine::Instance().CurrentSpace(); }

    static void Frames(int count = 1) {
        for (int i = 0; i < count; ++i) {
            Level().Update();
        }
    }

    template <typename T>
    static T& Of(const std::string& objectName) {
        return Get<T>(Level(), objectName);
    }

    void Press(int key) { window->OnKey(key, GLFW_PRESS); }
    void Release(int key) { window->OnKey(key, GLFW_RELEASE); }

    ScratchFolder scratch;
    std::shared_ptr<Window> window;
    std::shared_ptr<SoundSystem> sound;
    std::shared_ptr<GameplaySystem> gameplay;
};
