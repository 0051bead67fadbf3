#pragma once

#include <memory>
#include <vector>

#include "Core/Action.h"
#include "Core/Messages.h"

// Something that receives the six messages and runs tween actions. Every component is one.
class Observer {
public:
    Observer() = default;
    Observer(const Observer&) = delete;
    Observer& operator=(const Observer&) = delete;
    virtual ~Observer() = default;

    virtual void OnBoost(BoostMessage* message);
    virtual void OnCameraArrived(Message* message);
    virtual void OnLevelStart(Message* message);
    virtual void OnTeleportDone(Message* message);
    virtual void OnCollision(CollisionMessage* message);
    virtual void OnUpdate(UpdateMessage* message);

    // Starts a copy of the given action (of its own kind), so callers may build it on the stack.
    void AddAction(const Action& action);

    // One pass over the running actions: those finished on an earlier pass are destroyed, the
    // others advance by dt. An action that finishes now stays until the next pass.
    void UpdateActions(float dt);

    std::vector<std::unique_ptr<Action>> actions;
};
