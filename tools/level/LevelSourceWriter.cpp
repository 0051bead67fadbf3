#include "LevelSourceWriter.h"

#include <cstdio>
#include <variant>

#include "LevelKeys.h"

namespace {

// A TOML basic string.
std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            char escape[8];
            std::snprintf(escape, sizeof(escape), "\\u%04x", static_cast<unsigned char>(c));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string Numbers(const float* values, std::size_t count) {
    std::string text = "[";
    for (std::size_t i = 0; i < count; ++i) {
        text += (i == 0 ? "" : ", ") + LevelKeys::NumberText(values[i]);
    }
    return text + "]";
}

std::string ValueText(const FieldValue& value) {
    if (const auto* flag = std::get_if<bool>(&value)) {
        return *flag ? "true" : "false";
    }
    if (const auto* integer = std::get_if<std::int32_t>(&value)) {
        return std::to_string(*integer);
    }
    if (const auto* number = std::get_if<float>(&value)) {
        return LevelKeys::NumberText(*number);
    }
    if (const auto* text = std::get_if<std::string>(&value)) {
        return Quoted(*text);
    }
    if (const auto* numbers = std::get_if<std::vector<float>>(&value)) {
        return Numbers(numbers->data(), numbers->size());
    }
    std::string text = "[";
    for (const auto& point : std::get<Waypoints>(value)) {
        text += (text.size() == 1 ? "" : ", ") + Numbers(point.data(), point.size());
    }
    return text + "]";
}

}  // namespace

void LevelSourceWriter::Write(const std::vector<ObjectEntry>& objects,
                              const std::vector<std::string>& comment, std::ostream& out) {
    for (const std::string& line : comment) {
        out << "# " << line << "\n";
    }
    for (const ObjectEntry& object : objects) {
        out << "\n[[object]]\n";
        if (!object.name.empty()) {
            out << "name = " << Quoted(object.name) << "\n";
        }
        if (!object.templateName.empty()) {
            out << "template = " << Quoted(object.templateName) << "\n";
        }
        if (!object.gear.empty()) {
            out << "gear = " << Quoted(object.gear) << "\n";
        }
        for (const SectionEntry& section : object.sections) {
            out << section.key->name << " = {";
            const char* separator = " ";
            for (const FieldEntry& field : section.fields) {
                out << separator << field.key->name << " = " << ValueText(field.value);
                separator = ", ";
            }
            out << (section.fields.empty() ? "}" : " }") << "\n";
        }
    }
}
