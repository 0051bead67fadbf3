#pragma once

#include <cstdint>

// The component type ids. Level files and every lookup rely on these exact values.
enum class ComponentType : std::int32_t {
    Transform = 0,
    Sprite = 1,
    RigidBody = 2,
    BoxCollider = 3,
    GearCollider = 4,
    MovingGearCollider = 5,
    SoundEmitter = 6,
    Button = 7,
    Animation = 8,
    Camera = 9,
    WinController = 10,
    LoseController = 11,
    ParticleEmmiter = 12,
    BombGear = 13,
    TeleporterGear = 14,
    PlayerArrow = 15,
    MoveComponent = 16,
    SpriteText = 17,
    CollectibleMove = 18,
    CollectibleGlow = 19,
    // The level reader's marker for "no component section open"; never held by a component.
    None = 20,
    InputController = 21,
};
