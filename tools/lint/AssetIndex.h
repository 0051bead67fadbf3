#pragma once

#include <cstdint>
#include <map>
#include <string>

// The two asset lists as the loading pass reads them from the working directory: under which
// name the texture registry and the sound table will hold each picture and sound, and the list
// line it comes from.
class AssetIndex {
public:
    struct Entry {
        // The list folder and the line's entry, as the game opens it ("Textures/" + entry).
        std::string path;
        // Its line in the list.
        std::int64_t line = 0;
        bool fileExists = false;
    };

    AssetIndex();

    // The entry a picture name is loaded from: the last with that file name, since each load
    // replaces the registry's entry. Null for a name the list does not load.
    const Entry* Picture(const std::string& name) const;
    // The entry a sound name is loaded from: the first with that file name, since the sound
    // table keeps the earliest. Null for a name the list does not load.
    const Entry* Sound(const std::string& name) const;

    // The lists as they stand on disk, relative to the content folder.
    std::string spriteList;
    std::string soundList;
    bool spriteListRead = false;
    bool soundListRead = false;

private:
    std::map<std::string, Entry> pictures;
    std::map<std::string, Entry> sounds;
};
