#pragma once

#include "systems/screens/ScreenTable.h"

// The pictures before the main menu. "SplashScreen" fades its "Splash" picture out over about
// 300 updates, then "TeamLevel" slides its four credit entries in; Space, Enter or Escape on
// either, or the last entry's arrival, opens "ControllerScreen". These run under every space.
void RunSplashRules(GameplaySystem& gameplay, Space& top);

// "ControllerScreen" fades its controller hint in and opens "mainMenu" after about 286
// updates, or at once on Space, Enter or Escape.
ScreenOutcome RunControllerScreen(GameplaySystem& gameplay, Space& screen);
