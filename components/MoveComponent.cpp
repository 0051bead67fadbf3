#include "components/MoveComponent.h"

// A route is data until its object is stepped; the level reader fills it.
