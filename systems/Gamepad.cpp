#include "systems/Gamepad.h"

#include <GLFW/glfw3.h>

bool Gamepad::IsPresent() const {
    return glfwJoystickPresent(GLFW_JOYSTICK_1) != 0;
}

std::span<const float> Gamepad::Axes() const {
    int count = 0;
    const float* axes = glfwGetJoystickAxes(GLFW_JOYSTICK_1, &count);
    return axes == nullptr ? std::span<const float>() : std::span<const float>(axes, count);
}

std::span<const unsigned char> Gamepad::Buttons() const {
    int count = 0;
    const unsigned char* buttons = glfwGetJoystickButtons(GLFW_JOYSTICK_1, &count);
    return buttons == nullptr ? std::span<const unsigned char>()
                              : std::span<const unsigned char>(buttons, count);
}
