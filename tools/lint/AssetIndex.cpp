#include "AssetIndex.h"

#include <filesystem>
#include <system_error>

#include "Core/ContentFile.h"
#include "systems/AssetLists.h"

namespace {

// Reads a list, entering each line's entry under its file name; `replace` says whether a later
// entry of a name takes the place of an earlier one.
bool ReadList(const char* list, const char* folder, bool replace,
              std::map<std::string, AssetIndex::Entry>& names) {
    ContentFile file(list);
    std::string line;
    for (std::int64_t number = 1; file.ReadLine(line); ++number) {
        AssetIndex::Entry entry;
        entry.path = folder + AssetLists::EntryOf(line);
        entry.line = number;
        std::error_code error;
        entry.fileExists =
            std::filesystem::is_regular_file(ContentFile::Resolve(entry.path), error);
        std::string name(ContentFile::FileNamePart(entry.path));
        if (replace) {
            names.insert_or_assign(std::move(name), std::move(entry));
        } else {
            names.emplace(std::move(name), std::move(entry));
        }
    }
    return file.IsOpen();
}

const AssetIndex::Entry* Lookup(const std::map<std::string, AssetIndex::Entry>& names,
                                const std::string& name) {
    const auto found = names.find(name);
    return found == names.end() ? nullptr : &found->second;
}

}  // namespace

AssetIndex::AssetIndex()
    : spriteList(ContentFile::Resolve(AssetLists::SpriteList)),
      soundList(ContentFile::Resolve(AssetLists::SoundList)) {
    spriteListRead = ReadList(AssetLists::SpriteList, AssetLists::ImageFolder, true, pictures);
    soundListRead = ReadList(AssetLists::SoundList, AssetLists::SoundFolder, false, sounds);
}

const AssetIndex::Entry* AssetIndex::Picture(const std::string& name) const {
    return Lookup(pictures, name);
}

const AssetIndex::Entry* AssetIndex::Sound(const std::string& name) const {
    return Lookup(sounds, name);
}
