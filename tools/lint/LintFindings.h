#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

// One fault of the content: an error keeps the game from doing what the content means, a
// warning is probably a mistake.
struct Finding {
    enum class Severity { Warning, Error };

    // Relative to the content folder, as it stands on disk.
    std::string file;
    // 0 when the finding is about the file as a whole.
    std::int64_t line = 0;
    Severity severity = Severity::Error;
    std::string message;
};

// The findings of one run of the lint, printed a line each as "FILE:LINE: error: ..." (or
// "warning:"), in order of file and line.
class LintFindings {
public:
    void Error(const std::string& file, std::int64_t line, const std::string& message);
    void Warning(const std::string& file, std::int64_t line, const std::string& message);

    bool HasErrors() const;
    const std::vector<Finding>& All() const { return findings; }

    // Sorted by file and line; findings of the same place keep the order they were found in.
    void Print(std::ostream& out) const;

private:
    std::vector<Finding> findings;
};
