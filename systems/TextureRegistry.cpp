#include "systems/TextureRegistry.h"

#include <array>
#include <iostream>

#include <GL/glew.h>
#include <SOIL/SOIL.h>

#include "Core/ContentFile.h"
#include "systems/AssetLists.h"

namespace {
// The images whose upload leaves the blend function additive.
constexpr std::array<const char*, 3> AdditiveAtLoad = {"Textures/particle.png",
                                                       "Textures/spark.png", "Textures/star.png"};
// The textures drawn additively. The load-time set names the star, the draw-time set the
// water: a star is drawn with ordinary alpha blending all the same.
constexpr std::array<const char*, 3> AdditiveAtDraw = {"particle.png", "spark.png", "water.png"};
}  // namespace

std::map<std::string, Texture2D>& TextureRegistry::Registry() {
    static std::map<std::string, Texture2D> registry;
    return registry;
}

Texture2D TextureRegistry::LoadTextureFromFile(const std::string& path) {
    Texture2D texture;
    glGenTextures(1, &texture.ID);
    int width = 0;
    int height = 0;
    // SOIL's own texture loader does not work in a core-profile context: it only reads here,
    // and the upload is ours.
    unsigned char* pixels = SOIL_load_image(ContentFile::Resolve(path).c_str(), &width, &height,
                                            nullptr, SOIL_LOAD_RGBA);
    // A picture that cannot be read stays empty; nothing is printed, as with every content
    // file that is simply absent.
    if (pixels == nullptr) {
        return texture;
    }
    bool additive = false;
    for (const char* name : AdditiveAtLoad) {
        additive = additive || path == name;
    }
    texture.Generate(width, height, pixels, additive);
    SOIL_free_image_data(pixels);
    return texture;
}

Texture2D TextureRegistry::LoadTexture(const std::string& path, const std::string& name) {
    return Registry()[name] = LoadTextureFromFile(path);
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

bool TextureRegistry::IsDrawnAdditive(const Texture2D& texture) {
    for (const char* name : AdditiveAtDraw) {
        if (texture.ID == GetTexture(name).ID) {
            return true;
        }
    }
    return false;
}

void TextureRegistry::LoadSpriteList(const std::function<void()>& drawFrame) {
    ContentFile list(AssetLists::SpriteList);
    if (!list.IsOpen()) {
        std::cout << "file not found: " << AssetLists::SpriteList << std::endl;
        return;
    }
    for (std::string line; list.ReadLine(line);) {
        if (drawFrame) {
            drawFrame();
        }
        const std::string path = AssetLists::ImageFolder + AssetLists::EntryOf(line);
        LoadTexture(path, std::string(ContentFile::FileNamePart(path)));
    }
}
