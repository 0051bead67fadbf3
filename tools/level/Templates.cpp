#include "Templates.h"

#include <algorithm>
#include <variant>

#include "LevelKeys.h"
#include "LevelSourceError.h"

namespace {

// Deeper than any sensible chain of templates: a loop of templates stops here.
constexpr int MaxDepth = 32;

SectionEntry& SectionOf(ObjectEntry& object, const SectionKey* key) {
    for (SectionEntry& section : object.sections) {
        if (section.key == key) {
            return section;
        }
    }
    object.sections.push_back({key, {}, 0});
    return object.sections.back();
}

const SectionEntry* FindSection(const ObjectEntry& object, const SectionKey* key) {
    for (const SectionEntry& section : object.sections) {
        if (section.key == key) {
            return &section;
        }
    }
    return nullptr;
}

const FieldEntry* FindField(const SectionEntry* section, const FieldKey* key) {
    if (section == nullptr) {
        return nullptr;
    }
    for (const FieldEntry& field : section->fields) {
        if (field.key == key) {
            return &field;
        }
    }
    return nullptr;
}

void Set(SectionEntry& section, const FieldKey* key, FieldValue value, int line) {
    auto at = std::find_if(section.fields.begin(), section.fields.end(),
                           [&](const FieldEntry& field) { return field.key >= key; });
    if (at != section.fields.end() && at->key == key) {
        at->value = std::move(value);
        at->line = line;
    } else {
        section.fields.insert(at, {key, std::move(value), line});
    }
}

void SetNamed(ObjectEntry& object, std::string_view section, std::string_view field,
              FieldValue value, int line) {
    const SectionKey* sectionKey = LevelKeys::SectionNamed(section);
    Set(SectionOf(object, sectionKey), LevelKeys::FieldNamed(*sectionKey, field), std::move(value),
        line);
}

// A gear row gives the picture, the scale that shows it at its collider's size, and the
// collider numbers: the player's moving collider when the object has one, else a gear's.
void ApplyGear(ObjectEntry& object, const GearRow& row) {
    SetNamed(object, "Transform", "Scale", std::vector<float>{row.scale, row.scale, 1.0f},
             row.line);
    SetNamed(object, "Sprite", "SpriteSource", row.picture, row.line);
    const SectionKey* moving = LevelKeys::SectionNamed("MovingGearCollider");
    const std::string_view collider =
        FindSection(object, moving) != nullptr ? "MovingGearCollider" : "GearCollider";
    SetNamed(object, collider, "FullRadius", row.fullRadius, row.line);
    SetNamed(object, collider, "BellyRadius", row.bellyRadius, row.line);
    SetNamed(object, collider, "NumTeeth", row.teeth, row.line);
}

// What a field loads as when no line sets it.
FieldValue DefaultOf(const SectionKey& section, const FieldKey& field) {
    const auto fresh = section.make();
    return field.get(*fresh, LoadedNames{});
}

}  // namespace

Templates::Templates(std::vector<TemplateEntry> entries, std::optional<GearTable> gears,
                     std::string fileName)
    : entries(std::move(entries)), gears(std::move(gears)), fileName(std::move(fileName)) {
    if (this->gears) {
        for (const GearRow& row : this->gears->Rows()) {
            ObjectEntry gear;
            gear.templateName = Find(GearBase) != nullptr ? GearBase : "";
            gear.gear = row.picture;
            gear.line = row.line;
            this->entries.push_back({GearPrefix + row.picture, std::move(gear)});
        }
    }
}

Templates Templates::Load(const std::string& templatesPath, const std::string& gearTablePath) {
    std::optional<GearTable> gears;
    if (!gearTablePath.empty()) {
        gears = GearTable::ReadFile(gearTablePath);
    }
    return Templates(
        LevelSource::ReadTemplates(LevelSource::ReadText(templatesPath), templatesPath),
        std::move(gears), templatesPath);
}

const ObjectEntry* Templates::Find(const std::string& name) const {
    for (const TemplateEntry& entry : entries) {
        if (entry.name == name) {
            return &entry.entry;
        }
    }
    return nullptr;
}

ObjectEntry Templates::Expand(const ObjectEntry& entry, const std::string& file) const {
    return Expand(entry, file, 0);
}

ObjectEntry Templates::Expand(const ObjectEntry& entry, const std::string& file, int depth) const {
    ObjectEntry full;
    if (!entry.templateName.empty()) {
        const ObjectEntry* base = Find(entry.templateName);
        if (base == nullptr) {
            throw LevelSourceError::At(
                file, entry.line,
                "template: no template \"" + entry.templateName + "\" in " + fileName);
        }
        if (depth >= MaxDepth) {
            throw LevelSourceError::At(
                file, entry.line, "template: \"" + entry.templateName + "\" is built on itself");
        }
        full = Expand(*base, fileName, depth + 1);
    }
    if (!entry.gear.empty()) {
        const GearRow* row = gears ? gears->Find(entry.gear) : nullptr;
        if (row == nullptr) {
            throw LevelSourceError::At(
                file, entry.line,
                "gear: no gear \"" + entry.gear + "\" in " +
                    (gears ? gears->FileName() : std::string("the gear table (none given)")));
        }
        ApplyGear(full, *row);
    }
    if (!entry.name.empty()) {
        full.name = entry.name;
    }
    for (const SectionEntry& section : entry.sections) {
        SectionEntry& target = SectionOf(full, section.key);
        if (target.line == 0) {
            target.line = section.line;
        }
        for (const FieldEntry& field : section.fields) {
            Set(target, field.key, field.value, field.line);
        }
    }
    full.templateName.clear();
    full.gear.clear();
    full.line = entry.line;
    return full;
}

ObjectEntry Templates::Compact(const ObjectEntry& full) const {
    std::optional<ObjectEntry> best;
    std::size_t bestCost = 0;
    const auto consider = [&](const std::string& templateName, const ObjectEntry& base) {
        // The expansion lists the template's sections first: full must start with them.
        if (base.sections.size() > full.sections.size()) {
            return;
        }
        for (std::size_t i = 0; i < base.sections.size(); ++i) {
            if (base.sections[i].key != full.sections[i].key) {
                return;
            }
        }
        ObjectEntry compact;
        compact.templateName = templateName;
        std::size_t cost = 0;
        if (full.name != base.name) {
            if (full.name.empty()) {
                return;
            }
            compact.name = full.name;
            ++cost;
        }
        for (const SectionEntry& section : full.sections) {
            const SectionEntry* baseSection = FindSection(base, section.key);
            SectionEntry own{section.key, {}, 0};
            for (const FieldEntry& field : section.fields) {
                const FieldEntry* baseField = FindField(baseSection, field.key);
                const FieldValue standing =
                    baseField != nullptr ? baseField->value : DefaultOf(*section.key, *field.key);
                if (LevelKeys::SameLoaded(*field.key, field.value, standing)) {
                    continue;
                }
                // A source can set a field but never take one back to unset.
                if (std::holds_alternative<std::monostate>(field.value)) {
                    return;
                }
                own.fields.push_back(field);
            }
            cost += own.fields.size();
            if (baseSection == nullptr) {
                ++cost;
            }
            if (baseSection == nullptr || !own.fields.empty()) {
                compact.sections.push_back(std::move(own));
            }
        }
        if (!best || cost < bestCost) {
            best = std::move(compact);
            bestCost = cost;
        }
    };
    for (const TemplateEntry& entry : entries) {
        ObjectEntry base;
        try {
            base = Expand(entry.entry, fileName);
        } catch (const LevelSourceError&) {
            // A template that cannot be expanded (its gear row is missing) fits no object.
            continue;
        }
        consider(entry.name, base);
    }
    consider("", ObjectEntry{});
    return *best;
}
