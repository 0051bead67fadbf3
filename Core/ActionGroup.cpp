#include "Core/ActionGroup.h"

void ActionGroup::Add(std::shared_ptr<Action> child) {
    children.push_back(std::move(child));
}

void ActionGroup::Update(float dt) {
    for (auto it = children.begin(); it != children.end();) {
        if ((*it)->finished) {
            it = children.erase(it);
        } else {
            (*it)->Update(dt);
            ++it;
        }
    }
    if (children.empty()) {
        finished = true;
    }
}

void ActionGroup::Arm() {
    for (const auto& child : children) {
        child->Arm();
    }
}

std::unique_ptr<Action> ActionGroup::Clone() const {
    auto copy = std::make_unique<ActionGroup>();
    copy->children = children;
    return copy;
}
