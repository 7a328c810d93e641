// 16-bit mono PCM WAV files: writing a rendered sound, reading one back (for the checks).
// Quantisation rounds to the nearest step, so the same samples always give the same bytes.
#pragma once

#include <filesystem>
#include <string>

#include "voice.h"

namespace audio {

std::string encodeWav(const Samples& samples);
// Samples of a 16-bit mono PCM file at our rate; throws std::runtime_error on anything else.
Samples decodeWav(const std::string& bytes);

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& bytes);

}  // namespace audio
