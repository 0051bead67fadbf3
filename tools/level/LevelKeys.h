#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "Core/Component.h"
#include "LevelEntry.h"

struct SoundCell;

// How a field's value is written in the editor's file and in a compact source.
enum class ValueKind {
    Flag,
    // Flags the editor only writes one way ("bool Alive = true", "bool BombActive = false").
    TrueOnly,
    FalseOnly,
    Number,
    Integer,
    Vec3,
    Vec4,
    Text,
    // A picture's name without "Art:" and without ".png".
    Picture,
    // A sound's file name, as the sound list names it.
    Sound,
    // A body kind: "WoodBox", "MetalBox" and "Explosive" are breakable, any other is not.
    BodyType,
    // An easing curve's name.
    Ease,
    // The move component's destinations, one editor line each.
    Waypoints,
    // A translation in the editor's units: the game plays it at twice the size.
    Translation,
    // The turn about the view axis, written as the editor's quaternion's third number.
    Rotation,
};

// The names behind the handles a loaded component holds instead of names.
struct LoadedNames {
    std::map<std::uint32_t, std::string> pictures;
    std::map<const SoundCell*, std::string> sounds;
};

struct FieldKey {
    // The name in a compact source.
    std::string_view name;
    // The editor's key, without " = " and the value.
    std::string_view editorKey;
    ValueKind kind;
    // The value the loaded component holds.
    FieldValue (*get)(const Component& component, const LoadedNames& names);
};

struct SectionKey {
    // The name in a compact source.
    std::string_view name;
    // The editor's section header line, exactly as the level reader matches it.
    std::string_view header;
    ComponentType type;
    std::span<const FieldKey> fields;
    // The editor ends every field line with a comma except in a few sections.
    bool commas;
    std::unique_ptr<Component> (*make)();
};

// The level file's sections and keys, with their compact names and value forms, and how a
// loaded component's fields read back as values.
class LevelKeys {
public:
    static std::span<const SectionKey> Sections();
    static const SectionKey* SectionNamed(std::string_view name);
    static const SectionKey* SectionOfType(ComponentType type);
    static const FieldKey* FieldNamed(const SectionKey& section, std::string_view name);

    // Whether two values of a field load the same (numbers bit for bit, body kinds by
    // whether they are breakable).
    static bool SameLoaded(const FieldKey& key, const FieldValue& a, const FieldValue& b);

    // Whether a text would be read back as written inside a quoted editor value: it holds no
    // line end, no brace, no comma and no key the reader would take first.
    static bool SafeText(std::string_view text);

    // The easing curve names the reader knows.
    static bool IsEaseName(std::string_view name);

    // The shortest decimal text that reads back as the same float, both by the level reader
    // and through a TOML parser's double.
    static std::string NumberText(float value);

    // The editor's key of an object's name line.
    static constexpr std::string_view NameKey = "string Name";
};
