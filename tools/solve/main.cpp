#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "ContentFolder.h"
#include "Core/LevelList.h"
#include "LevelFingerprint.h"
#include "SolveOptions.h"
#include "Solver.h"
#include "TraceOptions.h"

namespace {

constexpr int GaveUp = 1;
constexpr int BadUsage = 2;

std::string Figures(const std::string& level, const std::string& version, const SolveResult& result,
                    int probed) {
    std::ostringstream text;
    text << "velmora-solve: " << level << "\n";
    text << "level version: " << version << "\n";
    text << "frames to win: " << result.framesToWin << "\n";
    text << "decisions: " << result.plan.decisions.size() << "\n";
    int narrowest = -1;
    std::size_t hardest = 0;
    for (std::size_t i = 0; i < result.plan.decisions.size(); ++i) {
        const Decision& decision = result.plan.decisions[i];
        const TimingWindow& window = result.windows[i];
        text << "decision " << i + 1 << ": "
             << Plan::Describe(decision, result.plan.RollBefore(decision.frame)) << ", window -"
             << window.earlier << (window.earlier >= probed ? " or more" : "") << " +"
             << window.later << (window.later >= probed ? " or more" : "") << " ("
             << window.Frames() << " frames)\n";
        if (narrowest < 0 || window.Frames() < narrowest) {
            narrowest = window.Frames();
            hardest = i + 1;
        }
    }
    if (narrowest >= 0) {
        text << "narrowest window: " << narrowest << " frames (decision " << hardest << ")\n";
    }
    text << "search: " << result.statesExpanded << " states expanded, " << result.framesSimulated
         << " frames simulated, " << result.seconds << " s\n";
    return text.str();
}

std::string Commented(const std::string& lines) {
    std::string text;
    std::istringstream in(lines);
    for (std::string line; std::getline(in, line);) {
        text += "# " + line + "\n";
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    SolveOptions options;
    try {
        options = ParseSolveOptions(std::vector<std::string>(argv + 1, argv + argc),
                                    ContentFolder::Default());
        if (options.help) {
            std::cout << SolveUsage();
            return 0;
        }
        if (::chdir(options.contentFolder.c_str()) != 0) {
            throw UsageError("cannot enter the content folder " + options.contentFolder);
        }
        LevelList::Read("Gameplay/Levels.txt");
        if (!LevelFingerprint::OfLevel(options.level)) {
            throw UsageError("no level file for \"" + options.level + "\" in the level list");
        }
    } catch (const UsageError& error) {
        std::cerr << "velmora-solve: " << error.what() << std::endl;
        return BadUsage;
    }
    const std::string version = *LevelFingerprint::OfLevel(options.level);

    // The figures go to standard output; what the game prints goes to standard error.
    std::fflush(stdout);
    const int figures = ::dup(STDOUT_FILENO);
    ::dup2(STDERR_FILENO, STDOUT_FILENO);

    LevelRunOptions run;
    run.level = options.level;
    const SolveResult result = Solver(run, options.limits).Solve();

    std::string report;
    int status = 0;
    if (result.won) {
        report = Figures(options.level, version, result, options.limits.window);
        const std::string replay = "Replays/" + options.level + ".input";
        std::ofstream(replay) << Commented(report) << result.plan.InputText();
        report += "wrote " + replay + "\n";
    } else {
        std::ostringstream text;
        text << "velmora-solve: " << options.level << ": gave up: " << result.reason << "\n";
        text << "nearest the sending teleporter: " << result.bestDistance << " units, at frame "
             << result.bestFrame << " with the player at (" << result.bestX << ", " << result.bestY
             << ")\n";
        if (result.lost) {
            text << "lost on that way at (" << result.lostX << ", " << result.lostY << ")\n";
        }
        text << "search: " << result.statesExpanded << " states expanded, "
             << result.framesSimulated << " frames simulated, " << result.seconds << " s\n";
        text << "no replay written\n";
        report = text.str();
        status = GaveUp;
    }
    [[maybe_unused]] const ssize_t written = ::write(figures, report.data(), report.size());
    ::close(figures);
    return status;
}
