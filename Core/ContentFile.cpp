#include "Core/ContentFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr char EndOfText = '\x1a';  // Ctrl-Z: the end of a text-mode file on Windows

// The entry of `folder` whose name matches `part` without regard to case, or an empty path.
fs::path FindIgnoringCase(const fs::path& folder, const std::string& part) {
    std::error_code error;
    fs::path exact = folder / part;
    if (fs::exists(exact, error)) {
        return exact;
    }
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error), end;
         !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (ContentFile::SameIgnoringCase(name, part)) {
            return folder / name;
        }
    }
    return {};
}

}  // namespace

bool ContentFile::SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

std::string_view ContentFile::FileNamePart(std::string_view path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string ContentFile::Resolve(std::string_view path) {
    std::string written(path);
    std::replace(written.begin(), written.end(), '\\', '/');
    std::error_code error;
    if (written.empty() || fs::exists(written, error)) {
        return written;
    }

    fs::path resolved;
    const fs::path asWritten(written);
    for (const fs::path& part : asWritten) {
        const std::string name = part.string();
        if (resolved.empty() && part == asWritten.root_path()) {
            resolved = part;
            continue;
        }
        if (name.empty() || name == "." || name == "..") {
            resolved /= part;
            continue;
        }
        resolved = FindIgnoringCase(resolved, name);
        if (resolved.empty()) {
            return written;
        }
    }
    return resolved.string();
}

ContentFile::ContentFile(std::string_view path) {
    std::ifstream file(Resolve(path), std::ios::binary);
    if (!file) {
        return;
    }
    open = true;
    std::string raw{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};

    std::string translated;
    translated.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == EndOfText) {
            break;
        }
        if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') {
            continue;
        }
        translated.push_back(raw[i]);
    }
    text.str(std::move(translated));
}

bool ContentFile::ReadLine(std::string& line) {
    return static_cast<bool>(std::getline(text, line));
}
