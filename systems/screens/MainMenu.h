#pragma once

#include "systems/screens/ScreenTable.h"

// "mainMenu": a gear with six teeth, one entry each. A or Left turns it a sixth of a turn one
// way and D or Right the other, with a click when the turn is done; Enter acts on the entry
// the index names (Play, level selection, options, how to play, quit, credits). Play rolls
// "velmo" off the screen, then opens the first level. The title slides in, rocks and breathes,
// and shows its other picture once the secret bear levels are unlocked.
ScreenOutcome RunMainMenu(GameplaySystem& gameplay, Space& menu);
