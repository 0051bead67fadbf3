#pragma once

#include <string>

#include <glm/vec3.hpp>

#include "Core/Component.h"

// Where an object stands: position and size in world units, rotation about the view axis.
class Transform : public Component {
public:
    static constexpr ComponentType Type = ComponentType::Transform;

    // The level reader stores x and y at twice the file's values.
    glm::vec3 translation{0.0f};
    glm::vec3 scale{0.0f};
    // Radians about the z axis.
    float rotation = 0.0f;
    std::string name = "Transform";
};
