#pragma once

#include <map>
#include <memory>
#include <string>

namespace audio {
class Sound;
}

// Holds one loaded sound. A cell keeps its address for the whole run, so components keep the
// cell rather than the sound; its sound is null when nothing could be loaded under the name.
struct SoundCell {
    audio::Sound* sound = nullptr;
};

// The process-wide table of loaded sounds, keyed by bare file name. Entries are never removed.
class SoundTable {
public:
    // The cell of a name; an absent name gets a new, empty cell.
    static SoundCell* Find(const std::string& name);

    // Enters a loaded sound's cell under its name. A name already in the table keeps its
    // earlier cell, and the one given is dropped; the cell that stays is returned.
    static SoundCell* Insert(const std::string& name, std::unique_ptr<SoundCell> cell);

    // Every entry, in key order.
    static const std::map<std::string, std::unique_ptr<SoundCell>>& Entries();

private:
    static std::map<std::string, std::unique_ptr<SoundCell>>& Table();
};
