// Writes a short silent PCM sound file: media players decode it whatever its extension says,
// so tests can stand it in for a game sound.
#pragma once
#include <cstdint>
#include <fstream>
#include <string>

inline void ecrireSonMuet(const std::string& path, int milliseconds = 100) {
    const std::uint32_t rate = 22050, samples = rate * milliseconds / 1000, bytes = samples * 2;
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    u32(36 + bytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);            // PCM
    u16(1);            // mono
    u32(rate);
    u32(rate * 2);     // byte rate
    u16(2);            // block align
    u16(16);           // bits per sample
    out.write("data", 4);
    u32(bytes);
    for (std::uint32_t i = 0; i < samples; ++i) u16(0);
}
