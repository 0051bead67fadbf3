#include <memory>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Core/Engine.h"
#include "Core/GameObject.h"
#include "Core/Space.h"
#include "components/MovingGearCollider.h"
#include "components/Transform.h"
#include "support/EngineFixture.h"
#include "systems/GameplaySystem.h"
#include "systems/SoundSystem.h"

namespace {

class LoseRequestTest : public EngineTest {
protected:
    void SetUp() override {
        Engine& engine = Engine::Instance();
        engine.AddSystem(std::make_shared<SoundSystem>());
        gameplay = std::make_shared<GameplaySystem>();
        engine.AddSystem(gameplay);
        gameplay->Initialize();

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

    std::vector<std::string> log;
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
