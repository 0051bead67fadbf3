#include "Plan.h"

#include <GLFW/glfw3.h>

namespace {

int KeyOf(Roll roll) {
    return roll == Roll::Left ? GLFW_KEY_A : GLFW_KEY_D;
}

const char* NameOf(int key) {
    return key == GLFW_KEY_A ? "A" : key == GLFW_KEY_D ? "D" : "SPACE";
}

InputEvent Key(int code, bool down) {
    InputEvent event;
    event.kind = InputEvent::Kind::Key;
    event.code = code;
    event.down = down;
    return event;
}

const char* RollName(Roll roll) {
    return roll == Roll::Left ? "roll left" : roll == Roll::Right ? "roll right" : "stop rolling";
}

}  // namespace

Roll Plan::RollBefore(std::int64_t frame) const {
    Roll roll = Roll::None;
    for (const Decision& decision : decisions) {
        if (decision.frame >= frame) {
            break;
        }
        roll = decision.roll;
    }
    return roll;
}

std::vector<InputEvent> Plan::EventsOf(std::int64_t frame) const {
    std::vector<InputEvent> events;
    Roll roll = Roll::None;
    for (const Decision& decision : decisions) {
        if (decision.frame > frame) {
            break;
        }
        if (decision.frame + 1 == frame && decision.jump) {
            events.push_back(Key(GLFW_KEY_SPACE, false));
        }
        if (decision.frame == frame) {
            if (decision.roll != roll) {
                if (roll != Roll::None) {
                    events.push_back(Key(KeyOf(roll), false));
                }
                if (decision.roll != Roll::None) {
                    events.push_back(Key(KeyOf(decision.roll), true));
                }
            }
            if (decision.jump) {
                events.push_back(Key(GLFW_KEY_SPACE, true));
            }
        }
        roll = decision.roll;
    }
    return events;
}

std::string Plan::InputText() const {
    std::string text;
    if (decisions.empty()) {
        return text;
    }
    const std::int64_t last = decisions.back().frame + 1;
    for (std::int64_t frame = decisions.front().frame; frame <= last; ++frame) {
        for (const InputEvent& event : EventsOf(frame)) {
            text += std::to_string(frame) + " key " + NameOf(event.code) +
                    (event.down ? " down\n" : " up\n");
        }
    }
    return text;
}

std::string Plan::Describe(const Decision& decision, Roll before) {
    std::string text = "frame " + std::to_string(decision.frame) + ": ";
    if (decision.roll != before) {
        text += RollName(decision.roll);
        if (decision.jump) {
            text += " and jump";
        }
    } else {
        text += "jump";
    }
    return text;
}
