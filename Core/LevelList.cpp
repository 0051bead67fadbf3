#include "Core/LevelList.h"

#include <iostream>

#include "Core/ContentFile.h"

std::map<std::string, std::string>& LevelList::List() {
    static std::map<std::string, std::string> list;
    return list;
}

void LevelList::Read(std::string_view path) {
    auto& list = List();
    list.clear();
    ContentFile file(path);
    if (!file.IsOpen()) {
        std::cout << "file not found: " << path << std::endl;
        return;
    }
    for (std::string line; file.ReadLine(line);) {
        const std::size_t comma = line.find(',');
        if (comma == std::string::npos) {
            list.emplace(line, line);
        } else {
            list.emplace(line.substr(0, comma), line.substr(comma + 1));
        }
    }
}

std::string LevelList::FileName(const std::string& name) {
    return List()[name];
}

const std::map<std::string, std::string>& LevelList::Entries() {
    return List();
}
