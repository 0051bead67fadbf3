#include "LevelFileReader.h"

#include <cstdlib>
#include <iostream>
#include <set>
#include <sstream>

#include "Core/ContentFile.h"
#include "Core/LevelReader.h"
#include "LevelKeys.h"
#include "LevelSourceError.h"
#include "components/LevelKeys.h"
#include "systems/SoundTable.h"
#include "systems/TextureRegistry.h"

namespace {

constexpr std::string_view PictureKey = "string SpriteSource";
constexpr std::string_view TextureExtension = ".png";
// Stand-in texture names, far above any the driver hands out, so that a sprite's texture
// tells which picture the file named.
constexpr std::uint32_t FirstStandIn = 0x7f000000;

// The picture a sprite source line names, by the reader's rule: after the line's first colon,
// up to two characters before the next comma.
std::string PictureOf(std::string_view line) {
    const std::size_t colon = line.find(':');
    const std::size_t start = colon == std::string_view::npos ? 0 : colon + 1;
    const std::size_t comma = line.find(',', start);
    if (comma == std::string_view::npos || comma == start) {
        return std::string(line.substr(start));
    }
    return std::string(line.substr(start, comma - 1 - start));
}

// The game's reader keeps only the texture a picture's name finds in the registry, so every
// picture the file names is entered under a texture of its own before reading.
LoadedNames NamePictures(const std::string& path) {
    ContentFile file(path);
    std::uint32_t next = FirstStandIn;
    std::string line;
    while (file.ReadLine(line)) {
        if (line.find(PictureKey) == std::string::npos) {
            continue;
        }
        const std::string name = PictureOf(line) + std::string(TextureExtension);
        if (TextureRegistry::Entries().count(name) == 0) {
            Texture2D standIn;
            standIn.ID = next++;
            TextureRegistry::Store(name, standIn);
        }
    }
    LoadedNames names;
    std::set<std::uint32_t> shared;
    for (const auto& [name, texture] : TextureRegistry::Entries()) {
        if (texture.ID == 0 || !name.ends_with(TextureExtension)) {
            continue;
        }
        const std::string picture = name.substr(0, name.size() - TextureExtension.size());
        if (!names.pictures.emplace(texture.ID, picture).second) {
            shared.insert(texture.ID);
        }
    }
    for (std::uint32_t id : shared) {
        names.pictures.erase(id);
    }
    return names;
}

}  // namespace

std::vector<ObjectEntry> LevelFileReader::Read(const std::string& path) {
    LoadedNames names = NamePictures(path);
    std::vector<LevelRecord> records;
    // The reader reports a bad line on standard output; the tool's message names it instead.
    std::ostringstream reported;
    std::streambuf* standardOutput = std::cout.rdbuf(reported.rdbuf());
    InstallLevelKeys();
    const ReadStatus status = LevelReader::Read(path, records);
    std::cout.rdbuf(standardOutput);
    switch (status) {
        case ReadStatus::Complete:
            break;
        case ReadStatus::CannotOpen:
            throw LevelSourceError::At(path, 0, "cannot read the level file");
        case ReadStatus::EndsInHeader:
            throw LevelSourceError::At(path, 0,
                                       "the file ends inside the editor's 138-line header");
        case ReadStatus::EndsEarly: {
            std::string message = reported.str();
            while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) {
                message.pop_back();
            }
            const std::size_t colon = message.rfind(": ");
            const int line =
                colon == std::string::npos ? 0 : std::atoi(message.c_str() + colon + 2);
            throw LevelSourceError::At(path, line, "the level ends here before its closing brace");
        }
    }
    for (const auto& [name, cell] : SoundTable::Entries()) {
        names.sounds.emplace(cell.get(), name);
    }

    std::vector<ObjectEntry> objects;
    for (const LevelRecord& record : records) {
        ObjectEntry object;
        object.name = record.name;
        for (const auto& [type, component] : record.components) {
            const SectionKey* key = LevelKeys::SectionOfType(type);
            // The game attaches only the first component of a type.
            bool attached = false;
            for (const SectionEntry& section : object.sections) {
                attached = attached || section.key == key;
            }
            if (key == nullptr || attached) {
                continue;
            }
            SectionEntry section{key, {}, 0};
            for (const FieldKey& field : key->fields) {
                section.fields.push_back({&field, field.get(*component, names), 0});
            }
            object.sections.push_back(std::move(section));
        }
        objects.push_back(std::move(object));
    }
    return objects;
}
