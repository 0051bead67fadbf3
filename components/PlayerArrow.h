#pragma once

#include "Core/Component.h"

// The marker at the top edge of the view that shows where a player launched above it is.
class PlayerArrow : public Component {
public:
    static constexpr ComponentType Type = ComponentType::PlayerArrow;
};
