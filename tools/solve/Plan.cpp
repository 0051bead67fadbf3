#include "Plan.h"

#include <GLFW/glfw3.h>

#include <sstream>

namespace {

// The pad's inputs the plans use, in the layout the game reads.
constexpr int RollAxis = 0;
constexpr int JumpButton = 0;
constexpr int BoostAxisX = 4;
// Down positive, as a stick reports it.
constexpr int BoostAxisY = 3;
// A diagonal flick: well past the stick's dead zone on both axes.
constexpr float Diagonal = 0.7f;

InputEvent Key(int code, bool down) {
    InputEvent event;
    event.kind = InputEvent::Kind::Key;
    event.code = code;
    event.down = down;
    return event;
}

InputEvent Button(int code, bool down) {
    InputEvent event = Key(code, down);
    event.kind = InputEvent::Kind::Button;
    return event;
}

InputEvent Axis(int code, float value) {
    InputEvent event;
    event.kind = InputEvent::Kind::Axis;
    event.code = code;
    event.value = value;
    return event;
}

float StickX(Roll roll) {
    return roll == Roll::Left ? -1.0f : roll == Roll::Right ? 1.0f : 0.0f;
}

int KeyOf(Roll roll) {
    return roll == Roll::Left ? GLFW_KEY_A : GLFW_KEY_D;
}

const char* KeyName(int key) {
    return key == GLFW_KEY_A ? "A" : key == GLFW_KEY_D ? "D" : "SPACE";
}

const char* RollName(Roll roll) {
    return roll == Roll::Left ? "roll left" : roll == Roll::Right ? "roll right" : "stop rolling";
}

const char* BoostName(Boost boost) {
    switch (boost) {
        case Boost::Up:
            return "boost up";
        case Boost::UpLeft:
            return "boost up-left";
        case Boost::UpRight:
            return "boost up-right";
        case Boost::Left:
            return "boost left";
        case Boost::Right:
            return "boost right";
        case Boost::Down:
            return "boost down";
        case Boost::None:
            break;
    }
    return "";
}

void AddRoll(std::vector<InputEvent>& events, bool gamepad, Roll from, Roll to) {
    if (gamepad) {
        events.push_back(Axis(RollAxis, StickX(to)));
        return;
    }
    if (from != Roll::None) {
        events.push_back(Key(KeyOf(from), false));
    }
    if (to != Roll::None) {
        events.push_back(Key(KeyOf(to), true));
    }
}

void AddJump(std::vector<InputEvent>& events, bool gamepad, bool down) {
    events.push_back(gamepad ? Button(JumpButton, down) : Key(GLFW_KEY_SPACE, down));
}

void AddStick(std::vector<InputEvent>& events, Boost boost) {
    const auto [x, y] = Plan::StickOf(boost);
    events.push_back(Axis(BoostAxisX, x));
    events.push_back(Axis(BoostAxisY, y == 0.0f ? 0.0f : -y));
}

}  // namespace

std::pair<float, float> Plan::StickOf(Boost boost) {
    switch (boost) {
        case Boost::Up:
            return {0.0f, 1.0f};
        case Boost::UpLeft:
            return {-Diagonal, Diagonal};
        case Boost::UpRight:
            return {Diagonal, Diagonal};
        case Boost::Left:
            return {-1.0f, 0.0f};
        case Boost::Right:
            return {1.0f, 0.0f};
        case Boost::Down:
            return {0.0f, -1.0f};
        case Boost::None:
            break;
    }
    return {0.0f, 0.0f};
}

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
        if (decision.frame + 1 == frame) {
            if (decision.jump) {
                AddJump(events, gamepad, false);
            }
            if (decision.boost != Boost::None) {
                AddStick(events, Boost::None);
            }
        }
        if (decision.frame == frame) {
            if (decision.roll != roll) {
                AddRoll(events, gamepad, roll, decision.roll);
            }
            if (decision.jump) {
                AddJump(events, gamepad, true);
            }
            if (decision.boost != Boost::None) {
                AddStick(events, decision.boost);
            }
        }
        roll = decision.roll;
    }
    return events;
}

std::string Plan::InputText() const {
    std::ostringstream text;
    if (decisions.empty()) {
        return text.str();
    }
    const std::int64_t last = decisions.back().frame + 1;
    for (std::int64_t frame = decisions.front().frame; frame <= last; ++frame) {
        for (const InputEvent& event : EventsOf(frame)) {
            text << frame;
            switch (event.kind) {
                case InputEvent::Kind::Key:
                    text << " key " << KeyName(event.code) << (event.down ? " down" : " up");
                    break;
                case InputEvent::Kind::Button:
                    text << " button " << event.code << (event.down ? " down" : " up");
                    break;
                case InputEvent::Kind::Axis:
                    text << " axis " << event.code << " " << event.value;
                    break;
            }
            text << "\n";
        }
    }
    return text.str();
}

std::string Plan::Describe(const Decision& decision, Roll before) {
    std::string text = "frame " + std::to_string(decision.frame) + ": ";
    std::string what;
    const auto add = [&what](const std::string& part) {
        what += (what.empty() ? "" : " and ") + part;
    };
    if (decision.roll != before) {
        add(RollName(decision.roll));
    }
    if (decision.jump) {
        add("jump");
    }
    if (decision.boost != Boost::None) {
        add(BoostName(decision.boost));
    }
    return text + what;
}
