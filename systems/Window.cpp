#include "systems/Window.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include "Core/ContentFile.h"
#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/LevelLoader.h"
#include "components/MovingGearCollider.h"
#include "components/ParticleEmmiter.h"
#include "systems/AssetLists.h"
#include "systems/GameplaySystem.h"
#include "systems/Graphics.h"
#include "systems/SoundSystem.h"
#include "systems/UserDataFolder.h"

namespace {

constexpr const char* PlayerGamepadMappings = "gamecontrollerdb.txt";
constexpr double StickDeadZone = 0.4;
constexpr std::size_t BoostAxisX = 4;
constexpr std::size_t BoostAxisY = 3;
constexpr float BoostDelayStep = 0.02f;
constexpr float BoostDelayStart = 2.0f;

// The player's trail, which a boost turns into a larger, coloured spray.
void RestoreTrail(GameObject* player) {
    if (player == nullptr) {
        return;
    }
    if (auto* emitter = player->GetComponent<ParticleEmmiter>()) {
        emitter->SizeMinimum = 2.0f;
        emitter->SizeMaximum = 4.0f;
        emitter->UseDefaultColor = true;
    }
}
constexpr float LetterboxHeightPerWidth = 0.5625f;
constexpr float LetterboxWidthPerHeight = 1.7777778f;

bool IsStickKey(int key) {
    return key == GLFW_KEY_A || key == GLFW_KEY_D || key == GLFW_KEY_W || key == GLFW_KEY_S;
}

float Axis(std::span<const float> axes, std::size_t index) {
    return index < axes.size() ? axes[index] : 0.0f;
}

// Ends the program the way a failed start must: the message with the system's text for the
// last error on the error stream, and status -1.
[[noreturn]] void FailStart(const char* message) {
    std::perror(message);
    std::exit(-1);
}

Window* FromHandle(GLFWwindow* handle) {
    return static_cast<Window*>(glfwGetWindowUserPointer(handle));
}

void KeyCallback(GLFWwindow* handle, int key, int, int action, int) {
    FromHandle(handle)->OnKey(key, action);
}

void MouseButtonCallback(GLFWwindow* handle, int button, int action, int) {
    FromHandle(handle)->OnMouseButton(button, action);
}

void WindowSizeCallback(GLFWwindow* handle, int width, int height) {
    FromHandle(handle)->OnResize(width, height);
}

void FocusCallback(GLFWwindow* handle, int focused) {
    FromHandle(handle)->OnFocus(focused);
}

void IconifyCallback(GLFWwindow* handle, int iconified) {
    FromHandle(handle)->OnIconify(iconified == GLFW_TRUE);
}

void DropCallback(GLFWwindow* handle, int count, const char** paths) {
    FromHandle(handle)->OnDrop(std::vector<std::string>(paths, paths + count));
}

}  // namespace

Window::Window() : System(TypeId, "WindowSystem", MaskBit), gamepad(std::make_unique<Gamepad>()) {}

void Window::Initialize() {
    keys.fill(0);
    lastKeys.fill(0);
    mouseButtons.fill(0);
    lastMouseButtons.fill(0);

    if (!glfwInit()) {
        FailStart("Failed to initialize GLFW");
    }
    // The player's own mappings, for a pad the database GLFW carries does not know or knows
    // wrongly, are read over GLFW's.
    Gamepad::AddMappings(UserDataFolder::ConfigFolder() + "/" + PlayerGamepadMappings);
    glfwWindowHint(GLFW_DECORATED, GLFW_FALSE);
    glfwWindowHint(GLFW_VISIBLE, visible ? GLFW_TRUE : GLFW_FALSE);
    // The game draws with OpenGL 3.3 core.
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    const GLFWvidmode* mode = glfwGetVideoMode(glfwGetPrimaryMonitor());
    if (mode != nullptr) {
        width = mode->width;
        height = mode->height;
    }
    handle = glfwCreateWindow(width, height, title, nullptr, nullptr);
    if (handle == nullptr) {
        glfwTerminate();
        FailStart("Failed to create window");
    }
    glfwSetInputMode(handle, GLFW_CURSOR, GLFW_CURSOR_HIDDEN);

    glfwMakeContextCurrent(handle);
    glViewport(0, 0, width, height);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    glfwSetWindowUserPointer(handle, this);
    glfwSetMouseButtonCallback(handle, MouseButtonCallback);
    glfwSetDropCallback(handle, DropCallback);
    glfwSetKeyCallback(handle, KeyCallback);
    glfwSetWindowFocusCallback(handle, FocusCallback);
    glfwSetWindowIconifyCallback(handle, IconifyCallback);
    glfwSetWindowSizeCallback(handle, WindowSizeCallback);

    glewExperimental = GL_TRUE;
    glfwSwapInterval(1);
    if (glewInit() != GLEW_OK) {
        FailStart("Could not Init GLEW");
    }

    // Through the windowed state and back, so the game starts full screen at (0, 0).
    ToggleFullScreen();
    ToggleFullScreen();

    BindGamepadButtons();

    Engine::Instance().hooks.presentFrame = [] {
        if (const auto window = TryGetSystem<Window>()) {
            window->Present();
        }
    };
}

void Window::BindGamepadButtons() {
    buttonBindings.emplace(GLFW_KEY_ENTER, 0);
    buttonBindings.emplace(GLFW_KEY_ESCAPE, 1);
    buttonBindings.emplace(GLFW_KEY_M, 7);
    buttonBindings.emplace(GLFW_KEY_R, 6);
}

void Window::Update(float, Space*) {
    // A window never opened (a run without a display) has no events: its keys come from
    // OnKey alone.
    if (handle == nullptr) {
        return;
    }
    glfwPollEvents();
    if (focusLost) {
        WaitForFocus();
    }
    if (glfwWindowShouldClose(handle)) {
        LoadLevel(ScreenName::Confirmation, LoadMode::Screen);
        glfwRestoreWindow(handle);
        glfwShowWindow(handle);
        glfwFocusWindow(handle);
        focused = 1;
        glfwSetWindowShouldClose(handle, GLFW_FALSE);
    }
}

void Window::Shutdown() {
    Engine::Instance().hooks.presentFrame = nullptr;
    glfwDestroyWindow(handle);
    handle = nullptr;
    glfwTerminate();
}

void Window::Present() {
    if (handle != nullptr) {
        glfwSwapBuffers(handle);
    }
}

void Window::ToggleFullScreen() {
    fullScreen = !fullScreen;
    if (handle == nullptr) {
        return;
    }
    if (!fullScreen) {
        glfwSetWindowAttrib(handle, GLFW_DECORATED, GLFW_TRUE);
        glfwSetWindowSize(handle, WindowedWidth, WindowedHeight);
        return;
    }
    const GLFWvidmode* mode = glfwGetVideoMode(glfwGetPrimaryMonitor());
    glfwSetWindowAttrib(handle, GLFW_DECORATED, GLFW_FALSE);
    glfwSetWindowPos(handle, 0, 0);
    if (mode != nullptr) {
        glfwSetWindowSize(handle, mode->width, mode->height);
    }
}

glm::ivec4 Window::Letterbox(int windowWidth, int windowHeight) {
    int viewWidth = windowWidth;
    int viewHeight =
        static_cast<int>(std::lround(static_cast<float>(windowWidth) * LetterboxHeightPerWidth));
    if (viewHeight > windowHeight) {
        viewHeight = windowHeight;
        viewWidth = static_cast<int>(
            std::lround(static_cast<float>(windowHeight) * LetterboxWidthPerHeight));
    }
    return {windowWidth / 2 - viewWidth / 2, windowHeight / 2 - viewHeight / 2, viewWidth,
            viewHeight};
}

void Window::SetGamepad(std::unique_ptr<Gamepad> source) {
    gamepad = std::move(source);
}

void Window::OnKey(int key, int action) {
    if (key < 0 || key >= KeyCount) {
        return;
    }
    keys[key] = (action == GLFW_PRESS || action == GLFW_REPEAT) ? 1 : 0;
}

void Window::OnMouseButton(int button, int action) {
    if (button < 0 || button >= MouseButtonCount) {
        return;
    }
    mouseButtons[button] = action == GLFW_PRESS ? 1 : 0;
}

void Window::OnResize(int newWidth, int newHeight) {
    width = newWidth;
    height = newHeight;
    const glm::ivec4 view = Letterbox(newWidth, newHeight);
    glViewport(view.x, view.y, view.z, view.w);
    if (focused != 0) {
        GetSystem<Graphics>()->UpdateProjection();
    }
}

void Window::OnFocus(int newFocused) {
    focused = newFocused;
    if (focused != 0) {
        return;
    }
    glfwIconifyWindow(handle);
    Space* current = Engine::Instance().CurrentSpace();
    if (current != nullptr && current->loadMode == LoadMode::PlayableLevel) {
        LoadLevel(ScreenName::PauseMenu, LoadMode::Screen);
    } else {
        GetSystem<SoundSystem>()->SetGroupPaused(SoundGroup::Music, true);
    }
    // GLFW must not poll from inside its own callback: the wait happens once this poll is over.
    focusLost = true;
}

void Window::WaitForFocus() {
    focusLost = false;
    const auto sound = GetSystem<SoundSystem>();
    while (glfwGetWindowAttrib(handle, GLFW_FOCUSED) == 0) {
        glfwWaitEvents();
        sound->SetGroupPaused(SoundGroup::Music, true);
    }
    sound->SetGroupPaused(SoundGroup::Music, false);
}

void Window::OnIconify(bool iconified) {
    const auto sound = GetSystem<SoundSystem>();
    sound->SetGroupMute(SoundGroup::Music, iconified);
    sound->SetGroupMute(SoundGroup::Effect, iconified);
    sound->SetGroupMute(SoundGroup::Player, iconified);
}

void Window::OnDrop(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        AssetLists::Import(path);
    }
    for (const std::string& path : paths) {
        AssetLists::LoadDroppedFile(std::string(ContentFile::FileNamePart(path)));
    }
}

bool Window::MergeGamepad(int key) {
    const std::span<const float> axes = gamepad->Axes();
    if (axes.empty()) {
        return true;
    }
    if (IsStickKey(key)) {
        ApplyStickRule(axes);
        return true;
    }
    const auto binding = buttonBindings.find(key);
    if (binding == buttonBindings.end()) {
        return false;
    }
    const std::span<const unsigned char> buttons = gamepad->Buttons();
    const auto button = static_cast<std::size_t>(binding->second);
    keys[key] = (button < buttons.size() && buttons[button] == GLFW_PRESS) ? 1 : 0;
    return true;
}

void Window::ApplyStickRule(std::span<const float> axes) {
    const double x = Axis(axes, 0);
    const double y = Axis(axes, 1);
    keys[GLFW_KEY_A] = x < -StickDeadZone ? 1 : 0;
    keys[GLFW_KEY_D] = x > StickDeadZone ? 1 : 0;
    keys[GLFW_KEY_W] = y < -StickDeadZone ? 1 : 0;
    keys[GLFW_KEY_S] = y > StickDeadZone ? 1 : 0;
}

bool Window::IsTriggered(int key) {
    if (key < 0 || key >= KeyCount) {
        return false;
    }
    if (GetSystem<GameplaySystem>()->gamepadPresent != 0 && !MergeGamepad(key)) {
        return false;
    }
    const bool triggered = keys[key] == 1 && lastKeys[key] == 0;
    lastKeys[key] = keys[key];
    return triggered;
}

bool Window::AnyTriggered(std::initializer_list<int> keys) {
    for (int key : keys) {
        if (IsTriggered(key)) {
            return true;
        }
    }
    return false;
}

void Window::BoostStep() {
    const auto gameplay = GetSystem<GameplaySystem>();
    Space* space = Engine::Instance().CurrentSpace();
    GameObject* player = space == nullptr ? nullptr : space->FindObject(ObjectName::Player);

    if (gameplay->boostLatch && gameplay->boostDelay > 0.0f) {
        gameplay->boostDelay -= BoostDelayStep;
        if (gameplay->boostDelay <= 0.0f) {
            RestoreTrail(player);
            gameplay->boostDelay = BoostDelayStart;
            gameplay->boostLatch = false;
        }
    }
    if (player == nullptr) {
        return;
    }
    const auto* collider = player->GetComponent<MovingGearCollider>();
    if (collider == nullptr || collider->teleporting) {
        return;
    }
    const std::span<const float> axes = gamepad->Axes();
    const double boostX = Axis(axes, BoostAxisX);
    const double boostY = Axis(axes, BoostAxisY);
    const bool deflected = (boostX < -StickDeadZone || boostX > StickDeadZone ||
                            boostY < -StickDeadZone || boostY > StickDeadZone) &&
                           gameplay->boostCount > 0;
    if (gameplay->boostLatch) {
        return;
    }
    if (deflected) {
        BoostMessage boost;
        boost.direction = glm::vec3(Axis(axes, BoostAxisX), -Axis(axes, BoostAxisY), 0.0f);
        space->Broadcast(&Observer::OnBoost, &boost);
        gameplay->boostLatch = true;
    } else {
        RestoreTrail(player);
        gameplay->boostDelay = BoostDelayStart;
    }
}

bool Window::IsPressed(int key) {
    if (GetSystem<GameplaySystem>()->gamepadPresent != 0 && !gamepad->Axes().empty()) {
        if (!MergeGamepad(key)) {
            return false;
        }
        if (IsStickKey(key)) {
            BoostStep();
        }
    }
    if (key < 0 || key >= KeyCount) {
        return false;
    }
    return keys[key] == 1;
}
