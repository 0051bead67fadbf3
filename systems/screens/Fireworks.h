#pragma once

class GameplaySystem;
class Space;

// The firework show of the win screens: nine rockets, "firework1" to "firework9", in three waves
// of three. Each wave rises at its own speed until its countdown has run out, then bursts once:
// its rockets turn into bursts of particles (the second and third waves into rings), their sound
// plays, and they stop. The second wave bursts first, after about 30 updates, the first after
// about 50, the third after about 100. The show's own countdown runs out after 401 updates. The
// state of the show is the game flow's firework fields, so a show runs once until it is reset.

// Gives the firework fields their start values and clears the jingle's flag: the next show
// starts afresh.
void ResetFireworks(GameplaySystem& gameplay);

// One update of the show on the screen's rockets: they rise, the countdowns run down by 0.1, and
// every wave whose countdown has run out bursts. A missing rocket or rocket part is skipped. A
// wave also waits while one rocket of the first wave is still bursting: the first wave on
// "firework1", the second on "firework2", the third on "firework3"; without that rocket the
// wave never bursts.
void RunFireworks(GameplaySystem& gameplay, Space& screen);

// Whether the show's countdown has run out.
bool FireworksOver(const GameplaySystem& gameplay);
