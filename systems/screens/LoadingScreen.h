#pragma once

#include "systems/screens/ScreenTable.h"

// "loading", the game's first space: loads every sound of the sound list, then every picture of
// the sprite list, drawing one loading frame per entry and holding each to the frame rate, then
// opens "SplashScreen".
ScreenOutcome RunLoadingScreen(GameplaySystem& gameplay, Space& screen);
