#pragma once

#include <string>

#include "Core/Component.h"

// A menu button's pictures. NotSelectedFileName is also the button's identity in the menus and
// the key of its unlock entry.
class Button : public Component {
public:
    static constexpr ComponentType Type = ComponentType::Button;

    // Picture names, without ".png".
    std::string NotSelectedFileName;
    std::string SelectedFileName;
    // Read from the level; no screen consults them.
    std::string CheckedFileName;
    std::string NotCheckedFileName;
    std::string name = "Button";
};
