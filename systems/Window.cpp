#include "systems/Window.h"

// Until the window is built there is no window and no key is ever down.

Window::Window() : System(TypeId, "WindowSystem", MaskBit) {}

void Window::Initialize() {}

void Window::Update(float, Space*) {}

void Window::Shutdown() {}

bool Window::IsPressed(int) {
    return false;
}

bool Window::IsTriggered(int) {
    return false;
}
