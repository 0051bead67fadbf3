#include "components/InputController.h"

#include <cstdlib>
#include <ctime>

#include "Core/GameObject.h"
#include "components/MovingGearCollider.h"
#include "components/RigidBody.h"

void InputController::Initialize() {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    autoPlay = false;
    rigidBody = owner->GetComponent<RigidBody>();
    launched = false;
    disabled = false;
    movingGear = owner->GetComponent<MovingGearCollider>();
}
