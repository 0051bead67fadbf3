#pragma once

class Space;

// The last level, "levelSelectGear24", climbs at its end: once its camera has passed x 340 it
// stops scrolling right and rises at 0.07 a frame step, and it stops rising above the goal
// "winBear". Runs on every update of that level, under its level rules.
void RunLastLevelCamera(Space& level);
