#pragma once

class Graphics;
class Space;

// What the camera does about the player once the draw pass is over, on the space just drawn.
// While the level's camera is at the distance recorded at level start (not during the intro
// and win zooms), a scrolling camera keeps the player in view: it never trails the player, it
// stops scrolling once past the goal "winBear", and a player that drifts off the left edge of a
// rightward scroll is knocked loose and falls. A player below the view (or above a downward
// scroll) starts the fall-off: the player falls untouchably, and after 84 frames the level's
// lose request is raised, which restarts the level. The state lives in the graphics system:
// its fall-off flag and timer, which the level rules read too.
void RunCameraBehaviour(Graphics& graphics, Space& space);
