#pragma once

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

// Writes a short 16-bit mono WAV tone, for tests that need a sound file to load.
inline void WriteTestTone(const std::filesystem::path& path, float seconds = 0.2f) {
    constexpr std::uint32_t Rate = 22050;
    const auto frames = static_cast<std::uint32_t>(seconds * static_cast<float>(Rate));
    const std::uint32_t dataBytes = frames * 2;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    const auto put32 = [&out](std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            out.put(static_cast<char>((value >> shift) & 0xFF));
        }
    };
    const auto put16 = [&out](std::uint16_t value) {
        out.put(static_cast<char>(value & 0xFF));
        out.put(static_cast<char>(value >> 8));
    };
    out << "RIFF";
    put32(36 + dataBytes);
    out << "WAVEfmt ";
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(Rate);
    put32(Rate * 2);
    put16(2);
    put16(16);
    out << "data";
    put32(dataBytes);
    for (std::uint32_t frame = 0; frame < frames; ++frame) {
        const float value = 0.5f * std::sin(6.2831853f * 440.0f * static_cast<float>(frame) /
                                            static_cast<float>(Rate));
        put16(static_cast<std::uint16_t>(static_cast<std::int16_t>(value * 32767.0f)));
    }
}
