#pragma once

#include <map>
#include <string>
#include <string_view>

// The program-wide map from level names, which the game loads by, to level file names, which
// the level editor saved them under. Read once at start-up.
class LevelList {
public:
    // Replaces the list with the file's entries: each line is a name, a comma and a file name;
    // a line without a comma maps its text to itself, and the first line of a name wins. A file
    // that cannot be opened prints "file not found: " and its path and leaves the list empty.
    static void Read(std::string_view path);

    // The file name listed for a level. A name not listed is entered with an empty file name.
    static std::string FileName(const std::string& name);

    static const std::map<std::string, std::string>& Entries();

private:
    static std::map<std::string, std::string>& List();
};
