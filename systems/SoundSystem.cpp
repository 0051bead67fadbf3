#include "systems/SoundSystem.h"

#include <iostream>

#include <GLFW/glfw3.h>

#include "Core/ContentFile.h"
#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "Core/Space.h"
#include "audio/Channel.h"
#include "audio/ChannelGroup.h"
#include "audio/Sound.h"
#include "audio/System.h"
#include "components/SoundEmitter.h"
#include "systems/Window.h"

namespace {
constexpr int MaxChannels = 512;
constexpr float PlayerGroupVolume = 0.05f;
constexpr float PlayerGroupPitch = 0.4f;
// The keys 1 and 2.
constexpr int FadeOutKey = GLFW_KEY_1;
constexpr int FadeInKey = GLFW_KEY_2;
}  // namespace

SoundSystem::SoundSystem()
    : System(TypeId, "SoundSystem", MaskBit), library(std::make_unique<audio::System>()) {
    int drivers = 0;
    Report(library->GetNumDrivers(&drivers));
    if (drivers == 0) {
        std::cout << " Error getting driver count" << std::endl;
    }
}

SoundSystem::~SoundSystem() {
    for (const auto& [name, cell] : SoundTable::Entries()) {
        cell->sound = nullptr;
    }
}

void SoundSystem::Initialize() {
    Report(library->Init(MaxChannels));
    for (audio::ChannelGroup*& group : groups) {
        Report(library->CreateChannelGroup(&group));
    }
    SetGroupVolume(SoundGroup::Player, PlayerGroupVolume);
    if (audio::ChannelGroup* player = Group(SoundGroup::Player)) {
        player->SetPitch(PlayerGroupPitch);
    }

    EngineHooks& hooks = Engine::Instance().hooks;
    hooks.stopAllSounds = [] {
        if (const auto sound = TryGetSystem<SoundSystem>()) {
            sound->StopAllChannels();
        }
    };
    hooks.stopLevelSounds = [] {
        if (const auto sound = TryGetSystem<SoundSystem>()) {
            sound->StopGroup(SoundGroup::Effect);
            sound->StopGroup(SoundGroup::Player);
        }
    };
    hooks.playBackgroundMusic = [](Space& space) {
        if (const auto sound = TryGetSystem<SoundSystem>()) {
            sound->PlayBackgroundMusic(space);
        }
    };
}

void SoundSystem::Update(float dt, Space*) {
    const auto window = GetSystem<Window>();
    if (window->IsTriggered(FadeOutKey)) {
        fadeOut = true;
    }
    if (window->IsTriggered(FadeInKey)) {
        fadeIn = true;
    }
    if (fadeOut || fadeIn) {
        musicVolume = fadeOut ? musicVolume - dt : musicVolume + dt;
        // The group hears the value before it is held to its bounds.
        SetGroupVolume(SoundGroup::Music, musicVolume);
        if (musicVolume < 0.0f) {
            musicVolume = 0.0f;
            fadeOut = false;
        }
        if (musicVolume > 1.0f) {
            fadeIn = false;
            musicVolume = 1.0f;
        }
    }
    library->Update();
}

void SoundSystem::Shutdown() {
    EngineHooks& hooks = Engine::Instance().hooks;
    hooks.stopAllSounds = nullptr;
    hooks.stopLevelSounds = nullptr;
    hooks.playBackgroundMusic = nullptr;
    for (const auto& [name, cell] : SoundTable::Entries()) {
        if (cell->sound != nullptr) {
            Report(cell->sound->Release());
            cell->sound = nullptr;
        }
    }
    Report(library->Release());
    groups.fill(nullptr);
}

SoundSystem::SoundKind SoundSystem::KindOf(const std::string& path) {
    if (path.find("music") != std::string::npos) {
        return SoundKind::Music;
    }
    if (path.find("effect") != std::string::npos) {
        return SoundKind::Effect;
    }
    return SoundKind::Untagged;
}

std::pair<std::string, std::unique_ptr<SoundCell>> SoundSystem::LoadSound(const std::string& path) {
    auto cell = std::make_unique<SoundCell>();
    const SoundKind kind = KindOf(path);
    if (kind == SoundKind::Untagged) {
        std::cout << "FMOD ERROR:: Sound filename not properly tagged as xxxxmusic.mp3 or "
                     "xxxxeffect.mp3"
                  << std::endl;
    } else {
        const std::string file = ContentFile::Resolve(path);
        if (kind == SoundKind::Music) {
            library->CreateStream(file, audio::Software, &cell->sound);
        } else {
            library->CreateSound(file, audio::Software, &cell->sound);
        }
    }
    return {std::string(ContentFile::FileNamePart(path)), std::move(cell)};
}

SoundCell* SoundSystem::AddToTable(const std::string& name, std::unique_ptr<SoundCell> cell) {
    audio::Sound* loaded = cell->sound;
    SoundCell* kept = SoundTable::Insert(name, std::move(cell));
    if (kept->sound == nullptr) {
        kept->sound = loaded;
    } else if (loaded != nullptr && kept->sound != loaded) {
        Report(loaded->Release());
    }
    return kept;
}

bool SoundSystem::Start(SoundCell* cell, bool loop, audio::Channel** channelSlot, bool paused) {
    if (cell == nullptr || cell->sound == nullptr) {
        return false;
    }
    audio::Sound* sound = cell->sound;
    if (loop) {
        sound->SetMode(audio::LoopNormal);
        sound->SetLoopCount(-1);
    } else {
        sound->SetMode(audio::LoopOff);
    }
    const audio::Result result =
        library->PlaySound(channelSlot != nullptr ? audio::ReuseChannel : audio::FreeChannel, sound,
                           paused, channelSlot);
    Report(result);
    return result == audio::Result::Ok;
}

void SoundSystem::Play(SoundCell* cell, bool loop, audio::Channel** channelSlot, bool paused) {
    Start(cell, loop, channelSlot, paused);
}

audio::Channel* SoundSystem::PlayOnGroup(SoundEmitter& emitter, bool loop, SoundGroup group) {
    if (!Start(emitter.sound, loop, &emitter.channelSlot, false)) {
        return nullptr;
    }
    PutOnGroup(emitter.channelSlot, group);
    return emitter.channelSlot;
}

void SoundSystem::PutOnGroup(audio::Channel* channel, SoundGroup group) {
    if (channel != nullptr) {
        channel->SetChannelGroup(Group(group));
    }
}

audio::ChannelGroup* SoundSystem::Group(SoundGroup group) const {
    return groups[static_cast<std::size_t>(group)];
}

void SoundSystem::PlayObject(GameObject* object, SoundGroup group) {
    if (object == nullptr) {
        return;
    }
    if (auto* emitter = object->GetComponent<SoundEmitter>()) {
        PlayOnGroup(*emitter, false, group);
    }
}

void SoundSystem::PlayBackgroundMusic(Space& space) {
    GameObject* music = space.FindObject(ObjectName::BackgroundMusic);
    if (music == nullptr) {
        return;
    }
    if (auto* emitter = music->GetComponent<SoundEmitter>()) {
        PlayOnGroup(*emitter, true, SoundGroup::Music);
    }
}

void SoundSystem::StopAllChannels() {
    for (int index = 0; index < MaxChannels; ++index) {
        audio::Channel* channel = nullptr;
        if (library->GetChannel(index, &channel) == audio::Result::Ok && channel != nullptr) {
            channel->Stop();
        }
    }
}

void SoundSystem::StopGroup(SoundGroup group) {
    audio::ChannelGroup* channelGroup = Group(group);
    if (channelGroup == nullptr) {
        std::cout << "Trying to stop a channel group that doesn't exist" << std::endl;
        return;
    }
    Report(channelGroup->Stop());
}

void SoundSystem::SetGroupVolume(SoundGroup group, float volume) {
    if (audio::ChannelGroup* channelGroup = Group(group)) {
        channelGroup->SetVolume(volume);
    }
}

void SoundSystem::SetGroupMute(SoundGroup group, bool mute) {
    if (audio::ChannelGroup* channelGroup = Group(group)) {
        channelGroup->SetMute(mute);
    }
}

void SoundSystem::SetGroupPaused(SoundGroup group, bool paused) {
    if (audio::ChannelGroup* channelGroup = Group(group)) {
        channelGroup->SetPaused(paused);
    }
}

void SoundSystem::MuteMusic(bool mute) {
    SetGroupMute(SoundGroup::Music, mute);
}

void SoundSystem::MuteEffects(bool mute) {
    SetGroupMute(SoundGroup::Effect, mute);
    SetGroupMute(SoundGroup::Player, mute);
}

void SoundSystem::Report(audio::Result result) {
    if (result != audio::Result::Ok) {
        const int code = static_cast<int>(result);
        std::cout << "FMOD error! (" << code << ") " << audio::ErrorText(code) << std::endl;
    }
}
