#pragma once

#include <memory>
#include <string>
#include <vector>

#include "audio/Result.h"

namespace audio {

class Channel;
class ChannelGroup;
class Sound;

// Channel indices for PlaySound besides a channel's own index.
constexpr int FreeChannel = -1;
constexpr int ReuseChannel = -2;

// The audio library object: opens the output device, owns every sound, channel and channel
// group, and keeps streams fed from Update. Without an output device it runs silent: Init
// reports OutputInit once and every operation after it succeeds without a sound being heard.
class System {
public:
    System();
    System(const System&) = delete;
    System& operator=(const System&) = delete;
    ~System();

    // The number of output devices the platform lists.
    Result GetNumDrivers(int* count);

    // Opens the default output device with the given number of channels.
    Result Init(int maxChannels);

    // A sound decoded whole into memory.
    Result CreateSound(const std::string& path, unsigned mode, Sound** sound);
    // A sound read from its file while it plays.
    Result CreateStream(const std::string& path, unsigned mode, Sound** sound);
    Result CreateChannelGroup(ChannelGroup** group);

    // Plays a sound on a channel and writes the channel to *channel when channel is not null.
    // The index is a channel index, FreeChannel (any idle channel; with none idle, the one
    // playing longest is taken) or ReuseChannel (the channel *channel holds, if this slot was the
    // last to play on it; else as FreeChannel). The channel starts on no group at volume 1.
    Result PlaySound(int channelIndex, Sound* sound, bool paused, Channel** channel);

    Result GetChannel(int index, Channel** channel);

    // Once a frame: feeds the streams and frees the channels whose sound has ended.
    Result Update();

    // Stops everything and frees every sound, group and channel, then the device.
    Result Release();

    // True once Init found no output device.
    bool IsSilent() const { return silent; }

private:
    friend class ChannelGroup;
    friend class Sound;

    struct Output;

    Result CreateSound(const std::string& path, unsigned mode, bool stream, Sound** sound);
    Result ReleaseSound(Sound* sound);
    Channel* FreeChannelToTake();
    bool Owns(const Channel* channel) const;

    std::unique_ptr<Output> output;
    bool initialized = false;
    bool silent = false;
    unsigned long long plays = 0;
    std::vector<std::unique_ptr<Channel>> channels;
    std::vector<std::unique_ptr<ChannelGroup>> groups;
    std::vector<std::unique_ptr<Sound>> sounds;
};

}  // namespace audio
