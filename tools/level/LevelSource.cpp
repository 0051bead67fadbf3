#include "LevelSource.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>

#include <toml++/toml.h>

#include "LevelKeys.h"
#include "LevelSourceError.h"

namespace {

int LineOf(const toml::node& node) {
    return static_cast<int>(node.source().begin.line);
}

int LineOf(const toml::key& key) {
    return static_cast<int>(key.source().begin.line);
}

// A table's keys in the order the file writes them: toml++ keeps them sorted by name.
std::vector<std::pair<const toml::key*, const toml::node*>> InFileOrder(const toml::table& table) {
    std::vector<std::pair<const toml::key*, const toml::node*>> entries;
    for (const auto& [key, node] : table) {
        entries.emplace_back(&key, &node);
    }
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        const auto& x = a.first->source().begin;
        const auto& y = b.first->source().begin;
        return x.line != y.line ? x.line < y.line : x.column < y.column;
    });
    return entries;
}

class EntryReader {
public:
    explicit EntryReader(const std::string& fileName) : fileName(fileName) {}

    ObjectEntry Read(const toml::table& table, int line, const std::string& where) const {
        ObjectEntry entry;
        entry.line = line;
        for (const auto& [key, node] : InFileOrder(table)) {
            const std::string name(key->str());
            if (name == "name" || name == "template" || name == "gear") {
                const std::string text = Text(*node, std::string(where).append(".").append(name));
                (name == "name"       ? entry.name
                 : name == "template" ? entry.templateName
                                      : entry.gear) = text;
                continue;
            }
            const SectionKey* section = LevelKeys::SectionNamed(name);
            if (section == nullptr) {
                Fail(*key, std::string(where).append(".").append(name),
                     "no such section (the sections are the editor's, such as Transform, "
                     "Sprite, RigidBody, GearCollider; `velmora-level keys` lists them)");
            }
            const toml::table* fields = node->as_table();
            if (fields == nullptr) {
                Fail(*node, name,
                     "a section is a table of fields, such as " + name + " = { " +
                         std::string(section->fields.empty() ? "}" : section->fields[0].name) +
                         " = ... }");
            }
            entry.sections.push_back(ReadSection(*section, *fields, LineOf(*key), where));
        }
        return entry;
    }

private:
    SectionEntry ReadSection(const SectionKey& section, const toml::table& table, int line,
                             const std::string& entryWhere) const {
        SectionEntry entry{&section, {}, line};
        for (const auto& [key, node] : table) {
            const std::string where =
                entryWhere + "." + std::string(section.name) + "." + std::string(key.str());
            const FieldKey* field = LevelKeys::FieldNamed(section, key.str());
            if (field == nullptr) {
                Fail(key, where, "no such field in " + std::string(section.name));
            }
            entry.fields.push_back({field, Value(*field, node, where), LineOf(node)});
        }
        // The key table's order: the same source always writes the same file.
        std::sort(entry.fields.begin(), entry.fields.end(),
                  [&](const auto& a, const auto& b) { return a.key < b.key; });
        return entry;
    }

    FieldValue Value(const FieldKey& field, const toml::node& node,
                     const std::string& where) const {
        switch (field.kind) {
            case ValueKind::Flag:
            case ValueKind::TrueOnly:
            case ValueKind::FalseOnly: {
                const auto flag = node.value<bool>();
                if (!node.is_boolean()) {
                    Fail(node, where, "true or false");
                }
                if ((field.kind == ValueKind::TrueOnly && !*flag) ||
                    (field.kind == ValueKind::FalseOnly && *flag)) {
                    Fail(node, where,
                         std::string("the editor's file can only say ") +
                             (field.kind == ValueKind::TrueOnly ? "true" : "false") + " here");
                }
                return *flag;
            }
            case ValueKind::Number:
            case ValueKind::Rotation:
                return Number(node, where);
            case ValueKind::Integer: {
                const auto* integer = node.as_integer();
                if (integer == nullptr ||
                    integer->get() < std::numeric_limits<std::int32_t>::min() ||
                    integer->get() > std::numeric_limits<std::int32_t>::max()) {
                    Fail(node, where, "a whole number (32-bit)");
                }
                return static_cast<std::int32_t>(integer->get());
            }
            case ValueKind::Vec3:
            case ValueKind::Translation:
                return Numbers(node, 3, where);
            case ValueKind::Vec4:
                return Numbers(node, 4, where);
            case ValueKind::Text:
            case ValueKind::Picture:
            case ValueKind::Sound:
            case ValueKind::BodyType:
                return Text(node, where);
            case ValueKind::Ease: {
                std::string name = Text(node, where);
                if (!LevelKeys::IsEaseName(name)) {
                    Fail(node, where,
                         "an easing curve: Linear, InQuad, OutQuad, InOutQuad, InBack, OutBack "
                         "or InOutBack");
                }
                return name;
            }
            case ValueKind::Waypoints: {
                const toml::array* array = node.as_array();
                if (array == nullptr) {
                    Fail(node, where, "a list of points, such as [[1, 2, 0], [3, 2, 0]]");
                }
                Waypoints points;
                for (const toml::node& point : *array) {
                    const auto numbers = Numbers(point, 3, where);
                    points.push_back({numbers[0], numbers[1], numbers[2]});
                }
                return points;
            }
        }
        Fail(node, where, "unknown field kind");
    }

    float Number(const toml::node& node, const std::string& where) const {
        if (const auto* real = node.as_floating_point()) {
            return static_cast<float>(real->get());
        }
        if (const auto* integer = node.as_integer()) {
            return static_cast<float>(integer->get());
        }
        Fail(node, where, "a number");
    }

    std::vector<float> Numbers(const toml::node& node, std::size_t count,
                               const std::string& where) const {
        const toml::array* array = node.as_array();
        if (array == nullptr || array->size() != count) {
            Fail(node, where, "a list of " + std::to_string(count) + " numbers");
        }
        std::vector<float> numbers;
        for (const toml::node& number : *array) {
            numbers.push_back(Number(number, where));
        }
        return numbers;
    }

    std::string Text(const toml::node& node, const std::string& where) const {
        const auto* text = node.as_string();
        if (text == nullptr) {
            Fail(node, where, "a text in double quotes");
        }
        if (!LevelKeys::SafeText(text->get())) {
            Fail(node, where,
                 "the editor's file cannot hold this text: no comma, brace, line end or level "
                 "file key in it");
        }
        return text->get();
    }

    template <typename Source>
    [[noreturn]] void Fail(const Source& at, const std::string& where,
                           const std::string& message) const {
        throw LevelSourceError::At(fileName, LineOf(at), where + ": " + message);
    }

    const std::string& fileName;
};

toml::table Parse(std::string_view text, const std::string& fileName) {
    try {
        return toml::parse(text, fileName);
    } catch (const toml::parse_error& error) {
        throw LevelSourceError::At(fileName, static_cast<int>(error.source().begin.line),
                                   std::string(error.description()));
    }
}

}  // namespace

std::vector<ObjectEntry> LevelSource::ReadLevel(std::string_view text,
                                                const std::string& fileName) {
    const toml::table file = Parse(text, fileName);
    const EntryReader reader(fileName);
    std::vector<ObjectEntry> objects;
    for (const auto& [key, node] : file) {
        if (key.str() != "object") {
            throw LevelSourceError::At(
                fileName, LineOf(key),
                std::string(key.str()) + ": a level holds only [[object]] entries");
        }
        const toml::array* array = node.as_array();
        if (array == nullptr || !array->is_array_of_tables()) {
            throw LevelSourceError::At(fileName, LineOf(node),
                                       "object: each object is an [[object]] table");
        }
        for (const toml::node& object : *array) {
            objects.push_back(reader.Read(*object.as_table(), LineOf(object),
                                          "object " + std::to_string(objects.size() + 1)));
        }
    }
    return objects;
}

std::vector<TemplateEntry> LevelSource::ReadTemplates(std::string_view text,
                                                      const std::string& fileName) {
    const toml::table file = Parse(text, fileName);
    const EntryReader reader(fileName);
    std::vector<TemplateEntry> templates;
    for (const auto& [key, node] : file) {
        const toml::table* table = node.as_table();
        if (key.str() != "template" || table == nullptr) {
            throw LevelSourceError::At(
                fileName, LineOf(key),
                std::string(key.str()) + ": a templates file holds only [template.NAME] tables");
        }
        for (const auto& [name, entry] : InFileOrder(*table)) {
            const toml::table* fields = entry->as_table();
            if (fields == nullptr) {
                throw LevelSourceError::At(
                    fileName, LineOf(*name),
                    "template." + std::string(name->str()) + ": a template is a table");
            }
            templates.push_back(
                {std::string(name->str()),
                 reader.Read(*fields, LineOf(*name), "template." + std::string(name->str()))});
        }
    }
    return templates;
}

std::string LevelSource::ReadText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw LevelSourceError::At(path, 0, "cannot read the file");
    }
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
