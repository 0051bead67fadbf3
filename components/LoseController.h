#pragma once

#include <string>

#include "Core/Component.h"

// The lose counterpart of the win controller in the level format: it carries its values and
// nothing reads them. Losing itself is the lose request's and the level restart's business.
class LoseController : public Component {
public:
    static constexpr ComponentType Type = ComponentType::LoseController;

    std::string LoseLevel;
    // "bool LoadAsLevel" inside a lose section lands here: keys go to the section being read.
    bool LoadAsLevel = false;
};
