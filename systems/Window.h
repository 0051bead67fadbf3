#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <glm/vec4.hpp>

#include "Core/System.h"
#include "systems/Gamepad.h"

struct GLFWwindow;

// The one desktop window with its OpenGL context, and the state of the keyboard and the
// gamepad. Everything that reads input asks IsPressed or IsTriggered; nothing else reads
// GLFW's input.
class Window : public System {
public:
    static constexpr std::int32_t TypeId = 0;
    static constexpr std::uint32_t MaskBit = 0x10;
    static constexpr int KeyCount = 1024;
    static constexpr int MouseButtonCount = 16;
    static constexpr int WindowedWidth = 1280;
    static constexpr int WindowedHeight = 720;

    Window();

    // Opens the borderless, screen-sized window with its context and loads OpenGL, and sets the
    // engine's hook that presents each frame. Failing to start GLFW, to make the window or to
    // start GLEW ends the process with status -1.
    void Initialize() override;
    // Handles the window's events; a close request opens the quit confirmation instead.
    void Update(float dt, Space* space) override;
    void Shutdown() override;

    // The keys that follow a gamepad button while a gamepad is present: Enter button 0,
    // Escape 1, M 7 and R 6. Initialize installs them.
    void BindGamepadButtons();

    // Shows the finished frame: the back buffer swapped to the front.
    void Present();

    // Whether the key (a GLFW key code) is held now, the gamepad merged in.
    // NOTE: with a gamepad present, asking for A, D, W or S also runs the gamepad's boost step
    // (the right stick's boost, its latch and delay), once per query.
    bool IsPressed(int key);
    // Whether the key went down since the previous IsTriggered query of that same key.
    // NOTE: each query consumes the press for that key: a second query in the same frame, by
    // any caller, sees false. Rules that test one key in several places see it once.
    bool IsTriggered(int key);
    // Asks IsTriggered for the keys in the order given and stops at the first that is down, so
    // the keys after it keep their press for a later query.
    bool AnyTriggered(std::initializer_list<int> keys);

    // Switches between the framed 1280 x 720 window and the borderless screen-sized one.
    void ToggleFullScreen();

    // The 16:9 viewport (x, y, width, height) letterboxed inside a window of the given size.
    static glm::ivec4 Letterbox(int windowWidth, int windowHeight);

    // Replaces the gamepad source (GLFW's joystick 1 unless a test or tool scripts one).
    void SetGamepad(std::unique_ptr<Gamepad> source);
    Gamepad& GetGamepad() const { return *gamepad; }

    // What the window's events do; GLFW's callbacks call these, and so may tests and tools.
    void OnKey(int key, int action);
    void OnMouseButton(int button, int action);
    void OnResize(int newWidth, int newHeight);
    void OnFocus(int newFocused);
    void OnIconify(bool iconified);
    void OnDrop(const std::vector<std::string>& paths);

    // Nonzero while the window has input focus.
    std::int32_t focused = 1;
    std::int32_t width = WindowedWidth;
    std::int32_t height = WindowedHeight;
    bool fullScreen = true;
    const char* title = "Velmora";
    // Whether the window is shown when it is created; tools that only read frames keep it hidden.
    bool visible = true;
    GLFWwindow* handle = nullptr;
    // GLFW key code -> gamepad button index.
    std::map<std::int32_t, std::int32_t> buttonBindings;
    std::array<std::uint8_t, KeyCount> keys{};
    // Per key, the state seen by the previous IsTriggered query of that key.
    std::array<std::uint8_t, KeyCount> lastKeys{};
    std::array<std::uint8_t, MouseButtonCount> mouseButtons{};
    std::array<std::uint8_t, MouseButtonCount> lastMouseButtons{};

private:
    // Reads the gamepad into the key states; false when the key cannot be down while a gamepad
    // is present (it is neither a stick key nor bound to a button).
    bool MergeGamepad(int key);
    void ApplyStickRule(std::span<const float> axes);
    // The right stick fires the player's boost; runs with every stick-key IsPressed query.
    void BoostStep();
    void WaitForFocus();

    std::unique_ptr<Gamepad> gamepad;
    // Set by the focus callback; the wait for focus runs once the event poll has returned.
    bool focusLost = false;
};
