#pragma once

#include "Core/Component.h"

// The marker at the top edge of the view that shows where a player launched above it is. Its
// object carries a Transform and a Sprite; it follows the player "velmo" and the camera
// "CameraComp" of its own space, and leaves itself untouched while either is missing.
class PlayerArrow : public Component {
public:
    static constexpr ComponentType Type = ComponentType::PlayerArrow;

    // The marker loses this much of its size per half view height of the player's distance
    // above the view, and keeps at least MinimumScale of it.
    static constexpr float ShrinkPerHalfHeight = 0.3f;
    static constexpr float MinimumScale = 0.4f;
    // A player this high is a lost one parked far above the level: no marker.
    static constexpr float ParkedAbove = 5000.0f;

    // Keeps the marker at the top edge above the player, shows it only while the player is
    // above the view, steerable and not parked, and then shrinks it with the player's distance.
    // Hidden, it has the player's size.
    void OnUpdate(UpdateMessage* message) override;
};
