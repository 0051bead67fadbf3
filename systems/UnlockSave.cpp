#include "systems/UnlockSave.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <system_error>

#include "Core/ContentFile.h"

namespace {

constexpr char EndOfText = '\x1a';  // Ctrl-Z ends a text-mode file on Windows

// A file descriptor closed on every way out.
class FileHandle {
public:
    explicit FileHandle(int descriptor) : descriptor(descriptor) {}
    ~FileHandle() {
        if (descriptor >= 0) {
            ::close(descriptor);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool IsOpen() const { return descriptor >= 0; }
    int Get() const { return descriptor; }
    // Closing can report a write error of its own, so the writer asks.
    bool Close() {
        const int closing = descriptor;
        descriptor = -1;
        return ::close(closing) == 0;
    }

private:
    int descriptor;
};

// Only a regular file is a save: a folder or a device in its place opens, but is no text.
bool ReadWhole(const std::string& path, std::string& bytes) {
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat status {};
    if (!file.IsOpen() || ::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return false;
    }
    bytes.clear();
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
        if (got == 0) {
            return true;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

bool WriteWhole(int descriptor, std::string_view text) {
    while (!text.empty()) {
        const ssize_t put = ::write(descriptor, text.data(), text.size());
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

}  // namespace

void UnlockSave::SetUp(const std::string& saveFolder) {
    folder = saveFolder;
    readReported = false;
    entryReported = false;
    writeReported = false;

    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        std::filesystem::create_directories(folder, error);
    }
    // symlink_status: a link in the save's place is the player's own arrangement, kept.
    if (std::filesystem::exists(std::filesystem::symlink_status(SavePath(), error))) {
        return;
    }
    ContentFile defaults(DefaultSave);
    if (!defaults.IsOpen()) {
        std::cout << "file not found: " << DefaultSave << std::endl;
        return;
    }
    const std::string text{std::istreambuf_iterator<char>(defaults.Text()),
                           std::istreambuf_iterator<char>()};
    // Seeded through the scratch file as well: a save cut short here would never be seeded
    // again, since only a missing save is.
    if (!Replace(text)) {
        std::cout << "Cannot write the level unlock save: " << SavePath() << std::endl;
        writeReported = true;
    }
}

std::string UnlockSave::SavePath() const {
    return folder + "/" + SaveFileName;
}

std::string UnlockSave::ScratchPath() const {
    return folder + "/" + ScratchFileName;
}

bool UnlockSave::IsUnlocked(const std::string& name) const {
    std::string bytes;
    if (!ReadSave(bytes)) {
        return false;
    }
    const std::vector<std::string> lines = Lines(bytes);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i] != name) {
            continue;
        }
        const std::string& state = lines[i + 1];
        const char last = state.empty() ? '\0' : state.back();
        if (last == '1' || last == '0') {
            return last == '1';
        }
        if (!entryReported) {
            std::cout << SavePath() << " line " << i + 2 << ": \"" << name
                      << "\" is not followed by its state line" << std::endl;
            entryReported = true;
        }
        // The state line is skipped with the name: it may itself be a name.
        ++i;
    }
    return false;
}

void UnlockSave::Rewrite(bool unlockAll, bool reset) {
    std::string bytes;
    if (!ReadSave(bytes)) {
        return;
    }
    const std::string text = Rewritten(Lines(bytes), unlockAll, reset);
    if (text == bytes) {
        return;
    }
    if (!Replace(text)) {
        if (!writeReported) {
            std::cout << "Cannot write the level unlock save: " << SavePath() << std::endl;
            writeReported = true;
        }
        return;
    }
    writeReported = false;
}

std::vector<std::string> UnlockSave::Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == EndOfText) {
            break;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        if (c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            open = false;
            continue;
        }
        line.push_back(c);
        open = true;
    }
    if (open) {
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string UnlockSave::Rewritten(const std::vector<std::string>& lines, bool unlockAll,
                                  bool reset) {
    std::string text;
    bool oneUnlocked = false;
    bool pastLastKept = false;
    for (const std::string& line : lines) {
        std::string_view written = line;
        if (unlockAll && line == LockedLine) {
            written = UnlockedLine;
        } else if (reset) {
            if (pastLastKept && line == UnlockedLine) {
                written = LockedLine;
            }
        } else if (line == LockedLine && !oneUnlocked) {
            written = UnlockedLine;
            oneUnlocked = true;
        }
        if (line == LastKeptEntry) {
            pastLastKept = true;
        }
        text += written;
        text += '\n';
    }
    return text;
}

bool UnlockSave::ReadSave(std::string& bytes) const {
    if (!ReadWhole(SavePath(), bytes)) {
        if (!readReported) {
            std::cout << "Cannot read the level unlock save, left as it is: " << SavePath()
                      << std::endl;
            readReported = true;
        }
        return false;
    }
    readReported = false;
    return true;
}

bool UnlockSave::Replace(std::string_view text) const {
    const std::string scratch = ScratchPath();
    {
        FileHandle file(::open(scratch.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
        if (!file.IsOpen()) {
            return false;
        }
        // The text must be on the disk before the rename makes it the save: a rename that
        // reaches the disk first would leave an empty save after a power cut.
        if (!WriteWhole(file.Get(), text) || ::fsync(file.Get()) != 0 || !file.Close()) {
            ::unlink(scratch.c_str());
            return false;
        }
    }
    // One step: the save's name stands for the old text or the new one at every moment.
    if (::rename(scratch.c_str(), SavePath().c_str()) != 0) {
        ::unlink(scratch.c_str());
        return false;
    }
    // The rename itself lives in the folder; until the folder is synced it may be lost.
    FileHandle directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.IsOpen()) {
        ::fsync(directory.Get());
    }
    return true;
}
