#include "LevelRun.h"

#include <cstdlib>
#include <limits>

#include <AL/alc.h>
#include <AL/alext.h>
#include <GLFW/glfw3.h>

#include "Core/Engine.h"
#include "Core/LevelList.h"
#include "Core/LevelLoader.h"
#include "components/InputController.h"
#include "components/LevelKeys.h"
#include "systems/AssetLists.h"
#include "systems/GameplaySystem.h"
#include "systems/Graphics.h"
#include "systems/Physics.h"
#include "systems/ScriptedGamepad.h"
#include "systems/SoundSystem.h"
#include "systems/TextureRegistry.h"
#include "systems/Window.h"

namespace {

// The silent output mixes in real time, so the moment a sound ends would follow how fast the
// machine runs the frames. Held still, a started sound plays until the game stops it or its
// channel is taken, and the same input gives the same output.
void HoldSilentOutput() {
    ALCcontext* context = alcGetCurrentContext();
    ALCdevice* device = context != nullptr ? alcGetContextsDevice(context) : nullptr;
    if (device == nullptr || alcIsExtensionPresent(device, "ALC_SOFT_pause_device") != ALC_TRUE) {
        return;
    }
    const auto pause =
        reinterpret_cast<LPALCDEVICEPAUSESOFT>(alcGetProcAddress(device, "alcDevicePauseSOFT"));
    if (pause != nullptr) {
        pause(device);
    }
}

// A driver name OpenAL Soft does not know: the sound layer then runs silent, without a mixer
// thread, which a run that forks must not have.
constexpr const char* NoSoundDriver = "none-headless";

}  // namespace

LevelRun::LevelRun(const LevelRunOptions& options)
    : windowSystem(std::make_shared<Window>()),
      soundSystem(nullptr),
      graphicsSystem(std::make_shared<Graphics>()),
      gameplaySystem(std::make_shared<GameplaySystem>()) {
    InstallLevelKeys();
    if (options.headless) {
        ::setenv("ALSOFT_DRIVERS", NoSoundDriver, 1);
    } else if (!options.sound) {
        ::setenv("ALSOFT_DRIVERS", "null", 1);
    }
    soundSystem = std::make_shared<SoundSystem>();
    windowSystem->visible = options.visible;
    if (options.gamepad || options.headless) {
        auto scripted = std::make_unique<ScriptedGamepad>();
        scripted->present = options.gamepad;
        scriptedGamepad = scripted.get();
        windowSystem->SetGamepad(std::move(scripted));
    }
    // Everything the game would seed from the clock takes the given seed.
    std::srand(options.seed);
    InputController::seedOverride = options.seed;

    Engine& engine = Engine::Instance();
    if (options.headless) {
        engine.running = true;
        for (const std::shared_ptr<System>& system : std::initializer_list<std::shared_ptr<System>>{
                 windowSystem, soundSystem, std::make_shared<Physics>(), graphicsSystem,
                 gameplaySystem}) {
            engine.AddSystem(system);
        }
        soundSystem->Initialize();
        graphicsSystem->HookIntoEngine();
        gameplaySystem->Initialize();
    } else {
        engine.Startup({windowSystem, soundSystem, std::make_shared<Physics>(), graphicsSystem,
                        gameplaySystem});
        if (!options.sound) {
            HoldSilentOutput();
        }
    }
    // The loading screen ticks the limiter after each loading frame; tools never wait.
    engine.limiter.targetRate = std::numeric_limits<float>::infinity();
    if (options.start) {
        engine.LoadFirstLevel();
        return;
    }
    LevelList::Read("Gameplay/Levels.txt");
    if (!options.headless) {
        AssetLists::LoadSounds();
        TextureRegistry::LoadSpriteList();
    }
    LoadLevel(options.level, options.screen ? LoadMode::Screen : LoadMode::PlayableLevel);
}

LevelRun::~LevelRun() {
    Engine& engine = Engine::Instance();
    engine.DestroySpaces();
    engine.Shutdown();
    InputController::seedOverride.reset();
}

void LevelRun::ConnectGamepad() {
    if (scriptedGamepad != nullptr) {
        scriptedGamepad->present = true;
        gameplaySystem->gamepadPresent = 1;
    }
}

void LevelRun::Apply(const InputEvent& event) {
    switch (event.kind) {
        case InputEvent::Kind::Key:
            windowSystem->OnKey(event.code, event.down ? GLFW_PRESS : GLFW_RELEASE);
            break;
        case InputEvent::Kind::Axis:
            if (scriptedGamepad == nullptr) {
                break;
            }
            if (scriptedGamepad->axes.size() <= static_cast<std::size_t>(event.code)) {
                scriptedGamepad->axes.resize(event.code + 1, 0.0f);
            }
            scriptedGamepad->axes[event.code] = event.value;
            break;
        case InputEvent::Kind::Button:
            if (scriptedGamepad == nullptr) {
                break;
            }
            if (scriptedGamepad->buttons.size() <= static_cast<std::size_t>(event.code)) {
                scriptedGamepad->buttons.resize(event.code + 1, 0);
            }
            scriptedGamepad->buttons[event.code] = event.down ? GLFW_PRESS : GLFW_RELEASE;
            break;
    }
}

void LevelRun::Draw() {
    Engine::Instance().DrawFrame();
}

void LevelRun::Present() {
    Engine::Instance().PresentFrame();
}

void LevelRun::Step() {
    Draw();
    Present();
}

bool LevelRun::Running() const {
    return Engine::Instance().running;
}
