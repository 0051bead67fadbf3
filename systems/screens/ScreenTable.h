#pragma once

#include <span>

class GameplaySystem;
class Space;

// Whether the screen tests stop after a screen's rules ran, or go on with the next entry.
enum class ScreenOutcome { GoOn, End };

// The rules of one screen, run on the space on top of the stack while it has that name.
using ScreenStep = ScreenOutcome (*)(GameplaySystem& gameplay, Space& screen);

struct ScreenRule {
    const char* screen;
    ScreenStep run;
};

// Every screen with rules of its own, in the order the game flow tests the name of the space
// on top. Each entry is tested against the space on top as it stands when its turn comes.
std::span<const ScreenRule> ScreenRules();
