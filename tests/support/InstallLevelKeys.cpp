// Linked into every suite that reads levels: they read them with the game's keys, as the game
// does, from before the first test runs.
#include "components/LevelKeys.h"

namespace {
const bool installed = (InstallLevelKeys(), true);
}  // namespace
