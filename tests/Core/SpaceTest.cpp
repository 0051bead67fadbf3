#include <memory>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Core/Engine.h"
#include "Core/GameObject.h"
#include "Core/Space.h"
#include "support/EngineFixture.h"

namespace {

// Records its own destruction, for the order in which objects and components die.
class Mortal : public Component {
public:
    static constexpr ComponentType Type = ComponentType::Button;
    Mortal(std::string label, std::vector<std::string>* log) : label(std::move(label)), log(log) {}
    ~Mortal() override { log->push_back(label); }
    std::string label;
    std::vector<std::string>* log;
};

// A component that only runs actions.
class Mover : public Component {
public:
    static constexpr ComponentType Type = ComponentType::Transform;
};

class SpaceTest : public EngineTest {
protected:
    std::vector<std::string> log;
};

TEST_F(SpaceTest, NameIndexKeepsTheFirstObjectOfAName) {
    Space space(LoadMode::PlayableLevel, "level", "");
    GameObject* first = space.CreateObject("gear");
    GameObject* second = space.CreateObject("gear");
    space.IndexObject(first);
    space.IndexObject(second);
    EXPECT_EQ(space.FindObject("gear"), first);
    EXPECT_EQ(space.objects.size(), 2u);
    EXPECT_EQ(space.FindObject("Gear"), nullptr);
}

TEST_F(SpaceTest, ObjectsTakeSerialIds) {
    Space space(LoadMode::PlayableLevel, "level", "");
    GameObject* first = space.CreateObject("a");
    GameObject* second = space.CreateObject("b");
    EXPECT_EQ(second->id, first->id + 1);
    EXPECT_TRUE(first->alive);
}

TEST_F(SpaceTest, SystemsRunInListOrderWithTheFixedStepThenActions) {
    Space* space = PushSpace("level");
    auto window = std::make_shared<RecordingSystem>(0, 0x10, &log);
    auto graphics = std::make_shared<RecordingSystem>(3, 0x02, &log);
    space->systems = {window, graphics};

    float value = 0.0f;
    GameObject* object = space->CreateObject("mover");
    Component* mover = object->AddComponent(ComponentType::Transform, std::make_unique<Mover>());
    mover->AddAction(Action(&value, 1.0f, 0.032f, Easing::Linear));
    float seenBySystems = -1.0f;
    graphics->onUpdate = [&](Space*) { seenBySystems = value; };

    space->Update();
    EXPECT_EQ(log, (std::vector<std::string>{"Recording0.Update", "Recording3.Update"}));
    EXPECT_EQ(window->lastDt, 0.016f);
    EXPECT_EQ(seenBySystems, 0.0f);  // actions advance after the systems
    EXPECT_FLOAT_EQ(value, 0.5f);
}

TEST_F(SpaceTest, SystemOutsideTheSpaceMaskIsSkipped) {
    Space* space = PushSpace("level");
    space->systems = {std::make_shared<RecordingSystem>(2, 0x04, &log),
                      std::make_shared<RecordingSystem>(4, 0x01, &log)};
    space->systemMask &= ~0x04u;
    space->Update();
    EXPECT_EQ(log, (std::vector<std::string>{"Recording4.Update"}));
}

TEST_F(SpaceTest, ClearObjectsDestroysFromTheLastObjectAndComponentsFrontToBack) {
    Space space(LoadMode::PlayableLevel, "level", "");
    GameObject* first = space.CreateObject("first");
    first->AddComponent(ComponentType::Button, std::make_unique<Mortal>("first.a", &log));
    first->AddComponent(ComponentType::Sprite, std::make_unique<Mortal>("first.b", &log));
    GameObject* second = space.CreateObject("second");
    second->AddComponent(ComponentType::Button, std::make_unique<Mortal>("second.a", &log));
    space.IndexObject(first);
    space.ClearObjects();
    EXPECT_EQ(log, (std::vector<std::string>{"second.a", "first.a", "first.b"}));
    EXPECT_TRUE(space.objects.empty());
    EXPECT_EQ(space.FindObject("first"), nullptr);
}

}  // namespace
