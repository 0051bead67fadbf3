#include "components/Transform.h"

// A transform is data only: the level reader fills it and every other part reads it.
