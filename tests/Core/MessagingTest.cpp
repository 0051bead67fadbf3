#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Core/GameObject.h"
#include "Core/Space.h"

namespace {

// Logs each level-start message it receives and optionally stops the delivery.
class Listener : public Component {
public:
    static constexpr ComponentType Type = ComponentType::Button;

    Listener(std::string label, std::vector<std::string>* log, bool stops = false)
        : label(std::move(label)), log(log), stops(stops) {}

    void OnLevelStart(Message* message) override {
        log->push_back(label);
        message->stop = stops;
    }

    std::string label;
    std::vector<std::string>* log;
    bool stops;
};

class MessagingTest : public testing::Test {
protected:
    GameObject* MakeObject(const std::string& name,
                           const std::vector<std::pair<std::string, bool>>& listeners) {
        GameObject* object = space.CreateObject(name);
        ComponentType type = ComponentType::Sprite;
        for (auto& [label, stops] : listeners) {
            object->AddComponent(type, std::make_unique<Listener>(label, &log, stops));
            type = static_cast<ComponentType>(static_cast<int>(type) + 1);
        }
        return object;
    }

    Space space{LoadMode::PlayableLevel, "test", ""};
    std::vector<std::string> log;
};

TEST_F(MessagingTest, BroadcastReachesEveryComponentInObjectOrder) {
    MakeObject("first", {{"a", false}, {"b", false}});
    MakeObject("second", {{"c", false}});
    Message message;
    space.Broadcast(&Observer::OnLevelStart, &message);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(MessagingTest, BroadcastStopsAtTheHandlerThatSetsTheStopFlag) {
    MakeObject("first", {{"a", false}, {"b", true}, {"c", false}});
    MakeObject("second", {{"d", false}});
    Message message;
    space.Broadcast(&Observer::OnLevelStart, &message);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b"}));
}

TEST_F(MessagingTest, BroadcastWithoutARecordCallsNothing) {
    MakeObject("first", {{"a", false}});
    space.Broadcast<Message>(&Observer::OnLevelStart, nullptr);
    EXPECT_TRUE(log.empty());
}

TEST_F(MessagingTest, ObjectSendStopsWithinTheObject) {
    GameObject* object = MakeObject("first", {{"a", true}, {"b", false}});
    Message message;
    object->Notify(&Observer::OnLevelStart, &message);
    EXPECT_EQ(log, (std::vector<std::string>{"a"}));
}

TEST_F(MessagingTest, ObjectSendDeliversInAttachmentOrder) {
    GameObject* object = MakeObject("first", {{"a", false}, {"b", false}});
    Message message;
    object->Notify(&Observer::OnLevelStart, &message);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b"}));
}

}  // namespace
