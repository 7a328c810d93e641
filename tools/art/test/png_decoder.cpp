// The tests' PNG reader: walks the chunks, inflates the image data and undoes the five row filters.
// Written from the PNG format's definition; it only needs to read what our encoder writes.
#include "png_decoder.h"
#include <zlib.h>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace art::testing {

namespace {

std::uint32_t be32(const std::vector<std::uint8_t>& b, size_t at) {
    return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) | (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
}

std::uint8_t paeth(int a, int b, int c) {
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return static_cast<std::uint8_t>(pa <= pb && pa <= pc ? a : (pb <= pc ? b : c));
}

}  // namespace

std::vector<std::uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::optional<std::pair<int, int>> pngSize(const std::vector<std::uint8_t>& bytes) {
    static const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (bytes.size() < 24 || !std::equal(signature, signature + 8, bytes.begin())) return std::nullopt;
    if (std::string(bytes.begin() + 12, bytes.begin() + 16) != "IHDR") return std::nullopt;
    return std::pair{static_cast<int>(be32(bytes, 16)), static_cast<int>(be32(bytes, 20))};
}

std::optional<Canvas> decodePng(const std::vector<std::uint8_t>& bytes) {
    const auto size = pngSize(bytes);
    if (!size || bytes.size() < 29 || bytes[24] != 8 || bytes[25] != 6 || bytes[28] != 0) return std::nullopt;
    const auto [w, h] = *size;
    std::vector<std::uint8_t> packed;
    for (size_t at = 8; at + 12 <= bytes.size();) {
        const std::uint32_t length = be32(bytes, at);
        if (at + 12 + length > bytes.size()) return std::nullopt;
        const std::string type(bytes.begin() + at + 4, bytes.begin() + at + 8);
        if (crc32(0, bytes.data() + at + 4, length + 4) != be32(bytes, at + 8 + length)) return std::nullopt;
        if (type == "IDAT") packed.insert(packed.end(), bytes.begin() + at + 8, bytes.begin() + at + 8 + length);
        at += 12 + length;
    }
    const size_t stride = static_cast<size_t>(w) * 4;
    std::vector<std::uint8_t> raw((stride + 1) * h);
    uLongf rawSize = static_cast<uLongf>(raw.size());
    if (uncompress(raw.data(), &rawSize, packed.data(), static_cast<uLong>(packed.size())) != Z_OK || rawSize != raw.size())
        return std::nullopt;
    Canvas out(w, h);
    std::vector<std::uint8_t> previous(stride, 0), row(stride);
    for (int y = 0; y < h; ++y) {
        const std::uint8_t filter = raw[y * (stride + 1)];
        for (size_t i = 0; i < stride; ++i) {
            const int x = raw[y * (stride + 1) + 1 + i], a = i >= 4 ? row[i - 4] : 0, b = previous[i];
            const int c = i >= 4 ? previous[i - 4] : 0;
            const int predicted = filter == 0 ? 0 : filter == 1 ? a : filter == 2 ? b : filter == 3 ? (a + b) / 2 : paeth(a, b, c);
            if (filter > 4) return std::nullopt;
            row[i] = static_cast<std::uint8_t>(x + predicted);
        }
        for (int x = 0; x < w; ++x) out.set(x, y, rgb(row[x * 4], row[x * 4 + 1], row[x * 4 + 2], row[x * 4 + 3]));
        previous = row;
    }
    return out;
}

}  // namespace art::testing
