#pragma once

class GameplaySystem;
class Space;

// A lose request raised while a space was stepped (the player dropped out of view). The first
// one starts the game flow's lose sequence, which fades the level out and restarts it: the
// countdown is set, and the player "velmo" is lifted far out of every contact and out of view
// and made solid again. Later requests while the sequence runs leave the player alone. Every
// request unmutes the music, unless the options muted it.
void HandleLoseRequest(GameplaySystem& gameplay, Space& space);
