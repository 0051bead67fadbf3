#pragma once

#include <cstdint>

// The C library's rand as the game's content was made with it on Windows: values 0 to 32767
// from that runtime's linear congruential generator, the same sequence for the same seed on
// every machine. The particle effects draw from it; the C library of this system gives other
// values over a far larger range.
namespace WindowsRand {

inline constexpr std::int32_t Max = 32767;

// Starts the sequence again; the runtime starts with seed 1.
void Seed(std::uint32_t seed);

// The next value, 0 to Max.
std::int32_t Next();

}  // namespace WindowsRand
