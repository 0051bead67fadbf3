#include "components/TeleporterGear.h"

// A teleporter waits for the player's gear; until then it only carries the level's values.
