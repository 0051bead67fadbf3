// Feeds arbitrary bytes to the level reader and builder, both as a whole level file and as the
// part after the editor's header, so that the line rules are reached without the fuzzer having
// to find 138 line ends first.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "Core/LevelReader.h"
#include "Core/Space.h"
#include "components/LevelKeys.h"

namespace {

// One file per fuzzing process, removed at exit.
class ScratchLevel {
public:
    ScratchLevel()
        : path((std::filesystem::temp_directory_path() /
                ("velmora-fuzz-" + std::to_string(::getpid()) + ".Level.data"))
                   .string()) {}
    ~ScratchLevel() {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
    ScratchLevel(const ScratchLevel&) = delete;
    ScratchLevel& operator=(const ScratchLevel&) = delete;

    void Build(const std::string& bytes) const {
        {
            std::ofstream file(path, std::ios::binary | std::ios::trunc);
            file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
        Space level(LoadMode::PlayableLevel, "fuzz", path);
    }

    std::string path;
};

std::string EditorHeader() {
    std::string header;
    for (int line = 0; line < LevelReader::EditorHeaderLines; ++line) {
        header += "Header\n";
    }
    return header;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool keys = (InstallLevelKeys(), true);
    static_cast<void>(keys);
    static const ScratchLevel scratch;
    static const std::string header = EditorHeader();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    scratch.Build(bytes);
    scratch.Build(header + bytes);
    return 0;
}
