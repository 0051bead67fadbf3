#include "Core/LevelLine.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstddef>
#include <system_error>
#include <utility>

namespace {

std::string CutText(std::string_view line, char opener) {
    const std::size_t open = line.find(opener);
    const std::size_t start = open == std::string_view::npos ? 0 : open + 1;
    const std::size_t comma = line.find(',', start);
    if (comma == std::string_view::npos || comma == start) {
        return std::string(line.substr(start));
    }
    return std::string(line.substr(start, comma - 1 - start));
}

// Reads a number at the front of text, after blanks, and moves text past it. False, leaving
// value alone, when no number can be read there or it is out of the type's range.
template <typename T>
bool ReadNumber(std::string_view& text, T& value) {
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) {
        ++at;
    }
    if (at + 1 < text.size() && text[at] == '+' && text[at + 1] != '-') {
        ++at;
    }
    const char* first = text.data() + at;
    const char* last = text.data() + text.size();
    T read{};
    const auto [end, error] = std::from_chars(first, last, read);
    if (error != std::errc()) {
        return false;
    }
    value = read;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return true;
}

template <typename T>
T NumberAfterEquals(std::string_view line) {
    T value{};
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos) {
        std::string_view rest = line.substr(equals + 1);
        ReadNumber(rest, value);
    }
    return value;
}

template <std::size_t N>
std::array<float, N> Vector(std::string_view line) {
    std::array<float, N> values{};
    const std::size_t bracket = line.find('[');
    if (bracket == std::string_view::npos) {
        return values;
    }
    std::string_view rest = line.substr(bracket + 1);
    for (float& value : values) {
        if (!ReadNumber(rest, value)) {
            break;
        }
        if (!rest.empty()) {
            rest.remove_prefix(1);
        }
    }
    return values;
}

}  // namespace

std::string LevelLine::QuotedText(std::string_view line) {
    return CutText(line, '"');
}

std::string LevelLine::ColonText(std::string_view line) {
    return CutText(line, ':');
}

float LevelLine::Number(std::string_view line) {
    return NumberAfterEquals<float>(line);
}

std::int32_t LevelLine::Integer(std::string_view line) {
    return NumberAfterEquals<std::int32_t>(line);
}

glm::vec3 LevelLine::Vec3(std::string_view line) {
    const auto v = Vector<3>(line);
    return {v[0], v[1], v[2]};
}

glm::vec4 LevelLine::Vec4(std::string_view line) {
    const auto v = Vector<4>(line);
    return {v[0], v[1], v[2], v[3]};
}

EasingFunction LevelLine::EasingNamed(std::string_view line) {
    constexpr std::pair<std::string_view, EasingFunction> names[] = {
        {"InOutQuad", Easing::InOutQuad}, {"InOutBack", Easing::InOutBack},
        {"OutQuad", Easing::OutQuad},     {"OutBack", Easing::OutBack},
        {"InQuad", Easing::InQuad},       {"InBack", Easing::InBack},
        {"Linear", Easing::Linear},
    };
    for (const auto& [name, easing] : names) {
        if (Contains(line, name)) {
            return easing;
        }
    }
    return Easing::Linear;
}
