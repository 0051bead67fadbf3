#pragma once

#include "systems/screens/ScreenTable.h"

class GameplaySystem;
class Space;

// The rules of a playable level, run by the game flow on every update of a level loaded as
// one, after its components: the boost gauge in the view's top-left corner (hidden during the
// camera's intro and win zooms, one fill per boost left), pause on Backspace, Escape or M, the
// first levels' hint, the restart on R or a lose request (20 updates of fade out, the restart
// on the 21st, then the fade in), and the lose blast at the bottom of the view when the
// player has fallen out of it. End means the update ends without the rules under every space.
ScreenOutcome RunLevelRules(GameplaySystem& gameplay, Space& level);
