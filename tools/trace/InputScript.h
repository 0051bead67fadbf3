#pragma once

#include <cstdint>
#include <istream>
#include <map>
#include <string>
#include <vector>

// One replayed input event.
struct InputEvent {
    enum class Kind { Key, Axis, Button };
    Kind kind = Kind::Key;
    // The GLFW key code, or the axis or button index.
    int code = 0;
    bool down = false;
    float value = 0.0f;
};

// An input file: the events of each frame, in file order.
class InputScript {
public:
    // Reads an input file; a malformed line throws UsageError naming the file and line.
    static InputScript Read(std::istream& text, const std::string& fileName);

    // A GLFW key code from a code or a key name; -1 when it is neither.
    static int KeyCode(const std::string& word);

    const std::vector<InputEvent>& EventsOf(std::int64_t frame) const;

    // Whether any line moves an axis or presses a button.
    bool UsesGamepad() const { return usesGamepad; }

private:
    std::map<std::int64_t, std::vector<InputEvent>> frames;
    bool usesGamepad = false;
};
