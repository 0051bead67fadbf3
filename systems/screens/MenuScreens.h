#pragma once

#include "systems/screens/ScreenTable.h"

// The three menus with a cursor, each built from its button file when it shows
// (MenuList.h), moved by MenuNavigation.h.

// "levelSelect": a grid of the levels in rows of six; only unlocked levels can be chosen. The
// 0 key unlocks every level and the secret bears; the bears show in colour once unlocked,
// black shapes until then. Enter opens the chosen level, Backspace or Escape goes back.
ScreenOutcome RunLevelSelect(GameplaySystem& gameplay, Space& screen);

// "pauseMenu", over a level: the music is silent while it shows. Enter on "resumeGame" goes
// back to the level, on "mainMenu" asks first ("ConfMenu"), on any other button opens the
// screen the button names; Backspace or Escape goes back.
ScreenOutcome RunPauseMenu(GameplaySystem& gameplay, Space& screen);

// "options": full screen, mute music, mute all, clear the saved progress (asks first,
// "resetGame"); each box shows its cross while ticked. Backspace or Escape goes back.
ScreenOutcome RunOptionsMenu(GameplaySystem& gameplay, Space& screen);
