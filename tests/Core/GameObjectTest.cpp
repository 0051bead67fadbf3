#include <memory>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Core/GameObject.h"
#include "Core/Space.h"

namespace {

// Components of two types, standing in for the game's.
class Gear : public Component {
public:
    static constexpr ComponentType Type = ComponentType::MovingGearCollider;
};
class Place : public Component {
public:
    static constexpr ComponentType Type = ComponentType::Transform;
};

class GameObjectTest : public testing::Test {
protected:
    Space space{LoadMode::PlayableLevel, "level", ""};
    GameObject* object = space.CreateObject("velmo");
};

TEST_F(GameObjectTest, ComponentsAreFoundByTypeInAttachmentOrder) {
    auto* collider =
        object->AddComponent(ComponentType::MovingGearCollider, std::make_unique<Gear>());
    auto* transform = object->AddComponent(ComponentType::Transform, std::make_unique<Place>());

    EXPECT_EQ(collider->myTypeId, ComponentType::MovingGearCollider);
    EXPECT_EQ(object->GetRawComponent(ComponentType::Transform), transform);
    EXPECT_EQ(object->GetComponent<Gear>(), collider);
    EXPECT_TRUE(object->HasComponent(ComponentType::Transform));
    EXPECT_FALSE(object->HasComponent(ComponentType::Sprite));
    ASSERT_EQ(object->observers.size(), 2u);
    EXPECT_EQ(object->observers[0], collider);
    EXPECT_EQ(object->observers[1], transform);
}

TEST_F(GameObjectTest, SecondComponentOfATypeIsReportedAndNotAttached) {
    auto* first = object->AddComponent(ComponentType::Transform, std::make_unique<Place>());
    testing::internal::CaptureStdout();
    auto* second = object->AddComponent(ComponentType::Transform, std::make_unique<Place>());
    const std::string output = testing::internal::GetCapturedStdout();

    EXPECT_EQ(second, nullptr);
    EXPECT_EQ(object->components.size(), 1u);
    EXPECT_EQ(object->GetRawComponent(ComponentType::Transform), first);
    EXPECT_THAT(output, testing::StartsWith("Assertion failed: (*it)->myTypeId != type, file "));
}

TEST_F(GameObjectTest, MissingComponentIsReportedAndYieldsNull) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(object->GetComponent<Place>(), nullptr);
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_THAT(output,
                testing::MatchesRegex("Assertion failed: GetRawComponent\\(_typeId\\), file "
                                      ".*Core/GameObject\\.h, line [0-9]+\n"));
    // The quiet lookup reports nothing.
    testing::internal::CaptureStdout();
    EXPECT_EQ(object->FindComponent<Place>(), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

}  // namespace
