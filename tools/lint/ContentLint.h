#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "AssetIndex.h"
#include "KeyHint.h"
#include "LintFindings.h"
#include "ScannedLevel.h"

// Checks the content folder that is the working directory the way the game uses it, with the
// game's own readers, so that content made on Windows (backslashes, other letter case, CR LF)
// reads exactly as the game reads it. It finds what keeps a level or screen from working:
// levels without files, pictures and sounds the asset lists do not load, menu and save entries
// without their buttons, playable levels without the objects the rules look for, and lines the
// level reader passes over where a key was probably meant. Whatever the game's readers print
// while it reads is swallowed: the findings are the only output.
class ContentLint {
public:
    static LintFindings Run();

private:
    ContentLint();

    void CheckLevelList();
    void CheckUnlistedLevelFiles();
    void CheckLevelFile(const ScannedLevel& level);
    void CheckMenus();
    void CheckSave();
    void CheckPlayableLevels();
    void CheckPlayableLevel(const ScannedLevel& level, const std::vector<std::string>& names);

    void CheckPicture(const std::string& file, std::int64_t line, const std::string& name,
                      const std::string& user);
    void CheckSound(const std::string& file, std::int64_t line, const std::string& name);
    void CheckFrameList(const std::string& file, std::int64_t line, const std::string& list);

    // The level file the game reads for a name of the level list; null when the name is not
    // listed or its file cannot be opened.
    const ScannedLevel* LevelNamed(const std::string& name) const;
    // A playable level: opened as a level (load mode 1) by the level selection or a goal.
    void AddPlayable(const std::string& name);

    LintFindings findings;
    AssetIndex assets;
    KeyHint keyHint;
    std::string levelList;
    // The line of the level list each name comes from.
    std::map<std::string, std::int64_t> listLines;
    // The level files the list names, as canonical paths.
    std::set<std::string> listedFiles;
    // Every level file the list names that can be opened, by its path on disk.
    std::map<std::string, std::unique_ptr<ScannedLevel>> levels;
    std::set<std::string> checkedFrameLists;
    std::vector<std::string> playable;
};
