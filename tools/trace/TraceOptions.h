#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// A frame to save as a picture.
struct ScreenshotRequest {
    std::int64_t frame = 0;
    std::string file;
};

// What velmora-trace was asked to do.
struct TraceOptions {
    std::string level;
    std::string contentFolder;
    std::int64_t frames = 600;
    std::string inputFile;
    // Empty: every object.
    std::vector<std::string> watch;
    std::int64_t every = 1;
    std::uint32_t seed = 1;
    std::vector<ScreenshotRequest> screenshots;
    // Load the level as a screen (mode 0) instead of a playable level.
    bool screen = false;
    // Run the game from its first screen, as the game starts, instead of one level.
    bool start = false;
    // Print the game flow's line before each frame's object lines.
    bool flow = false;
    bool visible = false;
    // No window, drawing or sound output; the outcome is the drawn run's.
    bool headless = false;
    bool sound = false;
    bool help = false;
};

// Bad arguments or input files: the message is one line, without the program's name.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the command line (without the program name). Throws UsageError.
TraceOptions ParseTraceOptions(const std::vector<std::string>& arguments,
                               const std::string& defaultContentFolder);

// The text --help prints.
std::string TraceUsage();
