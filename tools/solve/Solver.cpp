#include "Solver.h"

#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <set>
#include <unordered_set>

#include "Core/Engine.h"
#include "Core/FixedNames.h"
#include "Core/GameObject.h"
#include "Core/Space.h"
#include "components/CollectibleGlow.h"
#include "components/CollectibleMove.h"
#include "components/MovingGearCollider.h"
#include "components/RigidBody.h"
#include "components/TeleporterGear.h"
#include "components/Transform.h"
#include "components/WinController.h"
#include "systems/GameplaySystem.h"
#include "systems/Graphics.h"

namespace {

// A state every fourth frame: fine enough for a jump off a turning gear, coarse enough to
// search. The windows are then measured frame by frame.
constexpr std::int64_t DecisionInterval = 4;
// Distance to the sending teleporter charged per frame: between two ways that come as near,
// the quicker one is tried first.
constexpr float FrameCharge = 0.02f;
// Distance charged per decision: a person's way through a level is a few well-timed choices,
// and a branch that keeps changing its mind in the air is tried after one that rides on.
constexpr float DecisionCharge = 3.0f;
// Distance credited per boost held: between two ways that come as near, the one that has
// picked up a boost is tried first, since a boost can carry the player where rolling cannot.
constexpr float BoostCredit = 4.0f;
// Stopped states kept at once; the farthest from the teleporter are dropped first.
constexpr std::size_t FrontierLimit = 2000;
// States within these steps of each other count as the same.
constexpr float PlaceStep = 0.25f;
constexpr float SpeedStep = 0.05f;
constexpr std::int64_t TimeStep = 20;

enum class Status : std::int32_t { Waiting, Won, Lost, Limit, Window };

// What a stopped or ended state tells the search, through one pipe shared by all states.
// Smaller than the pipe's atomic write, so reports never interleave.
struct Report {
    pid_t pid = 0;
    Status status = Status::Waiting;
    std::int32_t choices = 0;
    std::int64_t frame = 0;
    std::int64_t simulated = 0;
    float distance = 0.0f;
    float x = 0.0f;
    float y = 0.0f;
    std::uint64_t key = 0;
    // Which of its parent's choices the state took: siblings are ordered by it.
    std::int32_t choice = 0;
    std::int32_t decisions = 0;
    std::int32_t boosts = 0;
    // Window reports: the decision and its window.
    std::int32_t decision = 0;
    std::int32_t earlier = 0;
    std::int32_t later = 0;
};

void Send(int out, Report report) {
    report.pid = ::getpid();
    [[maybe_unused]] const ssize_t written = ::write(out, &report, sizeof(report));
}

std::uint64_t Mix(std::uint64_t hash, std::int64_t value) {
    hash ^= static_cast<std::uint64_t>(value) + 0x9e3779b97f4a7c15ull + (hash << 6) + (hash >> 2);
    return hash;
}

std::int64_t Step(float value, float step) {
    return static_cast<std::int64_t>(std::floor(value / step));
}

// What the search reads of the level in play, looked up afresh each time: a win or a restart
// replaces the level's objects.
class LevelView {
public:
    explicit LevelView(std::string level) : level(std::move(level)) {
        if (const GameObject* goal = Find(ObjectName::Goal)) {
            if (const auto* win = goal->FindComponent<WinController>()) {
                winLevel = win->WinLevel;
            }
        }
    }

    bool HasGoal() const { return !winLevel.empty() && winLevel != level; }

    bool Won() const {
        const Space* top = Engine::Instance().CurrentSpace();
        return top != nullptr && top->name == winLevel;
    }

    bool Lost(const LevelRun& game) const {
        const Space* top = Engine::Instance().CurrentSpace();
        return top == nullptr || top->name != level || game.gameplay().loseSequenceStarted ||
               game.graphics().fallOff;
    }

    glm::vec3 PlayerPlace() const {
        const auto* transform = Part<Transform>(ObjectName::Player);
        return transform != nullptr ? transform->translation : glm::vec3(0.0f);
    }

    bool Carried() const {
        const auto* body = Part<RigidBody>(ObjectName::Player);
        return body != nullptr && body->attached;
    }

    // A pickup the player can take (one that glows is scenery): the level can be played with
    // boosts, so the search plays it with the gamepad.
    bool HasPickups() const {
        const Space* top = Engine::Instance().CurrentSpace();
        if (top == nullptr) {
            return false;
        }
        return std::any_of(top->objects.begin(), top->objects.end(), [](const auto& object) {
            return object->template FindComponent<CollectibleMove>() != nullptr &&
                   object->template FindComponent<CollectibleGlow>() == nullptr;
        });
    }

    bool CanJump() const {
        const auto* body = Part<RigidBody>(ObjectName::Player);
        return body != nullptr && (body->attached || body->grounded);
    }

    // The teleporter has taken the player over.
    bool Sent() const {
        const auto* gear = Part<MovingGearCollider>(ObjectName::Player);
        return gear != nullptr && gear->teleporting;
    }

    // To the nearest sending teleporter; nothing left once the player is being sent.
    float Distance() const {
        if (Sent()) {
            return 0.0f;
        }
        const glm::vec3 player = PlayerPlace();
        float nearest = std::numeric_limits<float>::max();
        const Space* top = Engine::Instance().CurrentSpace();
        if (top == nullptr) {
            return nearest;
        }
        for (const auto& object : top->objects) {
            const auto* teleporter = object->FindComponent<TeleporterGear>();
            const auto* place = object->FindComponent<Transform>();
            if (teleporter != nullptr && teleporter->Sander && place != nullptr) {
                nearest = std::min(nearest, glm::length(glm::vec2(place->translation - player)));
            }
        }
        return nearest;
    }

    // The key leaves out the roll held: any other roll is one decision away.
    std::uint64_t Key(std::int64_t frame, const GameplaySystem& gameplay) const {
        std::uint64_t hash = Mix(Mix(0, gameplay.boostCount), gameplay.boostLatch ? 1 : 0);
        const Space* top = Engine::Instance().CurrentSpace();
        if (const auto* gear = Part<MovingGearCollider>(ObjectName::Player);
            gear != nullptr && !gear->contacts.empty() && top != nullptr) {
            for (std::size_t i = 0; i < top->objects.size(); ++i) {
                if (top->objects[i].get() == gear->contacts.back()) {
                    hash = Mix(hash, static_cast<std::int64_t>(i) + 1);
                }
            }
        }
        const glm::vec3 place = PlayerPlace();
        hash = Mix(Mix(hash, Step(place.x, PlaceStep)), Step(place.y, PlaceStep));
        if (const auto* body = Part<RigidBody>(ObjectName::Player)) {
            hash = Mix(Mix(hash, Step(body->velocity.x, SpeedStep)),
                       Step(body->velocity.y, SpeedStep));
            hash = Mix(hash, body->attached ? 1 : 0);
        }
        return Mix(hash, frame / TimeStep);
    }

private:
    static const GameObject* Find(const char* name) {
        const Space* top = Engine::Instance().CurrentSpace();
        return top != nullptr ? top->FindObject(name) : nullptr;
    }

    template <typename T>
    static const T* Part(const char* name) {
        const GameObject* object = Find(name);
        return object != nullptr ? object->FindComponent<T>() : nullptr;
    }

    std::string level;
    std::string winLevel;
};

struct Shared {
    LevelRun* game;
    const LevelView* view;
    const SolveLimits* limits;
    int reports;
    std::string planFile;
    // The plans speak the gamepad's language (the level has pickups, so boosts are choices).
    bool gamepad;
};

enum class Ending { None, Won, Lost, Limit };

// One frame of the plan; what it ended in, if anything.
Ending PlayFrame(const Shared& shared, const Plan& plan, std::int64_t& frame,
                 std::int64_t frameLimit) {
    ++frame;
    for (const InputEvent& event : plan.EventsOf(frame)) {
        shared.game->Apply(event);
    }
    shared.game->Step();
    if (shared.view->Won()) {
        return Ending::Won;
    }
    if (shared.view->Lost(*shared.game)) {
        return Ending::Lost;
    }
    return frame >= frameLimit ? Ending::Limit : Ending::None;
}

// A state of the search: plays up to its next decision, reports, and waits to be expanded
// (each child a copy of this process taking one choice) or killed.
[[noreturn]] void RunState(const Shared& shared, Plan plan, std::int64_t frame, int choice) {
    Report report;
    report.choice = choice;
    for (std::int64_t i = 0; i < DecisionInterval; ++i) {
        const Ending ending = PlayFrame(shared, plan, frame, shared.limits->frames);
        ++report.simulated;
        if (ending != Ending::None) {
            if (ending == Ending::Won) {
                std::ofstream(shared.planFile + std::to_string(::getpid())) << [&] {
                    std::string text;
                    for (const Decision& decision : plan.decisions) {
                        text += std::to_string(decision.frame) + " " +
                                std::to_string(static_cast<int>(decision.roll)) + " " +
                                (decision.jump ? "1" : "0") + " " +
                                std::to_string(static_cast<int>(decision.boost)) + "\n";
                    }
                    return text;
                }();
            }
            report.status = ending == Ending::Won    ? Status::Won
                            : ending == Ending::Lost ? Status::Lost
                                                     : Status::Limit;
            report.frame = frame;
            const glm::vec3 place = shared.view->PlayerPlace();
            report.x = place.x;
            report.y = place.y;
            report.distance = shared.view->Distance();
            Send(shared.reports, report);
            std::_Exit(0);
        }
    }
    const Roll roll = plan.decisions.empty() ? Roll::None : plan.decisions.back().roll;
    std::vector<Decision> choices;
    choices.push_back({-1, roll, false});
    // Once the teleporter has taken the player, no input counts any more: it plays on.
    const bool free = !shared.view->Sent();
    // Carried by a gear, the player does not steer: the keys wait until it has left.
    for (Roll other : {Roll::None, Roll::Left, Roll::Right}) {
        if (free && other != roll && !shared.view->Carried()) {
            choices.push_back({frame + 1, other, false});
        }
    }
    if (free && shared.view->CanJump()) {
        choices.push_back({frame + 1, roll, true});
    }
    // A boost fires only while the player is off the gears, and not again until its latch
    // has let go.
    const GameplaySystem& gameplay = shared.game->gameplay();
    if (free && shared.gamepad && gameplay.boostCount > 0 && !gameplay.boostLatch &&
        !shared.view->Carried()) {
        for (Boost boost :
             {Boost::Up, Boost::UpLeft, Boost::UpRight, Boost::Left, Boost::Right, Boost::Down}) {
            choices.push_back({frame + 1, roll, false, boost});
        }
    }
    report.status = Status::Waiting;
    report.choices = static_cast<std::int32_t>(choices.size());
    report.frame = frame;
    const glm::vec3 place = shared.view->PlayerPlace();
    report.x = place.x;
    report.y = place.y;
    report.distance = shared.view->Distance();
    report.key = shared.view->Key(frame, gameplay);
    report.boosts = gameplay.boostCount;
    report.decisions = static_cast<std::int32_t>(plan.decisions.size());
    Send(shared.reports, report);

    sigset_t expand;
    sigemptyset(&expand);
    sigaddset(&expand, SIGUSR1);
    int signal = 0;
    sigwait(&expand, &signal);
    // Every choice, keeping on as before too, goes on in a child, and this state ends: its
    // children then belong to the search, which reaps them. A state that lived on as its
    // first child would leave its other children unreaped, and a long search would run out of
    // processes.
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (::fork() == 0) {
            if (i > 0) {
                plan.decisions.push_back(choices[i]);
            }
            RunState(shared, std::move(plan), frame, static_cast<int>(i));
        }
    }
    std::_Exit(0);
}

// Plays the rest of the plan from where this process stands; exits 0 when it wins.
[[noreturn]] void RunToEnd(const Shared& shared, const Plan& plan, std::int64_t frame) {
    const std::int64_t limit = shared.limits->frames + shared.limits->window;
    for (;;) {
        const Ending ending = PlayFrame(shared, plan, frame, limit);
        if (ending != Ending::None) {
            std::_Exit(ending == Ending::Won ? 0 : 1);
        }
    }
}

bool WinsWith(const Shared& shared, const Plan& plan, std::int64_t frame) {
    const pid_t child = ::fork();
    if (child == 0) {
        RunToEnd(shared, plan, frame);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The frame the plan wins in, played from this process's state (the level's start).
std::int64_t FramesToWin(const Shared& shared, const Plan& plan) {
    int ends[2];
    if (::pipe(ends) != 0) {
        return 0;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        std::int64_t frame = 0;
        const std::int64_t limit = shared.limits->frames + shared.limits->window;
        while (PlayFrame(shared, plan, frame, limit) == Ending::None) {
        }
        [[maybe_unused]] const ssize_t written = ::write(ends[1], &frame, sizeof(frame));
        std::_Exit(0);
    }
    std::int64_t frame = 0;
    [[maybe_unused]] const ssize_t read = ::read(ends[0], &frame, sizeof(frame));
    ::waitpid(child, nullptr, 0);
    ::close(ends[0]);
    ::close(ends[1]);
    return frame;
}

// How far decision `index` may move, tried from the state `frame` (the earliest frame it may
// move to, less one).
TimingWindow MeasureWindow(const Shared& shared, const Plan& plan, std::size_t index,
                           std::int64_t frame, std::int64_t latest) {
    TimingWindow window;
    const std::int64_t at = plan.decisions[index].frame;
    for (std::int64_t moved = at - 1; moved > frame; --moved) {
        Plan shifted = plan;
        shifted.decisions[index].frame = moved;
        if (!WinsWith(shared, shifted, frame)) {
            break;
        }
        ++window.earlier;
    }
    for (std::int64_t moved = at + 1; moved <= latest; ++moved) {
        Plan shifted = plan;
        shifted.decisions[index].frame = moved;
        if (!WinsWith(shared, shifted, frame)) {
            break;
        }
        ++window.later;
    }
    return window;
}

// Plays the winning plan and, a little before each decision, measures its window from there.
[[noreturn]] void ProbeWindows(const Shared& shared, const Plan& plan) {
    std::int64_t frame = 0;
    const auto& decisions = plan.decisions;
    const std::int64_t reach = shared.limits->window;
    for (std::size_t i = 0; i < decisions.size(); ++i) {
        // Two frames clear of its neighbours, so that a jump's key is let go in between.
        const std::int64_t earliest =
            std::max({i > 0 ? decisions[i - 1].frame + 2 : std::int64_t{1},
                      decisions[i].frame - reach, frame + 1});
        const std::int64_t latest =
            std::min(i + 1 < decisions.size() ? decisions[i + 1].frame - 2
                                              : std::numeric_limits<std::int64_t>::max(),
                     decisions[i].frame + reach);
        while (frame + 1 < earliest) {
            PlayFrame(shared, plan, frame, std::numeric_limits<std::int64_t>::max());
        }
        const pid_t tester = ::fork();
        if (tester == 0) {
            Report report;
            report.status = Status::Window;
            report.decision = static_cast<std::int32_t>(i);
            const TimingWindow window = MeasureWindow(shared, plan, i, frame, latest);
            report.earlier = window.earlier;
            report.later = window.later;
            Send(shared.reports, report);
            std::_Exit(0);
        }
        ::waitpid(tester, nullptr, 0);
    }
    std::_Exit(0);
}

Plan ReadDecisions(const std::string& file, bool gamepad) {
    Plan plan;
    plan.gamepad = gamepad;
    std::ifstream in(file);
    Decision decision;
    int roll = 0;
    int jump = 0;
    int boost = 0;
    while (in >> decision.frame >> roll >> jump >> boost) {
        decision.roll = static_cast<Roll>(roll);
        decision.jump = jump != 0;
        decision.boost = static_cast<Boost>(boost);
        plan.decisions.push_back(decision);
    }
    return plan;
}

// Every report that has arrived, without waiting.
std::vector<Report> Drain(int reports, int waitMilliseconds) {
    std::vector<Report> arrived;
    pollfd ready{reports, POLLIN, 0};
    while (::poll(&ready, 1, arrived.empty() ? waitMilliseconds : 0) > 0) {
        Report report;
        if (::read(reports, &report, sizeof(report)) != static_cast<ssize_t>(sizeof(report))) {
            break;
        }
        arrived.push_back(report);
    }
    return arrived;
}

}  // namespace

Solver::Solver(LevelRunOptions run, SolveLimits limits) : run(std::move(run)), limits(limits) {}

SolveResult Solver::Solve() {
    using Clock = std::chrono::steady_clock;
    const auto started = Clock::now();
    const auto elapsed = [&] {
        return std::chrono::duration<double>(Clock::now() - started).count();
    };
    SolveResult result;

    // The states' wins write a save: a folder of the search's own, never the player's.
    char folder[] = "/tmp/velmora-solve-XXXXXX";
    if (::mkdtemp(folder) == nullptr) {
        result.reason = "no scratch folder for the search";
        return result;
    }
    ::setenv("XDG_DATA_HOME", folder, 1);
    // States that outlive the state that made them come back to this process to be reaped.
    ::prctl(PR_SET_CHILD_SUBREAPER, 1);
    sigset_t expand;
    sigemptyset(&expand);
    sigaddset(&expand, SIGUSR1);
    sigprocmask(SIG_BLOCK, &expand, nullptr);
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        result.reason = "no pipe for the search";
        return result;
    }

    LevelRunOptions headless = run;
    headless.headless = true;
    LevelRun game(headless);
    const LevelView view(run.level);
    if (!view.HasGoal()) {
        result.reason = "the level has no \"winBear\" whose WinController opens another level";
        return result;
    }
    // The pad is plugged in before the first frame, as the trace tool does for a replay that
    // uses it.
    const bool gamepad = view.HasPickups();
    if (gamepad) {
        game.ConnectGamepad();
    }
    const Shared shared{&game,  &view, &limits, pipeEnds[1], std::string(folder) + "/winning.input",
                        gamepad};

    std::multimap<float, Report> frontier;
    std::unordered_set<std::uint64_t> seen;
    std::set<pid_t> reported;
    std::int64_t pending = 1;
    bool won = false;
    result.bestDistance = std::numeric_limits<float>::max();
    float bestLostDistance = std::numeric_limits<float>::max();

    // Every state is in one process group of its own, so that the states still on their way
    // when the search ends (reported or not) all end with it.
    const pid_t states = ::fork();
    if (states == 0) {
        ::setpgid(0, 0);
        Plan start;
        start.gamepad = gamepad;
        RunState(shared, std::move(start), 0, 0);
    }
    ::setpgid(states, states);
    // The children of one expansion report in whatever order the processes run; they are taken
    // in the order of their choices once all are in, so that a search is the same every time.
    std::vector<Report> batch;
    pid_t winner = 0;
    const auto take = [&](int waitMilliseconds) {
        for (const Report& report : Drain(pipeEnds[0], waitMilliseconds)) {
            --pending;
            reported.insert(report.pid);
            batch.push_back(report);
        }
    };
    while (true) {
        take(200);
        // A state that ended without a word (it crashed) is counted as lost. One that wrote its
        // report before it ended may have done so after the pipe was read: read it again first.
        int status = 0;
        for (pid_t dead; (dead = ::waitpid(-1, &status, WNOHANG)) > 0;) {
            if (reported.count(dead) == 0) {
                take(0);
            }
            if (reported.erase(dead) == 0) {
                --pending;
            }
        }
        if (pending > 0) {
            continue;
        }
        std::sort(batch.begin(), batch.end(),
                  [](const Report& a, const Report& b) { return a.choice < b.choice; });
        for (const Report& report : batch) {
            result.framesSimulated += report.simulated;
            if (report.distance < result.bestDistance) {
                result.bestDistance = report.distance;
                result.bestFrame = report.frame;
                result.bestX = report.x;
                result.bestY = report.y;
            }
            switch (report.status) {
                case Status::Won:
                    if (!won) {
                        won = true;
                        winner = report.pid;
                    }
                    break;
                case Status::Lost:
                    if (report.distance < bestLostDistance) {
                        bestLostDistance = report.distance;
                        result.lost = true;
                        result.lostX = report.x;
                        result.lostY = report.y;
                    }
                    break;
                case Status::Waiting:
                    if (won || !seen.insert(report.key).second) {
                        ::kill(report.pid, SIGKILL);
                        break;
                    }
                    frontier.emplace(report.distance +
                                         FrameCharge * static_cast<float>(report.frame) +
                                         DecisionCharge * static_cast<float>(report.decisions) -
                                         BoostCredit * static_cast<float>(report.boosts),
                                     report);
                    while (frontier.size() > FrontierLimit) {
                        ::kill(std::prev(frontier.end())->second.pid, SIGKILL);
                        frontier.erase(std::prev(frontier.end()));
                    }
                    break;
                case Status::Limit:
                case Status::Window:
                    break;
            }
        }
        batch.clear();
        if (won) {
            break;
        }
        if (elapsed() > limits.seconds) {
            result.reason = "the time limit of " + std::to_string(limits.seconds) + " s ran out";
            break;
        }
        if (frontier.empty()) {
            result.reason = "every way within the frame limit of " + std::to_string(limits.frames) +
                            " ends lost or at the limit";
            break;
        }
        const Report best = frontier.begin()->second;
        frontier.erase(frontier.begin());
        ::kill(best.pid, SIGUSR1);
        pending += best.choices;
        ++result.statesExpanded;
    }
    ::kill(-states, SIGKILL);
    while (::waitpid(-1, nullptr, 0) > 0) {
    }

    if (won) {
        result.won = true;
        result.plan = ReadDecisions(shared.planFile + std::to_string(winner), gamepad);
        // A decision the win does not need (a key changed after the teleporter took the player
        // over, say) is left out, the last first: the figures then speak of real choices only.
        for (std::size_t i = result.plan.decisions.size(); i-- > 0;) {
            Plan fewer = result.plan;
            fewer.decisions.erase(fewer.decisions.begin() + static_cast<std::ptrdiff_t>(i));
            if (WinsWith(shared, fewer, 0)) {
                result.plan = std::move(fewer);
            }
        }
        // Leaving a decision out can leave a later one holding the roll already held, with no
        // jump or boost: it gives no input at all and is no choice.
        auto& decisions = result.plan.decisions;
        for (std::size_t i = decisions.size(); i-- > 0;) {
            const Decision& decision = decisions[i];
            if (decision.roll == result.plan.RollBefore(decision.frame) && !decision.jump &&
                decision.boost == Boost::None) {
                decisions.erase(decisions.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
        result.framesToWin = FramesToWin(shared, result.plan);
        if (::fork() == 0) {
            ProbeWindows(shared, result.plan);
        }
        result.windows.resize(result.plan.decisions.size());
        std::size_t measured = 0;
        while (measured < result.windows.size()) {
            for (const Report& report : Drain(pipeEnds[0], 1000)) {
                if (report.status == Status::Window &&
                    static_cast<std::size_t>(report.decision) < result.windows.size()) {
                    result.windows[report.decision] = {report.earlier, report.later};
                    ++measured;
                }
            }
            if (::waitpid(-1, nullptr, WNOHANG) < 0) {
                break;
            }
        }
        while (::waitpid(-1, nullptr, 0) > 0) {
        }
    }
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    std::filesystem::remove_all(folder);
    result.seconds = elapsed();
    return result;
}
