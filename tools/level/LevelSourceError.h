#pragma once

#include <stdexcept>
#include <string>

// Bad input to the level tool: the message names the file and line (and key) at fault.
class LevelSourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    // "file:line: message", or "file: message" when the line is not known (0).
    static LevelSourceError At(const std::string& file, int line, const std::string& message) {
        // Appended piece by piece: g++ 12 warns falsely about `":" + std::to_string(line)`.
        std::string where = file;
        if (line > 0) {
            where += ':';
            where += std::to_string(line);
        }
        return LevelSourceError(where + ": " + message);
    }
};
