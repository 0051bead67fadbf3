#pragma once

#include "Core/ComponentType.h"
#include "Core/Observer.h"

class GameObject;

// A piece of data and behaviour of one type, attached to one game object, which owns it.
// Components reach their siblings through their owner by type id.
class Component : public Observer {
public:
    // Called once, after the whole object has been read from its level file, in the fixed type
    // order of the level builder.
    virtual void Initialize();
    // Nothing in the engine calls it; an emitter restarts its particles with it.
    virtual void Reset();

    // Written when the component is attached.
    ComponentType myTypeId = ComponentType::None;
    // Written by the level reader just before attaching.
    GameObject* owner = nullptr;
};
