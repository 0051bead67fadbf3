#pragma once

#include <string>

// The folder that stands for Windows' local application data folder on this platform: the
// user's XDG data folder, where the game keeps the little it writes.
class UserDataFolder {
public:
    // "$XDG_DATA_HOME/Velmora" when XDG_DATA_HOME is set and absolute, else
    // "$HOME/.local/share/Velmora". Without a usable HOME, the home folder of the user's
    // account is used. The folder is not created here.
    static std::string GameFolder();
};
