#pragma once

#include <string_view>

#include "systems/screens/ScreenTable.h"

// "set1WinPravine" to "set4WinPravine", the win screens between the sets of six levels: the win
// jingle "FinalWin" plays once and the firework show runs (Fireworks.h). Space, or the end of the
// show after 401 updates, starts the show afresh for the next time and opens the first level of
// the next set: "levelSelectGear7", "levelSelectGear13", "levelSelectGear19". The fourth screen
// has no set after it: there Space and the end of the show only start the show afresh, and Enter
// or Escape leads back to the main menu with the music at full volume. End means a screen was
// opened, or Space or the end of the show came.
ScreenOutcome RunSetWinScreen(GameplaySystem& gameplay, Space& screen);

// The first level of the set a set win screen leads to; null for the last set's screen and for
// any other name. A win that opens a set win screen is recorded in the save under this level,
// since the screens themselves are no entries of the save.
const char* LevelAfterSetWinScreen(std::string_view screen);
