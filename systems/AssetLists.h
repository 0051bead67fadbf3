#pragma once

#include <functional>
#include <string>

// The two asset lists, which name every sound and image the game loads, and the handling of
// files dropped onto the window, which adds them to the lists and loads them on the spot.
// A list holds one entry a line: the text before the line's first ";".
class AssetLists {
public:
    static constexpr const char* SoundList = "Audio\\AudioFiles.txt";
    static constexpr const char* SpriteList = "Textures\\SpriteList.txt";
    static constexpr const char* SoundFolder = "SoundFiles/";
    // Every picture is read from here, relative to the content folder.
    static constexpr const char* ImageFolder = "Textures/";

    enum class FileKind { Audio, Image, Unsupported };

    // Loads every sound of the sound list into the sound table, calling drawFrame (the loading
    // picture) before each entry. A list that cannot be read loads nothing.
    static void LoadSounds(const std::function<void()>& drawFrame = {});

    // The text of a list line before its first ";".
    static std::string EntryOf(const std::string& line);

    // A dropped file's kind by the last three characters of its name, letter case counting;
    // prints "Music file" or "Image file" for the kinds the game takes.
    static FileKind Classify(const std::string& path);

    // Adds a dropped file's name to the list of its kind unless it is listed already. A name
    // that would break the list's lines (a line break or a ";") is refused with a message.
    static void Import(const std::string& path);

    // Whether a whitespace-separated word of the list is the name followed by ";".
    static bool IsListed(const std::string& list, const std::string& name);

    // Loads a dropped file from the game's own folder of its kind.
    static void LoadDroppedFile(const std::string& fileName);
};
