#include "components/LoseController.h"

// Losing is the level restart's business; this component only carries the level's values.
