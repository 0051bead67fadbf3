#pragma once

#include <map>
#include <string>

#include "systems/Texture2D.h"

// The process-wide registry of textures by name (normally the image's file name, such as
// "particle.png"). Entries are never removed and textures never deleted.
class TextureRegistry {
public:
    // The entry of a name; an absent name is entered empty (ID 0) and that empty entry returned.
    static Texture2D GetTexture(const std::string& name);

    // Enters a texture under a name, replacing an earlier entry; returns the stored copy.
    static Texture2D Store(const std::string& name, const Texture2D& texture);

    // Every entry, in key order.
    static const std::map<std::string, Texture2D>& Entries();

private:
    static std::map<std::string, Texture2D>& Registry();
};
