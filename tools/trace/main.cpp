#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "ContentFolder.h"
#include "Core/Engine.h"
#include "InputScript.h"
#include "LevelRun.h"
#include "Screenshot.h"
#include "StateWriter.h"
#include "TraceOptions.h"
#include "systems/GameplaySystem.h"
#include "systems/Graphics.h"
#include "systems/SoundSystem.h"
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

std::vector<std::string> StackNames() {
    std::vector<std::string> names;
    for (const auto& space : Engine::Instance().spaces) {
        names.push_back(space->name);
    }
    return names;
}

int Run(const TraceOptions& options, const InputScript& script, std::FILE* json) {
    LevelRunOptions run;
    run.level = options.level;
    run.start = options.start;
    run.screen = options.screen;
    run.headless = options.headless;
    run.visible = options.visible;
    run.sound = options.sound;
    run.gamepad = script.UsesGamepad();
    run.seed = options.seed;
    LevelRun game(run);

    StateWriter writer(json, options.watch);
    const auto writeFrame = [&](std::int64_t frame) {
        Space* space = Engine::Instance().CurrentSpace();
        if (options.flow) {
            writer.WriteFlow(frame, game.gameplay(), game.sound(), game.graphics(), space);
        }
        if (space != nullptr) {
            writer.WriteFrame(frame, *space);
        }
    };
    writeFrame(0);
    std::int64_t frame = 0;
    while (frame < options.frames && game.Running()) {
        ++frame;
        for (const InputEvent& event : script.EventsOf(frame)) {
            game.Apply(event);
        }
        game.Draw();
        for (const ScreenshotRequest& screenshot : options.screenshots) {
            if (screenshot.frame == frame && !options.headless) {
                WriteScreenshot(screenshot.file, game.window().width, game.window().height);
            }
        }
        game.Present();
        if (frame % options.every == 0) {
            writeFrame(frame);
        }
    }
    writer.WriteSummary(frame, StackNames(), game.gameplay().boostCount);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    TraceOptions options;
    InputScript script;
    try {
        options = ParseTraceOptions(std::vector<std::string>(argv + 1, argv + argc),
                                    ContentFolder::Default());
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
    std::FILE* json = TakeStandardOutput();
    const int status = Run(options, script, json);
    std::fclose(json);
    return status;
}
