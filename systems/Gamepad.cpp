#include "systems/Gamepad.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include <GLFW/glfw3.h>

namespace {

constexpr int Unread = -1;
// For each of the game's axes, the gamepad axis it is read from. The pads the game was made
// with reported the right stick's vertical before its horizontal and their triggers on an axis
// the rules never read; an axis read from nothing rests at 0.
constexpr std::array<int, 6> GameAxisSources = {
    GLFW_GAMEPAD_AXIS_LEFT_X,  GLFW_GAMEPAD_AXIS_LEFT_Y,  Unread,
    GLFW_GAMEPAD_AXIS_RIGHT_Y, GLFW_GAMEPAD_AXIS_RIGHT_X, Unread};

static_assert(std::tuple_size_v<decltype(Gamepad::Mapped::axes)> ==
              std::size(GLFWgamepadstate{}.axes));
static_assert(std::tuple_size_v<decltype(Gamepad::Mapped::buttons)> ==
              std::size(GLFWgamepadstate{}.buttons));

}  // namespace

bool Gamepad::IsPresent() const {
    return glfwJoystickPresent(GLFW_JOYSTICK_1) != 0;
}

std::span<const float> Gamepad::Axes() const {
    Mapped state;
    if (!ReadMapped(state)) {
        return RawAxes();
    }
    for (std::size_t axis = 0; axis < laidOutAxes.size(); ++axis) {
        const int source = GameAxisSources[axis];
        laidOutAxes[axis] = source == Unread ? 0.0f : state.axes[source];
    }
    return laidOutAxes;
}

std::span<const unsigned char> Gamepad::Buttons() const {
    Mapped state;
    if (!ReadMapped(state)) {
        return RawButtons();
    }
    // GLFW numbers A, B, Back and Start as the game's pads did: 0, 1, 6 and 7.
    laidOutButtons = state.buttons;
    return laidOutButtons;
}

void Gamepad::AddMappings(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return;
    }
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    glfwUpdateGamepadMappings(text.c_str());
}

bool Gamepad::ReadMapped(Mapped& state) const {
    GLFWgamepadstate glfwState;
    if (glfwGetGamepadState(GLFW_JOYSTICK_1, &glfwState) == GLFW_FALSE) {
        return false;
    }
    std::copy(std::begin(glfwState.axes), std::end(glfwState.axes), state.axes.begin());
    std::copy(std::begin(glfwState.buttons), std::end(glfwState.buttons), state.buttons.begin());
    return true;
}

std::span<const float> Gamepad::RawAxes() const {
    int count = 0;
    const float* axes = glfwGetJoystickAxes(GLFW_JOYSTICK_1, &count);
    return axes == nullptr ? std::span<const float>() : std::span<const float>(axes, count);
}

std::span<const unsigned char> Gamepad::RawButtons() const {
    int count = 0;
    const unsigned char* buttons = glfwGetJoystickButtons(GLFW_JOYSTICK_1, &count);
    return buttons == nullptr ? std::span<const unsigned char>()
                              : std::span<const unsigned char>(buttons, count);
}
