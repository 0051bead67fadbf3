#pragma once

#include <string>
#include <string_view>
#include <vector>

// The level unlock save: which entries of the level selection the player has unlocked, kept in
// "LevelUnlocks.txt" in the save folder as pairs of lines, an entry's name and then its state,
// "unlocked 0" or "unlocked 1". Every call opens and closes the file; nothing of it is kept in
// memory, so the file is the only truth.
//
// A rewrite never leaves a half-written save: the new text goes to the scratch file
// "OutputFile.txt" beside it, reaches the disk, and only then replaces the save in one rename.
// A save that cannot be read is never replaced; it is reported once on standard output.
class UnlockSave {
public:
    static constexpr const char* SaveFileName = "LevelUnlocks.txt";
    static constexpr const char* ScratchFileName = "OutputFile.txt";
    // Shipped with the content, relative to the working directory.
    static constexpr const char* DefaultSave = "Gameplay/LevelUnlocks.txt";
    static constexpr const char* LockedLine = "unlocked 0";
    static constexpr const char* UnlockedLine = "unlocked 1";
    // A reset keeps the entries up to this name line and locks every entry after it.
    static constexpr const char* LastKeptEntry = "levelSelectGear2";

    // Remembers the folder; creates it with its parents when missing and seeds the save from
    // the default save (read as content) when the save does not exist. A save that exists in
    // any form, readable or not, is left alone.
    void SetUp(const std::string& folder);

    const std::string& Folder() const { return folder; }
    std::string SavePath() const;

    // Whether the save holds the entry as unlocked: the line after the first line equal to the
    // name ends in "1". A following line ending in neither "0" nor "1" answers nothing and the
    // search goes on after it. Absent entries and unreadable saves count as locked.
    bool IsUnlocked(const std::string& name) const;

    // (false, false) unlocks the first locked entry; (true, false) unlocks every entry;
    // (false, true) locks every entry after "levelSelectGear2". A save whose text would not
    // change is not written, and an unreadable one is left as it is.
    void Rewrite(bool unlockAll, bool reset);

    // Whether a fault of the save has been reported: one line on standard output for each kind.
    // An unreadable or unwritable save is reported again only after it has been mended and has
    // failed anew; an entry without its state line is reported once per set-up.
    bool Reported() const { return readReported || writeReported || entryReported; }

    // The save's lines as the game reads text: CR LF reads as LF, and a last line without its
    // newline still counts.
    static std::vector<std::string> Lines(std::string_view text);

    // The text a rewrite makes of the lines: each line with its newline, changed as Rewrite
    // says.
    static std::string Rewritten(const std::vector<std::string>& lines, bool unlockAll, bool reset);

private:
    // The save's bytes; false (reported once) when it cannot be read.
    bool ReadSave(std::string& bytes) const;
    // Puts the text in the scratch file, syncs it, renames it over the save and syncs the
    // folder. False (the save untouched) when any step fails.
    bool Replace(std::string_view text) const;
    std::string ScratchPath() const;

    std::string folder;
    // Set by the const queries as well: reporting is not part of the save's state.
    mutable bool readReported = false;
    mutable bool entryReported = false;
    bool writeReported = false;
};
