#pragma once

#include <functional>
#include <map>
#include <string>

#include "systems/Texture2D.h"

// The process-wide registry of textures by name (normally the image's file name, such as
// "particle.png"). Entries are never removed and textures never deleted.
class TextureRegistry {
public:
    // Reads an image file as 8-bit RGBA and uploads it into a new texture. An image that cannot
    // be read (SOIL reads 8-bit, non-interlaced PNG) leaves the texture without a picture and
    // with size 0.
    static Texture2D LoadTextureFromFile(const std::string& path);

    // Loads an image and enters it under the name, replacing an earlier entry (whose texture
    // stays alive); returns the stored copy.
    static Texture2D LoadTexture(const std::string& path, const std::string& name);

    // The entry of a name; an absent name is entered empty (ID 0) and that empty entry returned.
    static Texture2D GetTexture(const std::string& name);

    // Enters a texture under a name, replacing an earlier entry; returns the stored copy.
    static Texture2D Store(const std::string& name, const Texture2D& texture);

    // Every entry, in key order.
    static const std::map<std::string, Texture2D>& Entries();

    // Whether the texture is drawn with additive blending: it is the one registered as
    // "particle.png", "spark.png" or "water.png".
    static bool IsDrawnAdditive(const Texture2D& texture);

    // The texture part of the asset loading pass: every entry of the sprite list is loaded
    // from the image folder and registered under its bare file name, drawFrame (the loading
    // picture) being called before each. A list that cannot be read loads nothing.
    static void LoadSpriteList(const std::function<void()>& drawFrame = {});

private:
    static std::map<std::string, Texture2D>& Registry();
};
