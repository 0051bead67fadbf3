#pragma once

#include <string>

// The player's own folders: the one that stands for Windows' local application data folder on
// this platform, the user's XDG data folder, where the game keeps the little it writes; and the
// XDG configuration folder, where the player may leave settings of the desktop for it.
class UserDataFolder {
public:
    // "$XDG_DATA_HOME/Velmora" when XDG_DATA_HOME is set and absolute, else
    // "$HOME/.local/share/Velmora". Without a usable HOME, the home folder of the user's
    // account is used. The folder is not created here.
    static std::string GameFolder();
    // "$XDG_CONFIG_HOME/Velmora" when XDG_CONFIG_HOME is set and absolute, else
    // "$HOME/.config/Velmora", the home folder found as above. The game only reads there.
    static std::string ConfigFolder();
};
