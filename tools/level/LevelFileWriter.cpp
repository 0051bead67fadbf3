#include "LevelFileWriter.h"

#include <sstream>
#include <variant>

#include "Core/LevelReader.h"
#include "LevelKeys.h"

namespace {

constexpr const char* LineEnd = "\r\n";

std::string Numbers(const std::vector<float>& values) {
    std::string text = "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        text += (i == 0 ? "" : ", ") + LevelKeys::NumberText(values[i]);
    }
    return text + "]";
}

// The value part of a field line, after "<key> = ".
std::string ValueText(const FieldKey& key, const FieldValue& value) {
    switch (key.kind) {
        case ValueKind::Flag:
        case ValueKind::TrueOnly:
        case ValueKind::FalseOnly:
            return std::get<bool>(value) ? "true" : "false";
        case ValueKind::Number:
            return LevelKeys::NumberText(std::get<float>(value));
        case ValueKind::Integer:
            return std::to_string(std::get<std::int32_t>(value));
        case ValueKind::Vec3:
        case ValueKind::Vec4:
        case ValueKind::Translation:
            return Numbers(std::get<std::vector<float>>(value));
        case ValueKind::Rotation:
            // The reader keeps the quaternion's third number as the turn itself.
            return Numbers({0.0f, 0.0f, std::get<float>(value), 1.0f});
        case ValueKind::Text:
        case ValueKind::Sound:
            return "\"" + std::get<std::string>(value) + "\"";
        case ValueKind::Picture:
            return "\"Art:" + std::get<std::string>(value) + "\"";
        case ValueKind::BodyType:
        case ValueKind::Ease:
            return std::get<std::string>(value);
        case ValueKind::Waypoints:
            break;
    }
    return "";
}

void WriteField(std::ostream& out, const SectionKey& section, const FieldEntry& field) {
    if (std::holds_alternative<std::monostate>(field.value)) {
        return;
    }
    const char* comma = section.commas ? "," : "";
    if (field.key->kind == ValueKind::Waypoints) {
        for (const auto& point : std::get<Waypoints>(field.value)) {
            out << "    " << field.key->editorKey << " = "
                << Numbers({point[0], point[1], point[2]}) << comma << LineEnd;
        }
        return;
    }
    out << "    " << field.key->editorKey << " = " << ValueText(*field.key, field.value) << comma
        << LineEnd;
}

}  // namespace

void LevelFileWriter::Write(const std::vector<ObjectEntry>& objects, std::ostream& out) {
    // The editor's own settings: the game skips these lines unread.
    out << "Level =" << LineEnd << "{" << LineEnd;
    for (int line = 3; line <= LevelReader::EditorHeaderLines; ++line) {
        out << "  // editor settings: not read by the game" << LineEnd;
    }
    for (const ObjectEntry& object : objects) {
        out << "GameObject =" << LineEnd << "{" << LineEnd;
        if (!object.name.empty()) {
            out << "  " << LevelKeys::NameKey << " = \"" << object.name << "\"," << LineEnd;
        }
        for (const SectionEntry& section : object.sections) {
            out << "  " << section.key->header << LineEnd << "  {" << LineEnd;
            for (const FieldEntry& field : section.fields) {
                WriteField(out, *section.key, field);
            }
            out << "  }" << LineEnd;
        }
        out << "}" << LineEnd;
    }
    out << "}" << LineEnd;
}

std::string LevelFileWriter::Text(const std::vector<ObjectEntry>& objects) {
    std::ostringstream out;
    Write(objects, out);
    return out.str();
}
