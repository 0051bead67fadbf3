#pragma once

#include <string>

#include "Core/Component.h"

// The goal of a level: opens WinLevel when the camera's win zoom arrives, and stages the start
// of every level.
class WinController : public Component {
public:
    static constexpr ComponentType Type = ComponentType::WinController;

    // The level or screen opened on winning.
    std::string WinLevel;
    // Open WinLevel as a playable level rather than as a screen.
    bool LoadAsLevel = true;
    // Written by "bool Moveable" inside the win section: restage the start on every update.
    bool repeatStart = false;
    // The camera's far plane at level start: the target of the intro zoom.
    float cameraDistance = 0.0f;
};
