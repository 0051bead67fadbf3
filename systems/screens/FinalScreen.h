#pragma once

class GameplaySystem;
class Space;

// "WinPravineFinal", after the last level. Its music starts once, alone: every other sound
// stops and "backgroundMusic" loops on a channel of no group, so the music group's volume (down
// to nothing after the last level's win) does not silence it; while the options mute the
// music, it stays silent. The camera "CameraComp" rides a
// fixed path: right until x 150, up until y 100, right until x 400, down until y -150, where it
// stops. While it is above y 35 the firework show runs (Fireworks.h). R starts the ride again,
// show and all. Space, Enter or Escape unlock the secret bears (in the unlock save too), bring
// the music group back to full volume and open "mainMenu"; the next visit starts afresh, music
// and show. Runs on every update while the screen is on top, under any other rules.
void RunFinalScreen(GameplaySystem& gameplay, Space& screen);
