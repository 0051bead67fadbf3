#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Core/Component.h"

// Flips its object's sprite through a list of texture names, one step every so many drawn
// frames, once or in a loop. The list is a text file under "Gameplay/" that the level names.
class Animation : public Component {
public:
    static constexpr ComponentType Type = ComponentType::Animation;

    // Reads the frame list, one texture name a line. A missing file leaves the list empty.
    void Initialize() override;

    // The per-frame step, run by the draw pass for every object with an animation, drawn or
    // not: each frame of the list stays for AnimationComponentSpeed drawn frames (rounded up).
    // NOTE: a looping list starts again at its second frame, so a, b, c shows a, b, c, b, c...;
    // a list that does not loop stays on its last frame. An empty list changes nothing.
    void Step();

    // Texture registry names, in file order.
    std::vector<std::string> frames;
    // Index in frames of the frame shown; meaningful once started.
    std::size_t current = 0;
    // Start again after the last frame.
    bool Loopable = true;
    // Drawn frames each animation frame lasts.
    float AnimationComponentSpeed = 10.0f;
    // File name of the frame list, relative to "Gameplay/".
    std::string AnimationList;
    std::string name;
    // Drawn frames since the last step.
    std::int32_t tickCount = 0;
    // current has been set to the first frame.
    bool started = false;
};
