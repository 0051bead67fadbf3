#include "Core/Component.h"

void Component::Initialize() {}
void Component::Reset() {}
