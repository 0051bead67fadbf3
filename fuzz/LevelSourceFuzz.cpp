// Feeds arbitrary bytes to the compact level source reader, both as a level and as a templates
// file, and expands every object it accepts on the templates read from the same bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "LevelSource.h"
#include "LevelSourceError.h"
#include "Templates.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Templates templates;
    try {
        templates = Templates(LevelSource::ReadTemplates(text, "fuzz.toml"), {}, "fuzz.toml");
    } catch (const LevelSourceError&) {
    }
    try {
        for (const ObjectEntry& object : LevelSource::ReadLevel(text, "fuzz.toml")) {
            templates.Expand(object, "fuzz.toml");
        }
    } catch (const LevelSourceError&) {
    }
    return 0;
}
