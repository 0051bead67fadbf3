#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "Core/Engine.h"
#include "components/Button.h"
#include "components/Camera.h"
#include "components/Sprite.h"
#include "systems/GameplaySystem.h"
#include "systems/Graphics.h"
#include "systems/ScriptedGamepad.h"
#include "systems/TextureRegistry.h"
#include "systems/Window.h"

namespace {

// Logs the updates it receives under its label.
class UpdateLog : public Component {
public:
    UpdateLog(std::string label, std::vector<std::string>* log)
        : label(std::move(label)), log(log) {}
    void OnUpdate(UpdateMessage* message) override {
        log->push_back(label);
        dt = message->dt;
    }
    std::string label;
    std::vector<std::string>* log;
    double dt = 0.0;
};

class GameplaySystemTest : public testing::Test {
protected:
    void SetUp() override {
        Engine& engine = Engine::Instance();
        window = std::make_shared<Window>();
        auto pad = std::make_unique<ScriptedGamepad>();
        pad->present = false;
        gamepad = pad.get();
        window->SetGamepad(std::move(pad));
        graphics = std::make_shared<Graphics>();
        gameplay = std::make_shared<GameplaySystem>();
        engine.AddSystem(window);
        engine.AddSystem(graphics);
        engine.AddSystem(gameplay);
        engine.running = true;
    }
    void TearDown() override {
        Engine& engine = Engine::Instance();
        engine.DestroySpaces();
        engine.Shutdown();
        engine.running = false;
    }

    Space* Push(const std::string& name, LoadMode mode) {
        auto& spaces = Engine::Instance().spaces;
        spaces.push_back(std::make_unique<Space>(mode, name, ""));
        return spaces.back().get();
    }

    void Step() {
        Space* space = Engine::Instance().CurrentSpace();
        gameplay->Update(0.016f, space);
        Engine::Instance().ReleaseRemovedSpaces();
    }

    void Tap(int key) {
        window->OnKey(key, GLFW_PRESS);
        Step();
        window->OnKey(key, GLFW_RELEASE);
    }

    std::shared_ptr<Window> window;
    std::shared_ptr<Graphics> graphics;
    std::shared_ptr<GameplaySystem> gameplay;
    ScriptedGamepad* gamepad = nullptr;
};

TEST_F(GameplaySystemTest, GameplayComponentsAreSteppedInTheirOrderPerObject) {
    Space* level = Push("level", LoadMode::PlayableLevel);
    std::vector<std::string> log;
    GameObject* first = level->CreateObject("first");
    first->AddComponent(ComponentType::CollectibleMove, std::make_unique<UpdateLog>("move", &log));
    first->AddComponent(ComponentType::PlayerArrow, std::make_unique<UpdateLog>("arrow", &log));
    first->AddComponent(ComponentType::WinController, std::make_unique<UpdateLog>("win", &log));
    first->AddComponent(ComponentType::RigidBody, std::make_unique<UpdateLog>("body", &log));
    GameObject* second = level->CreateObject("second");
    auto* bomb = static_cast<UpdateLog*>(
        second->AddComponent(ComponentType::BombGear, std::make_unique<UpdateLog>("bomb", &log)));

    Step();
    EXPECT_EQ(log, (std::vector<std::string>{"win", "arrow", "move", "bomb"}));
    EXPECT_EQ(bomb->dt, static_cast<double>(0.016f));
}

TEST_F(GameplaySystemTest, QuitConfirmationGoesBackOnNOrEscape) {
    Space* level = Push("level", LoadMode::PlayableLevel);
    GameObject* cameraObject = level->CreateObject("CameraComp");
    level->IndexObject(cameraObject);
    auto* camera = static_cast<Camera*>(
        cameraObject->AddComponent(ComponentType::Camera, std::make_unique<Camera>()));
    Push("confirmation", LoadMode::Screen);
    graphics->currentCamera = nullptr;

    Tap(GLFW_KEY_N);
    EXPECT_EQ(Engine::Instance().CurrentSpace(), level);
    EXPECT_EQ(graphics->currentCamera, camera);
    EXPECT_TRUE(Engine::Instance().running);

    Push("quit", LoadMode::Screen);
    Tap(GLFW_KEY_ESCAPE);
    EXPECT_EQ(Engine::Instance().CurrentSpace(), level);
}

TEST_F(GameplaySystemTest, QuitConfirmationEndsTheGameOnYOrEnter) {
    Push("confirmation", LoadMode::Screen);
    Tap(GLFW_KEY_Y);
    EXPECT_FALSE(Engine::Instance().running);

    Engine::Instance().running = true;
    Tap(GLFW_KEY_ENTER);
    EXPECT_FALSE(Engine::Instance().running);
    EXPECT_EQ(Engine::Instance().spaces.size(), 1u);
}

TEST_F(GameplaySystemTest, ConfirmationShowsTheKeyboardOrGamepadPicture) {
    Texture2D keyboard;
    keyboard.ID = 11;
    Texture2D pad;
    pad.ID = 12;
    TextureRegistry::Store("quitKeys.png", keyboard);
    TextureRegistry::Store("quitPad.png", pad);
    Space* screen = Push("confirmation", LoadMode::Screen);
    GameObject* object = screen->CreateObject("confirmation");
    screen->IndexObject(object);
    auto* pictures = static_cast<Button*>(
        object->AddComponent(ComponentType::Button, std::make_unique<Button>()));
    pictures->NotSelectedFileName = "quitKeys";
    pictures->SelectedFileName = "quitPad";
    auto* sprite = static_cast<Sprite*>(
        object->AddComponent(ComponentType::Sprite, std::make_unique<Sprite>()));

    Step();
    EXPECT_EQ(sprite->texture.ID, 11u);
    gamepad->present = true;
    Step();
    EXPECT_EQ(sprite->texture.ID, 12u);
}

}  // namespace
