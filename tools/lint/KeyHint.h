#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Core/LevelReader.h"

// Guesses which key a level file's line meant when the reader passed it over. A line is
// compared by its head, the text before its first "=" ("float RotSpeed" of "float RotSpeed =
// 0.5,"), with the heads of the reader's keys.
class KeyHint {
public:
    explicit KeyHint(const LevelKeyTable& keys);

    // The keys the line probably meant, quoted and joined with " or ", or empty when none is
    // near: the same head (the text after it is not what the reader looks for, as "bool Visible
    // = True"), the same head in other letter case, a head at most two edits away, or the same
    // field name after another type word ("int Speed" for "float Speed").
    std::string For(std::string_view line) const;

    // The text before the first "=", without blanks and a trailing comma around it.
    static std::string_view Head(std::string_view text);

    // The number of single-letter insertions, deletions and replacements between a and b.
    static std::size_t EditDistance(std::string_view a, std::string_view b);

private:
    struct Key {
        std::string_view text;
        std::string_view head;
    };
    std::vector<Key> keys;
};
