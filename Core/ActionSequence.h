#pragma once

#include <deque>
#include <memory>

#include "Core/Action.h"

// Children that run one after another, front first. One child advances per update, and the
// next child starts from the values its target has when the one before it ends.
class ActionSequence : public Action {
public:
    void Add(std::shared_ptr<Action> child);

    void Update(float dt) override;
    // Arms the front child only: the later ones are armed when their turn comes.
    void Arm() override;
    // The copy starts from an empty action part and shares the children.
    std::unique_ptr<Action> Clone() const override;

    std::deque<std::shared_ptr<Action>> children;
};
