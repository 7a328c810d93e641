// PNG output of the art tools: 8-bit RGBA with a fixed filter choice and zlib level, so a canvas always
// encodes to the same bytes; files are replaced atomically and only when their bytes change.
#include <zlib.h>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include "painter.h"

namespace art {

namespace {

void putU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void putChunk(std::vector<std::uint8_t>& out, const char type[4], const std::vector<std::uint8_t>& data) {
    putU32(out, static_cast<std::uint32_t>(data.size()));
    const size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0, out.data() + typeAt, static_cast<uInt>(out.size() - typeAt));
    putU32(out, static_cast<std::uint32_t>(crc));
}

// Each row is stored with the "Sub" or "None" filter, whichever has the smaller sum of magnitudes.
std::vector<std::uint8_t> filteredRows(const Canvas& c) {
    const size_t stride = static_cast<size_t>(c.width()) * 4;
    std::vector<std::uint8_t> out;
    out.reserve((stride + 1) * c.height());
    std::vector<std::uint8_t> raw(stride), sub(stride);
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            const Color p = c.at(x, y);
            const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(red(p)), static_cast<std::uint8_t>(green(p)),
                                           static_cast<std::uint8_t>(blue(p)), static_cast<std::uint8_t>(alpha(p))};
            std::copy(bytes, bytes + 4, raw.begin() + x * 4);
        }
        long rawCost = 0, subCost = 0;
        for (size_t i = 0; i < stride; ++i) {
            sub[i] = static_cast<std::uint8_t>(raw[i] - (i >= 4 ? raw[i - 4] : 0));
            rawCost += static_cast<std::int8_t>(raw[i]) < 0 ? -static_cast<std::int8_t>(raw[i]) : raw[i];
            subCost += std::abs(static_cast<int>(static_cast<std::int8_t>(sub[i])));
        }
        const bool useSub = subCost < rawCost;
        out.push_back(useSub ? 1 : 0);
        const auto& row = useSub ? sub : raw;
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

std::vector<std::uint8_t> encodePng(const Canvas& c) {
    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    putU32(header, static_cast<std::uint32_t>(c.width()));
    putU32(header, static_cast<std::uint32_t>(c.height()));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, adaptive filters, no interlace
    putChunk(png, "IHDR", header);

    const std::vector<std::uint8_t> rows = filteredRows(c);
    uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, rows.data(), static_cast<uLong>(rows.size()), 9) != Z_OK)
        throw std::runtime_error("zlib could not compress a picture");
    packed.resize(packedSize);
    putChunk(png, "IDAT", packed);
    putChunk(png, "IEND", {});
    return png;
}

bool writeFileIfChanged(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    {
        std::ifstream existing(path, std::ios::binary);
        if (existing) {
            const std::vector<std::uint8_t> old((std::istreambuf_iterator<char>(existing)),
                                                std::istreambuf_iterator<char>());
            if (old == bytes) return false;
        }
    }
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) throw std::runtime_error("cannot write " + temporary);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) throw std::runtime_error("cannot replace " + path);
    return true;
}

}  // namespace art
