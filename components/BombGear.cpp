#include "components/BombGear.h"

// A bomb is armed by the player's gear; until then it only carries the level's values.
