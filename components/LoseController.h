#pragma once

#include <string>

#include "Core/Component.h"

// The lose counterpart of the win controller in the level format: it carries its values and
// nothing reads them.
class LoseController : public Component {
public:
    static constexpr ComponentType Type = ComponentType::LoseController;

    std::string LoseLevel;
    bool LoadAsLevel = false;
};
