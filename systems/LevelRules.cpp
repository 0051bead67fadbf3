#include "systems/LevelRules.h"

void RunLevelRules(GameplaySystem&, Space&) {}
