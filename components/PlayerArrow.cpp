#include "components/PlayerArrow.h"

// The marker follows the player once it is stepped; it has no data of its own.
