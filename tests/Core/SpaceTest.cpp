#include <memory>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Core/Engine.h"
#include "Core/GameObject.h"
#include "Core/Space.h"
#include "EngineFixture.h"
#include "components/MovingGearCollider.h"
#include "components/Transform.h"
#include "systems/GameplaySystem.h"
#include "systems/SoundSystem.h"

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

class SpaceTest : public EngineTest {
protected:
    std::vector<std::string> log;
};

TEST_F(SpaceTest, NameIndexKeepsTheFirstObjectOfAName) {
    Space space(1, "level", "");
    GameObject* first = space.CreateObject("gear");
    GameObject* second = space.CreateObject("gear");
    space.IndexObject(first);
    space.IndexObject(second);
    EXPECT_EQ(space.FindObject("gear"), first);
    EXPECT_EQ(space.objects.size(), 2u);
    EXPECT_EQ(space.FindObject("Gear"), nullptr);
}

TEST_F(SpaceTest, ObjectsTakeSerialIds) {
    Space space(1, "level", "");
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
    Component* mover =
        object->AddComponent(ComponentType::Transform, std::make_unique<Transform>());
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
    Space space(1, "level", "");
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

class LoseRequestTest : public SpaceTest {
protected:
    void SetUp() override {
        Engine& engine = Engine::Instance();
        engine.AddSystem(std::make_shared<SoundSystem>());
        gameplay = std::make_shared<GameplaySystem>();
        engine.AddSystem(gameplay);

        space = PushSpace("level");
        auto requester = std::make_shared<RecordingSystem>(2, 0x04, &log);
        requester->onUpdate = [](Space* stepped) { stepped->loseRequest = true; };
        space->systems = {requester};
    }

    GameObject* AddPlayer() {
        GameObject* player = space->CreateObject("velmo");
        space->IndexObject(player);
        transform = static_cast<Transform*>(
            player->AddComponent(ComponentType::Transform, std::make_unique<Transform>()));
        transform->translation = glm::vec3(1.0f, 2.0f, 0.0f);
        collider = static_cast<MovingGearCollider*>(player->AddComponent(
            ComponentType::MovingGearCollider, std::make_unique<MovingGearCollider>()));
        collider->MovingGearColliderGhost = true;
        return player;
    }

    std::shared_ptr<GameplaySystem> gameplay;
    Space* space = nullptr;
    Transform* transform = nullptr;
    MovingGearCollider* collider = nullptr;
};

TEST_F(LoseRequestTest, LiftsThePlayerOnceAndStartsTheLoseSequence) {
    AddPlayer();
    gameplay->loseCountdown = 0.5f;

    space->Update();
    EXPECT_TRUE(gameplay->loseSequenceStarted);
    EXPECT_EQ(gameplay->loseCountdown, 2.0f);
    EXPECT_EQ(transform->translation.y, 100002.0f);
    EXPECT_FALSE(collider->MovingGearColliderGhost);

    gameplay->loseCountdown = 1.5f;
    collider->MovingGearColliderGhost = true;
    space->Update();
    EXPECT_EQ(transform->translation.y, 100002.0f);
    EXPECT_EQ(gameplay->loseCountdown, 1.5f);
    EXPECT_TRUE(collider->MovingGearColliderGhost);
}

TEST_F(LoseRequestTest, WithoutAPlayerStartsTheSequenceAndLeavesObjectsAlone) {
    GameObject* other = space->CreateObject("gear");
    space->IndexObject(other);
    auto* gearTransform = static_cast<Transform*>(
        other->AddComponent(ComponentType::Transform, std::make_unique<Transform>()));

    space->Update();
    EXPECT_TRUE(gameplay->loseSequenceStarted);
    EXPECT_EQ(gearTransform->translation, glm::vec3(0.0f));
}

TEST_F(LoseRequestTest, IsClearedAtTheStartOfEveryUpdate) {
    AddPlayer();
    space->systems.clear();
    space->loseRequest = true;
    space->Update();
    EXPECT_FALSE(space->loseRequest);
    EXPECT_FALSE(gameplay->loseSequenceStarted);
    EXPECT_EQ(transform->translation.y, 2.0f);
}

TEST_F(LoseRequestTest, PlayerWithoutAColliderIsReportedAndStillLifted) {
    GameObject* player = space->CreateObject("velmo");
    space->IndexObject(player);
    auto* lifted = static_cast<Transform*>(
        player->AddComponent(ComponentType::Transform, std::make_unique<Transform>()));

    testing::internal::CaptureStdout();
    space->Update();
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_EQ(lifted->translation.y, 100000.0f);
    EXPECT_THAT(output, testing::HasSubstr("Assertion failed: GetRawComponent(_typeId)"));
}

}  // namespace
