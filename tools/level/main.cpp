// velmora-level: compiles compact level sources into the level editor's files, and back.

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "LevelKeys.h"
#include "LevelSourceError.h"
#include "LevelTool.h"
#include "Templates.h"

namespace {

constexpr int BadInput = 2;

const char* const Usage =
    "usage: velmora-level compile SOURCE.toml OUT.Level.data [options]\n"
    "       velmora-level decompile LEVEL.Level.data OUT.toml [options]\n"
    "       velmora-level keys\n"
    "\n"
    "compile    writes the level editor's file for a compact level source\n"
    "decompile  writes the compact source of an editor's file, each object on the template\n"
    "           it differs least from\n"
    "keys       lists every section and field of a compact source with its editor key\n"
    "\n"
    "options:\n"
    "  --templates FILE  the templates (default: content/levels/templates.toml)\n"
    "  --gears FILE      the gear table (default: content/art/gears.tsv, when it exists)\n"
    "\n"
    "Bad input is reported with its file and line, and the exit status is 2.\n";

void ListKeys() {
    for (const SectionKey& section : LevelKeys::Sections()) {
        std::cout << section.name << "  (" << section.header << ")\n";
        for (const FieldKey& field : section.fields) {
            std::cout << "  " << field.name << "  (" << field.editorKey << ")\n";
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    std::vector<std::string> positional;
    std::string templatesPath = std::string(VELMORA_CONTENT_DIR) + "/levels/templates.toml";
    std::string gearsPath;
    bool gearsGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            std::cout << Usage;
            return 0;
        }
        if ((argument == "--templates" || argument == "--gears") && i + 1 < arguments.size()) {
            (argument == "--templates" ? templatesPath : gearsPath) = arguments[++i];
            gearsGiven = gearsGiven || argument == "--gears";
        } else if (argument.starts_with("--")) {
            std::cerr << "velmora-level: unknown option " << argument << "\n" << Usage;
            return BadInput;
        } else {
            positional.push_back(argument);
        }
    }
    if (positional.size() == 1 && positional[0] == "keys") {
        ListKeys();
        return 0;
    }
    if (positional.size() != 3 || (positional[0] != "compile" && positional[0] != "decompile")) {
        std::cerr << Usage;
        return BadInput;
    }
    if (!gearsGiven) {
        const std::string standard = std::string(VELMORA_CONTENT_DIR) + "/art/gears.tsv";
        gearsPath = std::filesystem::exists(standard) ? standard : "";
    }
    try {
        const Templates templates = Templates::Load(templatesPath, gearsPath);
        if (positional[0] == "compile") {
            LevelTool::Compile(positional[1], positional[2], templates);
        } else {
            LevelTool::Decompile(positional[1], positional[2], templates);
        }
    } catch (const LevelSourceError& error) {
        std::cerr << "velmora-level: " << error.what() << "\n";
        return BadInput;
    }
    return 0;
}
