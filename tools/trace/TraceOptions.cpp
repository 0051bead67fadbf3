#include "TraceOptions.h"

#include <charconv>
#include <limits>

namespace {

template <typename Number>
Number ParseWhole(const std::string& option, const std::string& text, Number least) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value < least) {
        throw UsageError(option + " takes a whole number of at least " + std::to_string(least) +
                         ", not \"" + text + "\"");
    }
    return value;
}

std::vector<std::string> SplitNames(const std::string& text) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        names.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos) {
            return names;
        }
        start = comma + 1;
    }
}

ScreenshotRequest ParseScreenshot(const std::string& text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || colon + 1 == text.size()) {
        throw UsageError("--screenshot takes FRAME:FILE.png, not \"" + text + "\"");
    }
    ScreenshotRequest request;
    request.frame = ParseWhole<std::int64_t>("--screenshot", text.substr(0, colon), 0);
    request.file = text.substr(colon + 1);
    return request;
}

}  // namespace

TraceOptions ParseTraceOptions(const std::vector<std::string>& arguments,
                               const std::string& defaultContentFolder) {
    TraceOptions options;
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
        } else if (argument == "--frames") {
            options.frames = ParseWhole<std::int64_t>(argument, value(), 0);
        } else if (argument == "--input") {
            options.inputFile = value();
        } else if (argument == "--watch") {
            options.watch = SplitNames(value());
        } else if (argument == "--every") {
            options.every = ParseWhole<std::int64_t>(argument, value(), 1);
        } else if (argument == "--seed") {
            options.seed = ParseWhole<std::uint32_t>(argument, value(), 0);
        } else if (argument == "--screenshot") {
            options.screenshots.push_back(ParseScreenshot(value()));
        } else if (argument == "--screen") {
            options.screen = true;
        } else if (argument == "--start") {
            options.start = true;
        } else if (argument == "--flow") {
            options.flow = true;
        } else if (argument == "--visible") {
            options.visible = true;
        } else if (argument == "--headless") {
            options.headless = true;
        } else if (argument == "--sound") {
            options.sound = true;
        } else if (argument.starts_with("-") && argument.size() > 1) {
            throw UsageError("unknown option " + argument + " (see --help)");
        } else if (options.level.empty()) {
            options.level = argument;
        } else {
            throw UsageError("one level at a time: \"" + options.level + "\" and \"" + argument +
                             "\"");
        }
    }
    if (options.help) {
        return options;
    }
    if (options.start && !options.level.empty()) {
        throw UsageError("--start runs the game from its first screen: no level with it, not \"" +
                         options.level + "\"");
    }
    if (options.start && options.screen) {
        throw UsageError("--screen loads a LEVEL: not with --start");
    }
    if (options.level.empty() && !options.start) {
        throw UsageError("which level? (see --help)");
    }
    return options;
}

std::string TraceUsage() {
    return R"(Usage: velmora-trace [options] LEVEL
       velmora-trace [options] --start

Runs a level of the game's content folder frame by frame, exactly as the game runs it (fixed
0.016 s steps, the real window, OpenGL and sound), without waiting between frames, and prints
the state of its objects as JSON lines on standard output. The game's own messages go to
standard error.

LEVEL is a name of the level list (Gameplay/Levels.txt), loaded as a playable level after every
sound and image of the asset lists is loaded. With --start there is no LEVEL: the game runs from
its start as velmora does. It loads the screen "loading", whose own rules load the sounds and
images (drawing a loading frame for each, all within frame 1) and open "SplashScreen".

Options:
  --content DIR        the content folder to run in (default: the game's own)
  --start              run the game from its first screen instead of one LEVEL
  --frames N           how many frames to run (default 600); stops early when the game quits
  --input FILE         replays input, one event a line:
                         FRAME key KEY down|up
                         FRAME axis I VALUE
                         FRAME button I down|up
                       KEY is a GLFW key code or a name: SPACE, ENTER, ESCAPE, BACKSPACE,
                       LEFT, RIGHT, UP, DOWN, A to Z, 0 to 9. Frames count from 1; the events
                       of frame F reach the window before that frame's update (frame 0: before
                       the first). An axis or button line presents a gamepad. Blank lines and
                       lines starting with # are ignored.
  --watch NAME[,NAME]  the objects to print (default: every object)
  --every K            print after every K-th frame (default 1); frame 0, right after loading,
                       is always printed
  --flow               print the game flow's line before the object lines of each printed
                       frame (see below)
  --seed N             the seed of the game's random numbers (default 1)
  --screenshot F:FILE  writes the frame drawn at frame F as a PNG picture (repeatable)
  --screen             load LEVEL as a screen instead of a playable level
  --visible            show the window (it is hidden otherwise)
  --headless           no window, no drawing and no sound output, and no picture or sound
                       loaded: every rule that decides the outcome runs as in a drawn run
                       (the physics, the game flow, the draw pass's particles, animations and
                       camera steps), so objects move exactly as drawn; pictures and sounds
                       print as null and texts keep their level text. --screenshot is ignored
  --sound              play sound on the default output (otherwise a silent output takes it,
                       held still, so that a started sound plays until the game stops it or
                       its channel is taken; with --sound a sound ends in real time and
                       "playing" is no longer repeatable)
  --help               this text

Each printed line is one object of the topmost space, in the space's order:
  {"frame":F,"space":S,"name":N,"alive":B,"transform":{...},"rigidBody":{...},
   "movingGearCollider":{...},"inputController":{...},"sprite":{...},"camera":{...},
   "spriteText":{"Text":T,"characterLimit":n},
   "button":{"NotSelectedFileName":S,"SelectedFileName":S},
   "soundEmitter":{"sound":S,"playing":B},
   "teleporterGear":{"Sander","active","timer","resetTime"},
   "winController":{"WinLevel","LoadAsLevel","repeatStart","cameraDistance"},
   "bombGear":{"BombActive","TimeToExplode","flashOn","flashTimer","launchBoost"},
   "collectibleMove":{"collected","up","timer","riseTimer"},
   "collectibleGlow":{"bright","timer"},
   "moveComponent":{"nextIndex","MoveTimer","MoveDuration"},
   "particleEmmiter":{"count","particles","BurstMode","EmitMode","SpiralMode","HollowMode",
     "MaxParticles","TimeToBurst","EmitRadius","SizeMinimum","SizeMaximum","UseDefaultColor"},
   "animation":{"current","frame","tickCount","started"}}
with only the parts the object has. "sprite" holds "Color", "Visible" and "texture", the texture
registry name of the picture shown (null when it is none of the registry's). "soundEmitter"
holds the sound table name the emitter is linked to (or null) and whether its channel is
playing now. "particles" is the length of the emitter's particle list; an animation's
"current" (the frame's index) and "frame" (its texture name) are null before its first step.
Floats read back to the same single-precision value.

With --flow, each printed frame starts with one line of the game flow's state, whose "sound",
"graphics" and "loseRequest" sit beside "flow" at the top of the line:
  {"frame":F,"flow":{"musicMuted","gamepadPresent","loseCountdown","loseSequenceStarted",
   "boostLatch","boostDelay","controllerTimer","splashTimer","bearsUnlocked","blastPlayed",
   "titleDelay","turningLeft","turningRight","fullScreenOption","muteMusicOption",
   "muteAllOption","boostCount","mainMenuIndex","playRunning","playCountdown",
   "riseSpeeds":[3],"waveCountdowns":[3],"showCountdown","winJinglePlayed",
   "finalMusicStarted","levelSelectChoice","pauseChoice","optionsChoice",
   "levelSelectCursor","pauseCursor","optionsCursor","levelSelectBuilt","pauseBuilt",
   "optionsBuilt"},
   "sound":{"musicVolume","fadeOut","fadeIn","groups":{"music","effect","player","blast"}},
   "graphics":{"fallOff","levelCameraDistance"},"loseRequest":B}
each key with its value. A menu's cursor is the NotSelectedFileName of the button under it,
null while the list is empty (also once its screen has closed). Each sound group is
{"volume","muted","paused"}. "loseRequest" is the current space's.

The last line is {"frame":N,"stack":[bottom space, ..., top space],"boosts":n}.

The game keeps its unlock save in "$XDG_DATA_HOME/Velmora" (else "$HOME/.local/share/Velmora"),
as velmora does: set XDG_DATA_HOME to give a run a save folder of its own.

Exit status: 0 when it ran, 2 for bad arguments or input files.
)";
}
