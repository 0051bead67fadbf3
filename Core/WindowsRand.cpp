#include "Core/WindowsRand.h"

namespace {

std::uint32_t state = 1;

}  // namespace

void WindowsRand::Seed(std::uint32_t seed) {
    state = seed;
}

std::int32_t WindowsRand::Next() {
    // Unsigned arithmetic wraps exactly as the runtime's 32-bit state does.
    state = state * 214013u + 2531011u;
    return static_cast<std::int32_t>((state >> 16) & 0x7FFFu);
}
