#include "SolveOptions.h"

#include <charconv>

#include "TraceOptions.h"

namespace {

template <typename Number>
Number ParsePositive(const std::string& option, const std::string& text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || !(value > 0)) {
        throw UsageError(option + " takes a number above 0, not \"" + text + "\"");
    }
    return value;
}

}  // namespace

SolveOptions ParseSolveOptions(const std::vector<std::string>& arguments,
                               const std::string& defaultContentFolder) {
    SolveOptions options;
    options.contentFolder = defaultContentFolder;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= arguments.size()) {
                throw UsageError(argument + " needs a value");
            }
            return arguments[++i];
        };
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--content") {
            options.contentFolder = value();
        } else if (argument == "--seconds") {
            options.limits.seconds = ParsePositive<double>(argument, value());
        } else if (argument == "--frames") {
            options.limits.frames = ParsePositive<std::int64_t>(argument, value());
        } else if (argument == "--window") {
            options.limits.window = ParsePositive<int>(argument, value());
        } else if (!argument.empty() && argument[0] == '-') {
            throw UsageError("unknown option " + argument);
        } else if (options.level.empty()) {
            options.level = argument;
        } else {
            throw UsageError("one level at a time, not also " + argument);
        }
    }
    if (!options.help && options.level.empty()) {
        throw UsageError("which level? (a name of Gameplay/Levels.txt)");
    }
    return options;
}

std::string SolveUsage() {
    return R"(Usage: velmora-solve [options] LEVEL

Searches for an input that wins LEVEL (a name of the level list, Gameplay/Levels.txt): from
the level's start to the frame in which its goal opens the next level. The level runs as the
game runs it, headless (no window, drawing or sound output), and the player's choices are a
person's: roll left, roll right or neither, jump while carried by a gear or standing on a box,
and, in a level with pickups, a boost (up, up-left, up-right, left, right or down) while
boosts are left. A level with pickups is played with the gamepad (left stick, button 0, right
stick), any other with the keys A, D and Space. On a win it writes Replays/LEVEL.input in the content folder, in
velmora-trace's input format, headed by comments that name the level, its version (a hash of
its level file) and the figures below, which it also prints:
  frames to win, the number of decisions, each decision's timing window (how many frames
  earlier and later it still wins with the rest unchanged), the narrowest window, and the
  search's effort (states expanded, frames simulated, seconds).
When it gives up it says why and how far it got (the nearest the player came to the sending
teleporter, and where the player was lost on the way), writes nothing and exits with 1.

Options:
  --content DIR   the content folder (default: the game's own)
  --seconds S     time limit of the search (default 120)
  --frames N      frame limit of a play (default 3600, a minute of play)
  --window W      how far each decision's window is probed, in frames (default 30)
  --help          this text

Exit status: 0 when it won and wrote the replay, 1 when it gave up, 2 for bad arguments.
Watch a solution with velmora-trace --visible --input Replays/LEVEL.input LEVEL.
)";
}
