#include "systems/Physics.h"

Physics::Physics() : System(TypeId, "PhysicsSystem", MaskBit) {}

void Physics::Initialize() {}

void Physics::Update(float, Space*) {}

void Physics::Shutdown() {}
