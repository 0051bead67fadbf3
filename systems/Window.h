#pragma once

#include <cstdint>

#include "Core/System.h"

// The window, its OpenGL context and the keyboard and gamepad state.
class Window : public System {
public:
    static constexpr std::int32_t TypeId = 0;
    static constexpr std::uint32_t MaskBit = 0x10;

    Window();

    void Initialize() override;
    void Update(float dt, Space* space) override;
    void Shutdown() override;

    // Whether the key (a GLFW key code) is held.
    bool IsPressed(int key);
    // Whether the key went down since the previous query of that same key.
    bool IsTriggered(int key);
};
