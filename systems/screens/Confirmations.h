#pragma once

#include "systems/screens/ScreenTable.h"

// The three questions, each with a keyboard or gamepad picture on its "confirmation" object.
// N or Escape goes back; Y or Enter does what was asked.

// "confirmation" and "quit": Y or Enter ends the game after this frame.
ScreenOutcome RunQuitConfirmation(GameplaySystem& gameplay, Space& screen);

// "ConfMenu", from the pause menu: Y or Enter leaves the level for "mainMenu", music back on.
ScreenOutcome RunLeaveLevelConfirmation(GameplaySystem& gameplay, Space& screen);

// "resetGame", from the options: Y or Enter clears the saved progress and opens "mainMenu";
// going back builds the options' list again.
ScreenOutcome RunResetConfirmation(GameplaySystem& gameplay, Space& screen);
