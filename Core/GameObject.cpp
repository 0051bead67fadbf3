#include "Core/GameObject.h"

namespace {
std::uint32_t lastObjectId = 0;
}

GameObject::GameObject(Space* space, std::string name)
    : id(++lastObjectId), space(space), name(std::move(name)) {}

GameObject::~GameObject() {
    for (auto& component : components) {
        component.reset();
    }
    alive = false;
    observers.clear();
    components.clear();
}

Component* GameObject::AddComponent(ComponentType type, std::unique_ptr<Component> component) {
    for (auto it = components.begin(); it != components.end(); ++it) {
        if (!VELMORA_ASSERT((*it)->myTypeId != type)) {
            return nullptr;
        }
    }
    component->myTypeId = type;
    Component* attached = component.get();
    components.push_back(std::move(component));
    observers.push_back(attached);
    return attached;
}

bool GameObject::HasComponent(ComponentType type) const {
    return GetRawComponent(type) != nullptr;
}

Component* GameObject::GetRawComponent(ComponentType type) const {
    for (const auto& component : components) {
        if (component->myTypeId == type) {
            return component.get();
        }
    }
    return nullptr;
}
