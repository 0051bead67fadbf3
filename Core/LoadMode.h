#pragma once

#include <cstdint>

// How a level file is loaded: as one of the game's screens, or as a level the player plays.
// Stored in the space; only a playable level stops the sounds of the space before it, starts
// its own music and runs the level rules.
enum class LoadMode : std::int32_t {
    Screen = 0,
    PlayableLevel = 1,
};
