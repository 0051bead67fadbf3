#include "Core/LevelLoader.h"

#include <cstdint>

#include "Core/ContentFile.h"
#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "Core/LevelList.h"
#include "Core/LevelReader.h"
#include "Core/Space.h"

namespace {

constexpr std::string_view ContentFolder = "TandrelLevelDesigner/Content/";
constexpr std::string_view LevelExtension = ".Level.data";
// Every space is stepped by the five systems, in type-id order.
constexpr std::int32_t SystemCount = 5;

}  // namespace

std::string LevelPath(std::string_view fileName) {
    std::string path(ContentFolder);
    path += fileName;
    path += LevelExtension;
    return path;
}

void LoadLevel(const std::string& name, LoadMode mode) {
    Engine& engine = Engine::Instance();
    Space* target = nullptr;
    for (const auto& space : engine.spaces) {
        if (ContentFile::SameIgnoringCase(space->name, name)) {
            target = space.get();
            break;
        }
    }

    if (target != nullptr) {
        while (engine.CurrentSpace() != target) {
            engine.RemoveCurrentSpace();
        }
        RestartMusic(*target);
        CallHook(engine.hooks.followCamera, *target);
    } else {
        if (mode == LoadMode::PlayableLevel) {
            CallHook(engine.hooks.stopAllSounds);
        }
        engine.spaces.push_back(CreateSpace(name, LevelList::FileName(name), mode));
    }

    Message levelStart;
    engine.CurrentSpace()->Broadcast(&Observer::OnLevelStart, &levelStart);
}

std::unique_ptr<Space> CreateSpace(const std::string& name, const std::string& fileName,
                                   LoadMode mode) {
    auto space = std::make_unique<Space>(mode, name, LevelPath(fileName));
    // Looked up by type id: the space keeps them as plain systems.
    const Engine& engine = Engine::Instance();
    for (std::int32_t typeId = 0; typeId < SystemCount; ++typeId) {
        space->systems.push_back(engine.FindSystem(typeId));
    }
    // The main menu is the one screen that starts music of its own; other screens keep what is
    // playing.
    if (name == ScreenName::MainMenu || mode != LoadMode::Screen) {
        CallHook(engine.hooks.playBackgroundMusic, *space);
    }
    return space;
}

void RestartMusic(Space& space) {
    const Engine& engine = Engine::Instance();
    CallHook(engine.hooks.stopAllSounds);
    CallHook(engine.hooks.playBackgroundMusic, space);
}

void RestartLevel(Space& space) {
    CallHook(Engine::Instance().hooks.stopLevelSounds);
    space.ClearObjects();
    LevelReader::Build(space);
}

bool IsCurrentSpace(const std::string& name) {
    const Space* current = Engine::Instance().CurrentSpace();
    return current != nullptr && current->name == name;
}
