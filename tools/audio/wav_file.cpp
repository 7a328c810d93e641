// WAV encoding and decoding for mono 16-bit PCM, little-endian whatever the host.
// The reader walks the chunks, so files with extra chunks (from other tools) are read too.
#include "wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace audio {

namespace {

void putLE(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint32_t getLE(const std::string& in, std::size_t at, int bytes) {
  if (at + bytes > in.size()) throw std::runtime_error("WAV file is cut short");
  std::uint32_t value = 0;
  for (int i = 0; i < bytes; ++i) value |= static_cast<std::uint32_t>(static_cast<unsigned char>(in[at + i])) << (8 * i);
  return value;
}

}  // namespace

std::string encodeWav(const Samples& samples) {
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::string out = "RIFF";
  putLE(out, 36 + dataBytes, 4);
  out += "WAVEfmt ";
  putLE(out, 16, 4);
  putLE(out, 1, 2);  // PCM
  putLE(out, 1, 2);  // mono
  putLE(out, kSampleRate, 4);
  putLE(out, kSampleRate * 2, 4);
  putLE(out, 2, 2);
  putLE(out, 16, 2);
  out += "data";
  putLE(out, dataBytes, 4);
  for (const float sample : samples) {
    const long quantised = std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f);
    putLE(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(quantised)) & 0xFFFF, 2);
  }
  return out;
}

Samples decodeWav(const std::string& bytes) {
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
    throw std::runtime_error("not a WAV file");
  std::size_t at = 12;
  bool formatSeen = false;
  while (at + 8 <= bytes.size()) {
    const std::string id = bytes.substr(at, 4);
    const std::uint32_t size = getLE(bytes, at + 4, 4);
    const std::size_t body = at + 8;
    if (id == "fmt ") {
      if (getLE(bytes, body, 2) != 1 || getLE(bytes, body + 2, 2) != 1 ||
          getLE(bytes, body + 4, 4) != kSampleRate || getLE(bytes, body + 14, 2) != 16)
        throw std::runtime_error("WAV file is not 16-bit mono PCM at 44.1 kHz");
      formatSeen = true;
    } else if (id == "data") {
      if (!formatSeen) throw std::runtime_error("WAV data before its format");
      const std::size_t available = std::min<std::size_t>(size, bytes.size() - body) / 2;
      Samples samples(available);
      for (std::size_t i = 0; i < available; ++i)
        samples[i] = static_cast<std::int16_t>(getLE(bytes, body + 2 * i, 2)) / 32767.0f;
      return samples;
    }
    at = body + size + (size & 1);
  }
  throw std::runtime_error("WAV file has no data");
}

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path.string());
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace audio
