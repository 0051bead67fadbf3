#include "InputScript.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <sstream>

#include <GLFW/glfw3.h>

#include "TraceOptions.h"
#include "systems/Window.h"

namespace {

constexpr int GamepadInputs = 16;

const std::map<std::string, int>& KeyNames() {
    static const std::map<std::string, int> names = {
        {"SPACE", GLFW_KEY_SPACE},         {"ENTER", GLFW_KEY_ENTER}, {"ESCAPE", GLFW_KEY_ESCAPE},
        {"BACKSPACE", GLFW_KEY_BACKSPACE}, {"RIGHT", GLFW_KEY_RIGHT}, {"LEFT", GLFW_KEY_LEFT},
        {"DOWN", GLFW_KEY_DOWN},           {"UP", GLFW_KEY_UP},
    };
    return names;
}

template <typename Number>
bool ParseNumber(const std::string& word, Number& value) {
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    return error == std::errc() && stop == end;
}

}  // namespace

int InputScript::KeyCode(const std::string& word) {
    int code = 0;
    if (ParseNumber(word, code)) {
        return code >= 0 && code < Window::KeyCount ? code : -1;
    }
    std::string upper = word;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (upper.size() == 1 && (std::isupper(static_cast<unsigned char>(upper[0])) ||
                              std::isdigit(static_cast<unsigned char>(upper[0])))) {
        return upper[0];  // GLFW's codes for letters and digits are their characters
    }
    const auto named = KeyNames().find(upper);
    return named == KeyNames().end() ? -1 : named->second;
}

InputScript InputScript::Read(std::istream& text, const std::string& fileName) {
    InputScript script;
    std::string line;
    for (int number = 1; std::getline(text, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        std::istringstream words(line);
        std::vector<std::string> parts;
        for (std::string word; words >> word;) {
            parts.push_back(word);
        }
        if (parts.empty() || parts[0].starts_with("#")) {
            continue;
        }
        const auto fail = [&](const std::string& why) {
            std::string message = fileName;
            message.append(":").append(std::to_string(number)).append(": ").append(why);
            throw UsageError(message.append(": \"").append(line).append("\""));
        };
        std::int64_t frame = 0;
        if (parts.size() != 4 || !ParseNumber(parts[0], frame) || frame < 0) {
            fail("expected FRAME key KEY down|up, FRAME axis I VALUE or FRAME button I down|up");
        }
        InputEvent event;
        const std::string& what = parts[1];
        if (what == "key") {
            event.kind = InputEvent::Kind::Key;
            event.code = KeyCode(parts[2]);
            if (event.code < 0) {
                fail("unknown key " + parts[2]);
            }
        } else if (what == "axis" || what == "button") {
            event.kind = what == "axis" ? InputEvent::Kind::Axis : InputEvent::Kind::Button;
            if (!ParseNumber(parts[2], event.code) || event.code < 0 ||
                event.code >= GamepadInputs) {
                fail("the " + what + " index is a number from 0 to " +
                     std::to_string(GamepadInputs - 1));
            }
            script.usesGamepad = true;
        } else {
            fail("unknown event " + what);
        }
        if (event.kind == InputEvent::Kind::Axis) {
            if (!ParseNumber(parts[3], event.value) || !std::isfinite(event.value)) {
                fail("an axis value is a number");
            }
        } else if (parts[3] == "down" || parts[3] == "up") {
            event.down = parts[3] == "down";
        } else {
            fail("expected down or up");
        }
        // Frame 0 comes before the first frame, as frame 1's events do.
        script.frames[std::max<std::int64_t>(frame, 1)].push_back(event);
    }
    return script;
}

const std::vector<InputEvent>& InputScript::EventsOf(std::int64_t frame) const {
    static const std::vector<InputEvent> none;
    const auto found = frames.find(frame);
    return found == frames.end() ? none : found->second;
}
