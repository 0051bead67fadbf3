#include "components/SpriteText.h"

// Text is data: the level reader fills it and the text renderer draws it.
