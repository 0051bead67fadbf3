#include "components/Animation.h"

// The frame list is read with the drawing of animations; until then there is nothing to set up.
void Animation::Initialize() {}

void Animation::Step() {}
