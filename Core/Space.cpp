#include "Core/Space.h"

#include "Core/Engine.h"
#include "Core/LevelReader.h"

Space::Space(LoadMode loadMode, std::string name, std::string levelPath)
    : name(std::move(name)), levelPath(std::move(levelPath)), loadMode(loadMode) {
    LevelReader::Build(*this);
}

Space::~Space() {
    ClearObjects();
}

GameObject* Space::CreateObject(std::string objectName) {
    objects.push_back(std::make_unique<GameObject>(this, std::move(objectName)));
    return objects.back().get();
}

void Space::IndexObject(GameObject* object) {
    objectsByName.emplace(object->name, object);
}

GameObject* Space::FindObject(const std::string& objectName) const {
    const auto found = objectsByName.find(objectName);
    return found == objectsByName.end() ? nullptr : found->second;
}

void Space::Update() {
    loseRequest = false;
    // By index, re-reading the sizes: a system may rebuild the objects under this loop.
    for (std::size_t i = 0; i < systems.size(); ++i) {
        const std::shared_ptr<System> system = systems[i];
        if ((system->Mask() & systemMask) != 0) {
            system->Update(FixedStep, this);
        }
    }
    for (std::size_t i = 0; i < objects.size(); ++i) {
        for (std::size_t j = 0; j < objects[i]->components.size(); ++j) {
            objects[i]->components[j]->UpdateActions(FixedStep);
        }
    }
    if (loseRequest) {
        CallHook(Engine::Instance().hooks.loseRequest, *this);
    }
}

void Space::ClearObjects() {
    while (!objects.empty()) {
        objects.pop_back();
    }
    objectsByName.clear();
}
