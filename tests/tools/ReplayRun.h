#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "support/ProgramRun.h"

// Reading replay files and playing them back with velmora-trace, drawn, as the game runs them.
namespace replays {

inline std::string Text(const std::filesystem::path& file) {
    std::ifstream in(file);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The header line of a replay that starts with the given words, without them.
inline std::string HeaderValue(const std::string& replay, const std::string& words) {
    std::istringstream lines(replay);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("# " + words + ": ", 0) == 0) {
            return line.substr(words.size() + 4);
        }
    }
    return "";
}

// How many entries a save holds unlocked.
inline int Unlocked(const std::string& save) {
    int count = 0;
    for (std::size_t at = 0; (at = save.find("unlocked 1", at)) != std::string::npos; ++at) {
        ++count;
    }
    return count;
}

// The level's replay in the content folder played back drawn to a little past the frame its
// header gives for the win, with the save in `data`; returns the trace's last line (the stack
// and boosts).
inline ProgramRun Replay(const std::filesystem::path& content, const std::string& level,
                         const std::filesystem::path& data) {
    const std::filesystem::path replay = content / "Replays" / (level + ".input");
    const std::string frames = HeaderValue(Text(replay), "frames to win");
    return RunProgram("XDG_DATA_HOME=" + data.string() + " " + VELMORA_TRACE_PROGRAM +
                      " --content " + content.string() + " --frames " +
                      std::to_string(std::stoll(frames.empty() ? "3600" : frames) + 5) +
                      " --watch none --input " + replay.string() + " " + level +
                      " 2>/dev/null | tail -n 1");
}

}  // namespace replays
