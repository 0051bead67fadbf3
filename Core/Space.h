#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Core/GameObject.h"
#include "Core/LoadMode.h"
#include "Core/Subject.h"
#include "Core/System.h"

// One loaded level or screen: its game objects, their index by name and the systems that step
// it. Only the current space (the top of the engine's stack) is stepped and drawn.
class Space : public Subject {
public:
    static constexpr float FixedStep = 0.016f;
    static constexpr std::uint32_t AllSystems = 0x1F;

    // Reads the level file and builds its objects, running their Initialize operations. The
    // system list is still empty when construction returns.
    Space(LoadMode loadMode, std::string name, std::string levelPath);
    Space(const Space&) = delete;
    Space& operator=(const Space&) = delete;
    ~Space() override;

    // Makes a new object at the end of the object list. It is not entered in the name index;
    // the level reader does that with IndexObject.
    GameObject* CreateObject(std::string objectName);

    // Enters an object under its name unless an earlier object holds that name already.
    void IndexObject(GameObject* object);

    // Exact, case-sensitive lookup in the name index; null if absent.
    GameObject* FindObject(const std::string& objectName) const;

    // The per-frame step: the systems in the mask with the fixed step, then every component's
    // actions, then a pending lose request, handed to the game flow's hook. A system may load
    // levels or restart this one while the step runs.
    void Update();

    // Destroys every object from the last to the first and empties the name index.
    void ClearObjects();

    // Delivers a message to every component of every object, in object order, until a handler
    // sets the stop flag. A handler may reload the space's objects; delivery then goes on with
    // whatever stands at the next place.
    template <typename Record>
    void Broadcast(void (Observer::*handler)(Record*), Record* message) const {
        if (message == nullptr) {
            return;
        }
        for (std::size_t i = 0; i < objects.size(); ++i) {
            if (objects[i] == nullptr || message->stop) {
                return;
            }
            for (std::size_t j = 0; i < objects.size() && j < objects[i]->observers.size(); ++j) {
                Observer* observer = objects[i]->observers[j];
                if (observer == nullptr || message->stop) {
                    break;
                }
                (observer->*handler)(message);
            }
        }
    }

    std::string name;
    // Cleared at the start of every update; set during a frame when the player is lost.
    bool loseRequest = false;
    std::uint32_t systemMask = AllSystems;
    std::map<std::string, GameObject*> objectsByName;
    std::vector<std::unique_ptr<GameObject>> objects;
    std::vector<std::shared_ptr<System>> systems;
    std::string levelPath;
    LoadMode loadMode;
};
