#include "LevelTool.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "LevelFileReader.h"
#include "LevelFileWriter.h"
#include "LevelSource.h"
#include "LevelSourceError.h"
#include "LevelSourceWriter.h"

namespace {

// Writes through a file beside the target, so that a failed run never leaves half a level
// for the build to take as up to date.
void WriteWhole(const std::string& path, const std::string& bytes) {
    const std::string partial = path + ".partial";
    {
        std::ofstream file(partial, std::ios::binary | std::ios::trunc);
        file << bytes;
        if (!file.flush()) {
            throw LevelSourceError::At(path, 0, "cannot write the file");
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, path, error);
    if (error) {
        std::filesystem::remove(partial, error);
        throw LevelSourceError::At(path, 0, "cannot write the file");
    }
}

}  // namespace

void LevelTool::Compile(const std::string& sourcePath, const std::string& levelPath,
                        const Templates& templates) {
    const std::vector<ObjectEntry> source =
        LevelSource::ReadLevel(LevelSource::ReadText(sourcePath), sourcePath);
    std::vector<ObjectEntry> objects;
    objects.reserve(source.size());
    for (const ObjectEntry& entry : source) {
        objects.push_back(templates.Expand(entry, sourcePath));
    }
    WriteWhole(levelPath, LevelFileWriter::Text(objects));
}

void LevelTool::Decompile(const std::string& levelPath, const std::string& sourcePath,
                          const Templates& templates) {
    std::vector<ObjectEntry> objects;
    for (const ObjectEntry& full : LevelFileReader::Read(levelPath)) {
        objects.push_back(templates.Compact(full));
    }
    std::ostringstream text;
    LevelSourceWriter::Write(
        objects,
        {"Level source: `velmora-level compile` makes the editor's file from it.",
         "Made by `velmora-level decompile` from " +
             std::filesystem::path(levelPath).filename().string() + "."},
        text);
    WriteWhole(sourcePath, text.str());
}
