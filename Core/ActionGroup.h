#pragma once

#include <memory>
#include <vector>

#include "Core/Action.h"

// Children that run together; the group is finished when every child is.
class ActionGroup : public Action {
public:
    void Add(std::shared_ptr<Action> child);

    void Update(float dt) override;
    void Arm() override;
    // The copy starts from an empty action part and shares the children.
    std::unique_ptr<Action> Clone() const override;

    std::vector<std::shared_ptr<Action>> children;
};
