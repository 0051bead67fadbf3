#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class GameObject;
class GameplaySystem;
class Graphics;
class SoundSystem;
class Space;

// Prints the state of a space's objects as JSON lines, one object a line.
class StateWriter {
public:
    // Writes to `out`; an empty watch list watches every object.
    StateWriter(std::FILE* out, std::vector<std::string> watch);

    // One line for each watched object of the space, in the space's object order.
    void WriteFrame(std::int64_t frame, const Space& space);

    // The game flow's line: its fields, the music fade and the sound groups, the renderer's
    // level camera state and the space's lose request (null without a space).
    void WriteFlow(std::int64_t frame, const GameplaySystem& flow, const SoundSystem& sound,
                   const Graphics& graphics, const Space* space);

    // The closing line: the stack from the bottom and the boosts left.
    void WriteSummary(std::int64_t frame, const std::vector<std::string>& stack,
                      std::int32_t boosts);

    // The JSON line of one object (without its line end).
    static std::string ObjectLine(std::int64_t frame, const std::string& spaceName,
                                  const GameObject& object);

    // The game flow's line (without its line end).
    static std::string FlowLine(std::int64_t frame, const GameplaySystem& flow,
                                const SoundSystem& sound, const Graphics& graphics,
                                const Space* space);

private:
    bool IsWatched(const std::string& name) const;

    std::FILE* out;
    std::vector<std::string> watch;
};
