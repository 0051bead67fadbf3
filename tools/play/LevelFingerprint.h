#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The version of a level a replay was made for: a hash of the level file's bytes (64-bit
// FNV-1a), written as 16 hexadecimal digits. Any change to the file changes it.
namespace LevelFingerprint {

// The fingerprint of the file the level list names for the level, in the current folder (the
// content folder); none when the level is not listed or its file cannot be read.
std::optional<std::string> OfLevel(const std::string& level);

// The fingerprint of some bytes.
std::string Of(const std::string& bytes);

}  // namespace LevelFingerprint
