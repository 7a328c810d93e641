// A small PNG reader for the art tests: 8-bit RGBA, non-interlaced (what the art tools write), so the tests
// can check the encoder's output and the generated files' sizes and pixels.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>
#include "painter.h"

namespace art::testing {

std::vector<std::uint8_t> readFile(const std::string& path);
// Width and height from the IHDR chunk, or nothing when the bytes are not a PNG.
std::optional<std::pair<int, int>> pngSize(const std::vector<std::uint8_t>& bytes);
// Full decode; nothing when the stream is not an 8-bit RGBA PNG or is damaged.
std::optional<Canvas> decodePng(const std::vector<std::uint8_t>& bytes);

}  // namespace art::testing
