#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Core/Assert.h"
#include "Core/Component.h"
#include "Core/Subject.h"

class Space;

// A named bag of components, at most one of each type, living in a space. Its observers are
// its components, in attachment order, so a message sent to the object reaches each of them.
class GameObject : public Subject {
public:
    // Takes the next serial id (the first object ever made gets 1). Spaces make their objects
    // with Space::CreateObject, which also lists them.
    GameObject(Space* space, std::string name);
    GameObject(const GameObject&) = delete;
    GameObject& operator=(const GameObject&) = delete;
    // Destroys the components front to back.
    ~GameObject() override;

    // Attaches a component under the given type. An object never holds two components of one
    // type: a second one is reported, destroyed and not attached (null is returned).
    Component* AddComponent(ComponentType type, std::unique_ptr<Component> component);

    bool HasComponent(ComponentType type) const;

    // The first attached component of the type, or null.
    Component* GetRawComponent(ComponentType type) const;

    // The component of class T. A missing one is reported as a content error and null is
    // returned; callers that cannot be sure the object has it test HasComponent first.
    template <typename T>
    T* GetComponent() const {
        const ComponentType _typeId = T::Type;
        if (!VELMORA_ASSERT(GetRawComponent(_typeId))) {
            return nullptr;
        }
        return static_cast<T*>(GetRawComponent(_typeId));
    }

    // The component of class T, or null without a report: for callers to whom its absence is
    // an ordinary case.
    template <typename T>
    T* FindComponent() const {
        return static_cast<T*>(GetRawComponent(T::Type));
    }

    std::string Name() const { return name; }

    std::uint32_t id;
    bool alive = true;
    Space* space;
    std::string name;
    std::vector<std::unique_ptr<Component>> components;
};
