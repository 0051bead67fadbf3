#include "Core/LevelLoader.h"

#include <cctype>

#include "Core/Engine.h"
#include "Core/GameObject.h"
#include "Core/LevelList.h"
#include "Core/LevelReader.h"
#include "Core/Space.h"
#include "components/Camera.h"
#include "components/SoundEmitter.h"
#include "systems/GameplaySystem.h"
#include "systems/Graphics.h"
#include "systems/Physics.h"
#include "systems/SoundSystem.h"
#include "systems/Window.h"

namespace {

constexpr std::string_view ContentFolder = "TandrelLevelDesigner/Content/";
constexpr std::string_view LevelExtension = ".Level.data";
// The one screen that starts music of its own; other screens keep what is playing.
constexpr std::string_view MainMenu = "mainMenu";

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

void PlayBackgroundMusic(Space& space) {
    GameObject* music = space.FindObject("backgroundMusic");
    if (music == nullptr) {
        return;
    }
    if (auto* emitter = music->GetComponent<SoundEmitter>()) {
        GetSystem<SoundSystem>()->PlayOnGroup(*emitter, true, SoundGroup::Music);
    }
}

}  // namespace

std::string LevelPath(std::string_view fileName) {
    std::string path(ContentFolder);
    path += fileName;
    path += LevelExtension;
    return path;
}

void LoadLevel(const std::string& name, std::int32_t mode) {
    Engine& engine = Engine::Instance();
    Space* target = nullptr;
    for (const auto& space : engine.spaces) {
        if (SameIgnoringCase(space->name, name)) {
            target = space.get();
            break;
        }
    }

    if (target != nullptr) {
        while (engine.CurrentSpace() != target) {
            engine.RemoveCurrentSpace();
        }
        RestartMusic(*target);
        if (GameObject* cameraObject = target->FindObject("CameraComp")) {
            if (auto* camera = cameraObject->GetComponent<Camera>()) {
                GetSystem<Graphics>()->currentCamera = camera;
            }
        }
    } else {
        if (mode == PlayableLevelMode) {
            GetSystem<SoundSystem>()->StopAllChannels();
        }
        engine.spaces.push_back(CreateSpace(name, LevelList::FileName(name), mode));
    }

    Message levelStart;
    engine.CurrentSpace()->Broadcast(&Observer::OnLevelStart, &levelStart);
}

std::unique_ptr<Space> CreateSpace(const std::string& name, const std::string& fileName,
                                   std::int32_t mode) {
    auto space = std::make_unique<Space>(mode, name, LevelPath(fileName));
    // Looked up by type id: the space keeps them as plain systems.
    const Engine& engine = Engine::Instance();
    for (std::int32_t typeId : {Window::TypeId, SoundSystem::TypeId, Physics::TypeId,
                                Graphics::TypeId, GameplaySystem::TypeId}) {
        space->systems.push_back(engine.FindSystem(typeId));
    }
    if (name == MainMenu || mode != ScreenMode) {
        PlayBackgroundMusic(*space);
    }
    return space;
}

void RestartMusic(Space& space) {
    GetSystem<SoundSystem>()->StopAllChannels();
    PlayBackgroundMusic(space);
}

void RestartLevel(Space& space) {
    const auto sound = GetSystem<SoundSystem>();
    sound->StopGroup(SoundGroup::Effect);
    sound->StopGroup(SoundGroup::Player);
    space.ClearObjects();
    LevelReader::Build(space);
}

bool IsCurrentSpace(const std::string& name) {
    const Space* current = Engine::Instance().CurrentSpace();
    return current != nullptr && current->name == name;
}
