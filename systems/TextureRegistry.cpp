#include "systems/TextureRegistry.h"

std::map<std::string, Texture2D>& TextureRegistry::Registry() {
    static std::map<std::string, Texture2D> registry;
    return registry;
}

Texture2D TextureRegistry::GetTexture(const std::string& name) {
    return Registry()[name];
}

Texture2D TextureRegistry::Store(const std::string& name, const Texture2D& texture) {
    return Registry()[name] = texture;
}

const std::map<std::string, Texture2D>& TextureRegistry::Entries() {
    return Registry();
}
