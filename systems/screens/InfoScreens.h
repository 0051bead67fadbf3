#pragma once

#include "systems/screens/ScreenTable.h"

// "howToPlay": the controls, as a keyboard or a gamepad picture by what is connected.
// Backspace or Escape goes back.
ScreenOutcome RunHowToPlay(GameplaySystem& gameplay, Space& screen);

// "credits": the camera scrolls down the credits and stops below y -25. Backspace or Escape
// goes back.
ScreenOutcome RunCredits(GameplaySystem& gameplay, Space& screen);
