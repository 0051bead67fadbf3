#pragma once

class GameObject;

// How the player's gear meets boxes: it lands on them, is pushed out of their sides, bounces
// off them and picks up the boxes that are boosts. The player carries a MovingGearCollider, a
// BoxCollider of its own, a RigidBody and an InputController; a box carries a BoxCollider. A
// missing component is reported and the rule does nothing.

// Whether the player's circle touches the box; for the box it stands on, whether it still
// stands there. Apart, it forgets the walls it has left and the ground that has died.
bool TestBoxContact(GameObject* player, GameObject* box);

// Whether the player's own box still rests on the box it stands on; if not, it falls.
bool TestStillStanding(GameObject* player, GameObject* box);

// The response to a touch: a pickup, a landing, or a push out of the side with a bounce.
void ResolveBoxContact(GameObject* player, GameObject* box);
