#include <unistd.h>

#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "Core/LevelList.h"
#include "LevelRun.h"

// The headless game velmora-solve searches with, on the largest level file of the shipped
// content: frames per second of everything that decides a level's outcome, with nothing drawn.
namespace {

namespace fs = std::filesystem;

// The playable level (of the level list) whose file is largest.
std::string LargestLevel() {
    LevelList::Read("Gameplay/Levels.txt");
    std::string largest;
    std::uintmax_t size = 0;
    for (const auto& [name, file] : LevelList::Entries()) {
        const fs::path path = "TandrelLevelDesigner/Content/" + file + ".Level.data";
        std::error_code error;
        const std::uintmax_t bytes = fs::file_size(path, error);
        if (!error && bytes > size && name.rfind("levelSelectGear", 0) == 0) {
            size = bytes;
            largest = name;
        }
    }
    return largest;
}

void HeadlessFrame(benchmark::State& state) {
    if (::chdir(VELMORA_CONTENT_FOLDER) != 0) {
        state.SkipWithError("no content folder");
        return;
    }
    LevelRunOptions options;
    options.level = LargestLevel();
    options.headless = true;
    // The silent sound layer says once that there is no output device.
    LevelRun game(options);
    for (auto _ : state) {
        game.Step();
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(options.level + " (items are frames)");
}
BENCHMARK(HeadlessFrame)->MinTime(2.0);

}  // namespace
BENCHMARK_MAIN();
