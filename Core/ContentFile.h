#pragma once

#include <sstream>
#include <string>
#include <string_view>

// A content file read as the game reads it on Windows, where its content is made: "\" in a
// path separates folders, letter case need not match the disk, and the text is read in text
// mode (CR LF reads as LF, and a Ctrl-Z ends the text). Every content file the game opens goes
// through here; each file is opened, read whole and closed within the constructor.
class ContentFile {
public:
    // The path with "\" turned into "/" and, where the path as written does not exist, each
    // part matched without regard to letter case against what is on disk. Exact matches are
    // tried first, so the search costs nothing for paths written as they are on disk. A path
    // with no match on disk comes back with its separators turned only.
    static std::string Resolve(std::string_view path);

    // Names of content compared as Windows compares file names: letter case does not count.
    static bool SameIgnoringCase(std::string_view a, std::string_view b);

    // The part of a path after its last "/" or "\": the file's own name.
    static std::string_view FileNamePart(std::string_view path);

    explicit ContentFile(std::string_view path);

    bool IsOpen() const { return open; }

    // The file's text after the text-mode translation; empty when the file could not be read.
    std::istream& Text() { return text; }

    // Reads one line without its line end; false at the end of the text.
    bool ReadLine(std::string& line);

private:
    bool open = false;
    std::istringstream text;
};
