#include "systems/MenuList.h"

#include <cmath>
#include <iostream>

#include "Core/Action.h"
#include "Core/Assert.h"
#include "Core/ContentFile.h"
#include "Core/Easing.h"
#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "Core/Space.h"
#include "components/Button.h"
#include "components/Camera.h"
#include "components/Sprite.h"
#include "components/Transform.h"

namespace {

// The options' ticks for the two mute boxes: shown or hidden by the options' state, never by
// the entrance.
bool KeepsItsVisibility(const std::string& name) {
    return name == ObjectName::MuteMusicCross || name == ObjectName::MuteAudioCross;
}

}  // namespace

void MenuList::Build(Space& space, const std::string& file, const std::string& defaultChoice,
                     float duration) {
    buttons.clear();
    choice = defaultChoice;
    ReadButtonFile(buttons, space, file);
    cursor = 0;
    Entrance(space, duration);
    built = true;
}

void MenuList::Clear() {
    buttons.clear();
    cursor = 0;
    built = false;
}

Button* MenuList::Current() const {
    return cursor < buttons.size() ? buttons[cursor] : nullptr;
}

void MenuList::ReadButtonFile(std::vector<Button*>& buttons, Space& space,
                              const std::string& path) {
    ContentFile file(path);
    if (!file.IsOpen()) {
        std::cout << "file not found: " << path << std::endl;
        return;
    }
    std::string name;
    for (int line = 1; file.ReadLine(name); ++line) {
        GameObject* object = space.FindObject(name);
        if (object == nullptr) {
            std::cout << path << " line " << line << ": no object \"" << name << "\" in \""
                      << space.name << "\"" << std::endl;
            continue;
        }
        // The asserting lookup: a named object without a button is an error of the content.
        Button* button = object->GetComponent<Button>();
        if (button == nullptr) {
            std::cout << path << " line " << line << ": \"" << name << "\" has no button"
                      << std::endl;
            continue;
        }
        buttons.push_back(button);
    }
}

void MenuList::Entrance(Space& space, float duration) {
    GameObject* cameraObject = space.FindObject(ObjectName::Camera);
    Camera* camera = cameraObject == nullptr ? nullptr : cameraObject->GetComponent<Camera>();
    if (!VELMORA_ASSERT(camera != nullptr)) {
        return;
    }
    const float distance = camera->CameraComponentFarPlane;
    for (const auto& object : space.objects) {
        if (object == nullptr || object->name == ObjectName::Camera ||
            object->name == ObjectName::Background) {
            continue;
        }
        if (auto* sprite = object->FindComponent<Sprite>();
            sprite != nullptr && !KeepsItsVisibility(object->name)) {
            sprite->Visible = true;
        }
        auto* transform = object->FindComponent<Transform>();
        if (transform == nullptr) {
            continue;
        }
        const glm::vec3 place = transform->translation;
        // At distance 0 nothing moves, and the stretch would divide by zero.
        const float stretch = place.y < 0.0f && distance != 0.0f
                                  ? 1.0f + std::fabs(place.y) / (distance * 0.5f)
                                  : 1.0f;
        transform->translation.y = place.y - distance;
        transform->AddAction(
            Action(&transform->translation, place, duration * stretch, Easing::OutQuad));
    }
}
