#include "LevelFingerprint.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "Core/ContentFile.h"
#include "Core/LevelList.h"

std::string LevelFingerprint::Of(const std::string& bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char byte : bytes) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof(text), "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::optional<std::string> LevelFingerprint::OfLevel(const std::string& level) {
    const std::string file = LevelList::FileName(level);
    if (file.empty()) {
        return std::nullopt;
    }
    std::ifstream in(ContentFile::Resolve("TandrelLevelDesigner/Content/" + file + ".Level.data"),
                     std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return Of(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}
