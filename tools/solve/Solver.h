#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "LevelRun.h"
#include "Plan.h"

// How long a search may take, and how far the windows are probed.
struct SolveLimits {
    double seconds = 120.0;
    std::int64_t frames = 3600;
    // Frames a decision is moved earlier and later to measure its window.
    int window = 30;
};

// How many frames earlier and later a decision may come, the rest unchanged, and still win.
struct TimingWindow {
    int earlier = 0;
    int later = 0;
    int Frames() const { return earlier + later + 1; }
};

struct SolveResult {
    bool won = false;
    Plan plan;
    std::int64_t framesToWin = 0;
    std::vector<TimingWindow> windows;
    std::int64_t statesExpanded = 0;
    std::int64_t framesSimulated = 0;
    double seconds = 0.0;
    // Giving up: why, the nearest the player came to the sending teleporter (and when and
    // where), and where the player was last lost on that way.
    std::string reason;
    float bestDistance = 0.0f;
    std::int64_t bestFrame = 0;
    float bestX = 0.0f;
    float bestY = 0.0f;
    bool lost = false;
    float lostX = 0.0f;
    float lostY = 0.0f;
};

// Searches for an input that wins a level: from the level's start to the frame in which its
// goal opens the goal's WinLevel. The level runs headless, exactly as the game runs it; the
// player's choices are those of a person: roll left, roll right or neither, jump while carried
// or standing, and, in a level with pickups, a boost one of six ways while boosts are left and
// the player is off the gears (such a level is played with the gamepad, whose right stick
// boosts). A restart or a pause is never chosen.
//
// The search is best-first over the states at every fourth frame: nearest the sending
// teleporter first, with a charge per frame (so that the search also goes on from states that
// wait, say for the intro zoom) and per decision (a person's way is a few well-timed choices),
// and a credit per boost held.
// Each state is a process stopped where its frame ended, so a state is returned to by forking
// it rather than by playing the level again from its start; states seen before (same gear,
// place, speed and time to within a little) are dropped. One process runs at a time, and the
// same level gives the same search every time. After a win, decisions the win does not need
// are left out, and each remaining decision's window is measured frame by frame, each trial
// forked from a state a little before the decision.
class Solver {
public:
    Solver(LevelRunOptions run, SolveLimits limits);

    // Needs the current folder to be the content folder.
    SolveResult Solve();

private:
    LevelRunOptions run;
    SolveLimits limits;
};
