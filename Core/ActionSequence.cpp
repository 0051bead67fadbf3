#include "Core/ActionSequence.h"

void ActionSequence::Add(std::shared_ptr<Action> child) {
    children.push_back(std::move(child));
}

void ActionSequence::Update(float dt) {
    if (!children.empty()) {
        children.front()->Update(dt);
        if (children.front()->finished) {
            children.pop_front();
            if (!children.empty()) {
                children.front()->Arm();
            }
        }
    }
    if (children.empty()) {
        finished = true;
    }
}

void ActionSequence::Arm() {
    if (!children.empty()) {
        children.front()->Arm();
    }
}

std::unique_ptr<Action> ActionSequence::Clone() const {
    auto copy = std::make_unique<ActionSequence>();
    copy->children = children;
    return copy;
}
