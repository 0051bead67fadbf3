#include "ContentFolder.h"

#include <filesystem>
#include <system_error>

namespace ContentFolder {

std::string Default() {
    namespace fs = std::filesystem;
    std::error_code error;
    // Relative to the tool, so that an install moved to another prefix or unpacked into a
    // scratch root still finds its own content.
    const fs::path tool = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        const fs::path installed =
            (tool.parent_path() / VELMORA_INSTALLED_CONTENT_FROM_TOOLS).lexically_normal();
        if (fs::is_regular_file(installed / "Gameplay/Levels.txt", error)) {
            return installed.string();
        }
    }
    return VELMORA_CONTENT_DIR;
}

}  // namespace ContentFolder
