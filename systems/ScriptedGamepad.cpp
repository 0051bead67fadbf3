#include "systems/ScriptedGamepad.h"

namespace {
constexpr int AxisCount = 6;
constexpr int ButtonCount = 16;
}  // namespace

ScriptedGamepad::ScriptedGamepad() : axes(AxisCount, 0.0f), buttons(ButtonCount, 0) {}
