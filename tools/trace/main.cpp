#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include <AL/alc.h>
#include <AL/alext.h>
#include <GLFW/glfw3.h>

#include "Core/Engine.h"
#include "Core/LevelList.h"
#include "Core/LevelLoader.h"
#include "InputScript.h"
#include "Screenshot.h"
#include "StateWriter.h"
#include "TraceOptions.h"
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

constexpr int BadUsage = 2;

// Standard output carries only the JSON lines: everything the game prints goes to standard
// error, including what libraries write to the standard output's file descriptor.
std::FILE* TakeStandardOutput() {
    std::fflush(stdout);
    const int json = ::dup(STDOUT_FILENO);
    ::dup2(STDERR_FILENO, STDOUT_FILENO);
    return ::fdopen(json, "w");
}

void Apply(const InputEvent& event, Window& window, ScriptedGamepad* gamepad) {
    switch (event.kind) {
        case InputEvent::Kind::Key:
            window.OnKey(event.code, event.down ? GLFW_PRESS : GLFW_RELEASE);
            break;
        case InputEvent::Kind::Axis:
            if (gamepad->axes.size() <= static_cast<std::size_t>(event.code)) {
                gamepad->axes.resize(event.code + 1, 0.0f);
            }
            gamepad->axes[event.code] = event.value;
            break;
        case InputEvent::Kind::Button:
            if (gamepad->buttons.size() <= static_cast<std::size_t>(event.code)) {
                gamepad->buttons.resize(event.code + 1, 0);
            }
            gamepad->buttons[event.code] = event.down ? GLFW_PRESS : GLFW_RELEASE;
            break;
    }
}

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

std::vector<std::string> StackNames() {
    std::vector<std::string> names;
    for (const auto& space : Engine::Instance().spaces) {
        names.push_back(space->name);
    }
    return names;
}

int Run(const TraceOptions& options, const InputScript& script, std::FILE* json) {
    InstallLevelKeys();
    auto window = std::make_shared<Window>();
    window->visible = options.visible;
    ScriptedGamepad* gamepad = nullptr;
    if (script.UsesGamepad()) {
        auto scripted = std::make_unique<ScriptedGamepad>();
        gamepad = scripted.get();
        window->SetGamepad(std::move(scripted));
    }
    auto gameplay = std::make_shared<GameplaySystem>();
    auto sound = std::make_shared<SoundSystem>();
    auto graphics = std::make_shared<Graphics>();

    // Everything the game would seed from the clock takes the given seed.
    std::srand(options.seed);
    InputController::seedOverride = options.seed;

    Engine& engine = Engine::Instance();
    engine.Startup({window, sound, std::make_shared<Physics>(), graphics, gameplay});
    if (!options.sound) {
        HoldSilentOutput();
    }
    // The loading screen ticks the limiter after each loading frame; the tool never waits.
    engine.limiter.targetRate = std::numeric_limits<float>::infinity();
    if (options.start) {
        engine.LoadFirstLevel();
    } else {
        LevelList::Read("Gameplay/Levels.txt");
        AssetLists::LoadSounds();
        TextureRegistry::LoadSpriteList();
        LoadLevel(options.level, options.screen ? LoadMode::Screen : LoadMode::PlayableLevel);
    }

    StateWriter writer(json, options.watch);
    const auto writeFrame = [&](std::int64_t frame) {
        Space* space = engine.CurrentSpace();
        if (options.flow) {
            writer.WriteFlow(frame, *gameplay, *sound, *graphics, space);
        }
        if (space != nullptr) {
            writer.WriteFrame(frame, *space);
        }
    };
    writeFrame(0);
    std::int64_t frame = 0;
    while (frame < options.frames && engine.running) {
        ++frame;
        for (const InputEvent& event : script.EventsOf(frame)) {
            Apply(event, *window, gamepad);
        }
        engine.DrawFrame();
        for (const ScreenshotRequest& screenshot : options.screenshots) {
            if (screenshot.frame == frame) {
                WriteScreenshot(screenshot.file, window->width, window->height);
            }
        }
        engine.PresentFrame();
        if (frame % options.every == 0) {
            writeFrame(frame);
        }
    }
    writer.WriteSummary(frame, StackNames(), gameplay->boostCount);

    engine.DestroySpaces();
    engine.Shutdown();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    TraceOptions options;
    InputScript script;
    try {
        options =
            ParseTraceOptions(std::vector<std::string>(argv + 1, argv + argc), VELMORA_CONTENT_DIR);
        if (options.help) {
            std::cout << TraceUsage();
            return 0;
        }
        if (!options.inputFile.empty()) {
            std::ifstream input(options.inputFile);
            if (!input) {
                throw UsageError("cannot read the input file " + options.inputFile);
            }
            script = InputScript::Read(input, options.inputFile);
        }
        if (::chdir(options.contentFolder.c_str()) != 0) {
            throw UsageError("cannot enter the content folder " + options.contentFolder);
        }
    } catch (const UsageError& error) {
        std::cerr << "velmora-trace: " << error.what() << std::endl;
        return BadUsage;
    }
    if (!options.sound) {
        ::setenv("ALSOFT_DRIVERS", "null", 1);
    }
    std::FILE* json = TakeStandardOutput();
    const int status = Run(options, script, json);
    std::fclose(json);
    return status;
}
