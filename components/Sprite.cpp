#include "components/Sprite.h"

// A sprite is data: the level reader fills it and the renderer draws it.
