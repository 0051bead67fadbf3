#include "LintFindings.h"

#include <algorithm>

void LintFindings::Error(const std::string& file, std::int64_t line, const std::string& message) {
    findings.push_back({file, line, Finding::Severity::Error, message});
}

void LintFindings::Warning(const std::string& file, std::int64_t line, const std::string& message) {
    findings.push_back({file, line, Finding::Severity::Warning, message});
}

bool LintFindings::HasErrors() const {
    return std::any_of(findings.begin(), findings.end(), [](const Finding& finding) {
        return finding.severity == Finding::Severity::Error;
    });
}

void LintFindings::Print(std::ostream& out) const {
    std::vector<const Finding*> sorted;
    for (const Finding& finding : findings) {
        sorted.push_back(&finding);
    }
    std::stable_sort(sorted.begin(), sorted.end(), [](const Finding* a, const Finding* b) {
        return a->file != b->file ? a->file < b->file : a->line < b->line;
    });
    for (const Finding* finding : sorted) {
        out << finding->file;
        if (finding->line > 0) {
            out << ':' << finding->line;
        }
        out << (finding->severity == Finding::Severity::Error ? ": error: " : ": warning: ")
            << finding->message << '\n';
    }
}
