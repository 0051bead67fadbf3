#include "KeyHint.h"

#include <algorithm>
#include <cctype>
#include <functional>

#include "Core/ContentFile.h"

namespace {

// The reader's one key outside its tables: the object's name.
constexpr std::string_view NameKey = "string Name = ";
constexpr std::size_t MostEdits = 2;
// Shorter heads are two edits away from too much to mean anything.
constexpr std::size_t ShortestEditedHead = 5;

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The field name of a head: its last word, when it has a type word before it.
std::string_view FieldWord(std::string_view head) {
    const std::size_t space = head.find_last_of(" \t");
    return space == std::string_view::npos ? std::string_view{} : head.substr(space + 1);
}

bool HasLetter(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isalpha(c) != 0; });
}

}  // namespace

KeyHint::KeyHint(const LevelKeyTable& table) {
    keys.push_back({NameKey, Head(NameKey)});
    for (const LevelSection& section : table.sections) {
        keys.push_back({section.key, Head(section.key)});
    }
    for (const LevelField& field : table.fields) {
        keys.push_back({field.key, Head(field.key)});
    }
}

std::string_view KeyHint::Head(std::string_view text) {
    std::string_view head = TrimBlanks(text.substr(0, text.find('=')));
    while (!head.empty() && head.back() == ',') {
        head = TrimBlanks(head.substr(0, head.size() - 1));
    }
    return head;
}

std::size_t KeyHint::EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> previous(b.size() + 1);
    std::vector<std::size_t> current(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) {
        previous[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t replace = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, replace});
        }
        std::swap(previous, current);
    }
    return previous[b.size()];
}

std::string KeyHint::For(std::string_view line) const {
    const std::string_view head = Head(line);
    if (!HasLetter(head)) {
        return {};
    }
    std::size_t nearest = MostEdits + 1;
    if (head.size() >= ShortestEditedHead) {
        for (const Key& key : keys) {
            nearest = std::min(nearest, EditDistance(head, key.head));
        }
    }
    // The tests from the surest to the loosest; the first that finds a key decides.
    const std::function<bool(const Key&)> tests[] = {
        [&](const Key& key) { return key.head == head; },
        [&](const Key& key) { return ContentFile::SameIgnoringCase(key.head, head); },
        [&](const Key& key) {
            return nearest <= MostEdits && EditDistance(head, key.head) == nearest;
        },
        [&](const Key& key) {
            const std::string_view word = FieldWord(head);
            return !word.empty() && ContentFile::SameIgnoringCase(word, FieldWord(key.head));
        },
    };
    for (const auto& test : tests) {
        std::string hint;
        for (const Key& key : keys) {
            if (test(key)) {
                hint += (hint.empty() ? "\"" : " or \"") + std::string(TrimBlanks(key.text)) + "\"";
            }
        }
        if (!hint.empty()) {
            return hint;
        }
    }
    return {};
}
