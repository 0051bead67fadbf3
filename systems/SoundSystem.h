#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "Core/System.h"
#include "audio/Result.h"
#include "systems/SoundTable.h"

namespace audio {
class Channel;
class ChannelGroup;
class System;
}  // namespace audio
class GameObject;
class SoundEmitter;
class Space;

// The four process-wide channel groups, created once in this order.
enum class SoundGroup { Music, Effect, Player, Blast };

// Owns the sound library, the table of loaded sounds and the music volume fade. Without an
// audio device the game runs silent: the library says so once and every operation does nothing.
class SoundSystem : public System {
public:
    static constexpr std::int32_t TypeId = 1;
    static constexpr std::uint32_t MaskBit = 0x08;

    // How a sound file is opened, decided by its path alone.
    enum class SoundKind { Music, Effect, Untagged };

    SoundSystem();
    // Forgets the table's sounds, which die with the library.
    ~SoundSystem() override;

    void Initialize() override;
    // Runs the music fade and feeds the playing streams.
    void Update(float dt, Space* space) override;
    void Shutdown() override;

    // "music" anywhere in the path is music, else "effect" anywhere is an effect; case counts.
    static SoundKind KindOf(const std::string& path);

    // Loads a sound file, streamed as music or whole as an effect, into a new cell; an untagged
    // path is reported and gives an empty cell. Returns the table name (the file-name part)
    // with the cell, for the caller to enter with AddToTable.
    std::pair<std::string, std::unique_ptr<SoundCell>> LoadSound(const std::string& path);

    // Enters a loaded cell in the sound table. A name already there keeps its cell and that
    // cell's sound; a cell that is still empty (a level looked the name up before the sound was
    // loaded) takes the new sound, so everything linked to it is heard. Returns the kept cell.
    SoundCell* AddToTable(const std::string& name, std::unique_ptr<SoundCell> cell);

    // Plays a cell's sound looping without end or once, into the given channel slot
    // (replacing what that slot played) or, with no slot, on any free channel. An empty cell
    // plays nothing.
    void Play(SoundCell* cell, bool loop, audio::Channel** channelSlot, bool paused);

    // The sequence most players of sounds use: the emitter's sound, unpaused, into the
    // emitter's channel slot, then that channel put on the group. Returns the channel, or null
    // when nothing plays.
    audio::Channel* PlayOnGroup(SoundEmitter& emitter, bool loop, SoundGroup group);

    // Plays the object's sound once, as PlayOnGroup does; an object without a SoundEmitter, or
    // none, plays nothing.
    void PlayObject(GameObject* object, SoundGroup group = SoundGroup::Effect);

    // Puts a playing channel on a group; a null channel is ignored.
    void PutOnGroup(audio::Channel* channel, SoundGroup group);

    // The library's group, or null before Initialize.
    audio::ChannelGroup* Group(SoundGroup group) const;

    // Plays the space's "backgroundMusic" emitter looping on the music group, when it has one.
    void PlayBackgroundMusic(Space& space);

    // Stops every channel, 0 to 511.
    void StopAllChannels();

    // Stops every channel of one group.
    void StopGroup(SoundGroup group);

    void SetGroupVolume(SoundGroup group, float volume);
    void SetGroupMute(SoundGroup group, bool mute);
    void SetGroupPaused(SoundGroup group, bool paused);

    // Mutes or unmutes the music group.
    void MuteMusic(bool mute);
    // Mutes or unmutes the effect group and the player group.
    void MuteEffects(bool mute);

    // Prints a failed library result as one line: "FMOD error! (" code ") " and its text.
    static void Report(audio::Result result);

    // The music volume is falling by dt each update, down to 0.
    bool fadeOut = false;
    // The music volume is rising by dt each update, up to 1.
    bool fadeIn = false;
    // The volume last given to the music group by the fade.
    float musicVolume = 1.0f;

private:
    // Plays and reports; false when nothing was started.
    bool Start(SoundCell* cell, bool loop, audio::Channel** channelSlot, bool paused);

    std::unique_ptr<audio::System> library;
    std::array<audio::ChannelGroup*, 4> groups{};
};
