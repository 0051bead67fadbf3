#pragma once

#include <glm/vec3.hpp>

class GameObject;

// How the player's gear meshes with the gears around it. The player carries a
// MovingGearCollider, a RigidBody and an InputController; a gear carries a GearCollider, a
// Transform and a RigidBody. A missing component is reported and the rule does nothing.

// Whether the player engages the gear this frame. Out of reach, it prunes the player's
// contacts. While the player rides another gear it may switch onto this one: the switch pause
// starts and the gear's components receive OnCollision, whose handlers may load a level.
bool TestGearContact(GameObject* player, GameObject* gear);

// Shifts the player so that its tooth tip nearest the midpoint of the two centres sits in the
// gear's gap nearest it, and records the gear as a contact.
void ResolveGearContact(GameObject* player, GameObject* gear);

// The player's tooth tip nearest the point; (100, 100, point.z) when none is nearer than that.
glm::vec3 NearestToothTip(GameObject* player, glm::vec3 point);

// The bottom of the gear's tooth gap nearest the point; (100, 100, point.z) when none is
// nearer than that. The gaps stay where the gear stood when it was initialised.
glm::vec3 NearestToothGap(GameObject* gear, glm::vec3 point);

// Appends the gear to the player's contacts unless it is the last entry already.
void AddGearContact(GameObject* player, GameObject* gear);
