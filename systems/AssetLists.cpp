#include "systems/AssetLists.h"

#include <fstream>
#include <iostream>
#include <iterator>

#include "Core/ContentFile.h"
#include "Core/Engine.h"
#include "systems/SoundSystem.h"
#include "systems/TextureRegistry.h"

namespace {

constexpr std::size_t KindLetters = 3;

bool EndsWithAny(const std::string& tail, std::initializer_list<const char*> endings) {
    for (const char* ending : endings) {
        if (tail == ending) {
            return true;
        }
    }
    return false;
}

// Appends "name;" as a line of its own, in the line ends the list already uses.
void AppendEntry(const std::string& list, const std::string& name) {
    const std::string path = ContentFile::Resolve(list);
    std::string existing;
    if (std::ifstream in{path, std::ios::binary}) {
        existing.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const std::string lineEnd = existing.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    std::ofstream out(path, std::ios::binary | std::ios::app);
    if (!out) {
        std::cout << "Could not add " << name << " to " << list << std::endl;
        return;
    }
    // A last line without its line end would otherwise run into the new entry.
    if (!existing.empty() && existing.back() != '\n') {
        out << lineEnd;
    }
    out << name << ';' << lineEnd;
}

}  // namespace

void AssetLists::LoadSounds(const std::function<void()>& drawFrame) {
    ContentFile list(SoundList);
    if (!list.IsOpen()) {
        std::cout << "file not found: " << SoundList << std::endl;
        return;
    }
    const auto sounds = GetSystem<SoundSystem>();
    for (std::string line; list.ReadLine(line);) {
        if (drawFrame) {
            drawFrame();
        }
        auto [name, cell] = sounds->LoadSound(SoundFolder + EntryOf(line));
        sounds->AddToTable(name, std::move(cell));
    }
}

std::string AssetLists::EntryOf(const std::string& line) {
    return line.substr(0, line.find(';'));
}

AssetLists::FileKind AssetLists::Classify(const std::string& path) {
    const std::string tail =
        path.size() < KindLetters ? "" : path.substr(path.size() - KindLetters);
    if (EndsWithAny(tail, {"mp3", "wav", "ogg"})) {
        std::cout << "Music file" << std::endl;
        return FileKind::Audio;
    }
    if (EndsWithAny(tail, {"png", "jpg", "bmp"})) {
        std::cout << "Image file" << std::endl;
        return FileKind::Image;
    }
    return FileKind::Unsupported;
}

void AssetLists::Import(const std::string& path) {
    const FileKind kind = Classify(path);
    if (kind == FileKind::Unsupported) {
        return;
    }
    const char* list = kind == FileKind::Audio ? SoundList : SpriteList;
    const std::string name = std::string(ContentFile::FileNamePart(path));
    if (name.find_first_of(";\r\n") != std::string::npos) {
        std::cout << "Cannot list a dropped file whose name holds a line break or a \";\": " << name
                  << std::endl;
        return;
    }
    if (!IsListed(list, name)) {
        AppendEntry(list, name);
    }
}

bool AssetLists::IsListed(const std::string& list, const std::string& name) {
    ContentFile file(list);
    const std::string wanted = name + ";";
    for (std::string word; file.Text() >> word;) {
        if (word == wanted) {
            return true;
        }
    }
    return false;
}

void AssetLists::LoadDroppedFile(const std::string& fileName) {
    switch (Classify(fileName)) {
        case FileKind::Audio: {
            const auto sounds = GetSystem<SoundSystem>();
            auto [name, cell] = sounds->LoadSound(SoundFolder + fileName);
            sounds->AddToTable(name, std::move(cell));
            break;
        }
        case FileKind::Image:
            TextureRegistry::LoadTexture(ImageFolder + fileName,
                                         std::string(ContentFile::FileNamePart(fileName)));
            break;
        case FileKind::Unsupported:
            std::cout << "Filetype not supported by drag and drop" << std::endl;
            break;
    }
}
