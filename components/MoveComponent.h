#pragma once

#include <cstdint>
#include <vector>

#include <glm/vec3.hpp>

#include "Core/Component.h"
#include "Core/Easing.h"

// Moves its object around a closed route of waypoints, one eased move per period: each move
// takes MoveDuration and the next starts one frame after it ends, so the object rests a frame
// at every waypoint. The waypoints are used as the level file gives them; a route without
// waypoints does nothing.
class MoveComponent : public Component {
public:
    static constexpr ComponentType Type = ComponentType::MoveComponent;

    void OnUpdate(UpdateMessage* message) override;

    // The waypoints, absolute positions, in file order.
    std::vector<glm::vec3> DestPosition;
    // Null when the level names no easing; the moves are then linear.
    EasingFunction MoveEase = nullptr;
    // Seconds until the next move starts.
    float MoveTimer = 0.0f;
    // Length of each move and time between move starts, in seconds.
    float MoveDuration = 0.0f;
    // The waypoint the next move goes to, before wrapping.
    std::uint32_t nextIndex = 0;
};
