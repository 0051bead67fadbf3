// Feeds arbitrary bytes to the level unlock save as the save's text, asks for a few entries and
// runs the three rewrites on it, checking what every rewrite promises: it writes each line it
// read with its newline, changing none but state lines, and after "unlock all" no line is
// "unlocked 0".

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "systems/UnlockSave.h"

namespace {

// One folder per fuzzing process, removed at exit. In memory where the system has it: every
// rewrite syncs the disk.
class ScratchSave {
public:
    ScratchSave() {
        const std::filesystem::path memory = "/dev/shm";
        std::error_code error;
        const std::filesystem::path base = std::filesystem::is_directory(memory, error)
                                               ? memory
                                               : std::filesystem::temp_directory_path();
        folder = base / ("velmora-fuzz-save-" + std::to_string(::getpid()));
        save.SetUp(folder.string());
    }
    ~ScratchSave() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    ScratchSave(const ScratchSave&) = delete;
    ScratchSave& operator=(const ScratchSave&) = delete;

    void Write(const std::string& bytes) const {
        std::ofstream file(save.SavePath(), std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    // The save's lines as written: the rewrite ends every line with a newline.
    std::vector<std::string> WrittenLines() const {
        std::ifstream file(save.SavePath(), std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(file, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    std::filesystem::path folder;
    UnlockSave save;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ScratchSave scratch;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    scratch.Write(bytes);
    const std::vector<std::string> lines = UnlockSave::Lines(bytes);

    static_cast<void>(scratch.save.IsUnlocked("levelSelectGear1"));
    static_cast<void>(scratch.save.IsUnlocked("BearGearBrown"));
    if (!lines.empty()) {
        static_cast<void>(scratch.save.IsUnlocked(lines.front()));
    }

    scratch.save.Rewrite(false, false);
    const std::vector<std::string> won = scratch.WrittenLines();
    if (won.size() != lines.size()) {
        __builtin_trap();
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (won[i] != lines[i] && won[i] != UnlockSave::UnlockedLine) {
            __builtin_trap();
        }
    }
    scratch.save.Rewrite(false, true);
    if (scratch.WrittenLines().size() != lines.size()) {
        __builtin_trap();
    }
    scratch.save.Rewrite(true, false);
    const std::vector<std::string> unlocked = scratch.WrittenLines();
    if (unlocked.size() != lines.size()) {
        __builtin_trap();
    }
    for (const std::string& line : unlocked) {
        if (line == UnlockSave::LockedLine) {
            __builtin_trap();
        }
    }
    return 0;
}
