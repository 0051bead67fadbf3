#include "systems/UserDataFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace {

constexpr const char* GameFolderName = "Velmora";

bool IsAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

// The XDG rules ignore relative values: they would depend on the working directory.
std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); IsAbsolute(home)) {
        return home;
    }
    if (const passwd* account = ::getpwuid(::getuid());
        account != nullptr && IsAbsolute(account->pw_dir)) {
        return account->pw_dir;
    }
    return ".";
}

}  // namespace

std::string UserDataFolder::GameFolder() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); IsAbsolute(data)) {
        return std::string(data) + "/" + GameFolderName;
    }
    return HomeFolder() + "/.local/share/" + GameFolderName;
}

std::string UserDataFolder::ConfigFolder() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); IsAbsolute(config)) {
        return std::string(config) + "/" + GameFolderName;
    }
    return HomeFolder() + "/.config/" + GameFolderName;
}
