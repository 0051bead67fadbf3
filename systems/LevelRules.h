#pragma once

class GameplaySystem;
class Space;

// The rules of a playable level, run by the game flow on every update of a level loaded as
// one: the boost gauge, restart with R, the lose blast and the fade, pause.
// NOTE: not built yet; a level runs only its components and the rules under every space.
void RunLevelRules(GameplaySystem& gameplay, Space& level);
