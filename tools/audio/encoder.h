// Encoding a WAV to MP3 with the lame program, with the fixed settings every sound of the game uses.
// Fixed settings and no timestamps in lame's output: the same WAV always gives the same MP3 bytes.
#pragma once

#include <filesystem>
#include <string>

namespace audio {

// Constant 128 kbit/s mono, no replay-gain analysis; lame's info tag is kept so that players can trim the
// encoder's padding and loop without a gap.
inline constexpr const char* kLameOptions = "--quiet -m m -b 128 --noreplaygain";

// Runs lame; the MP3 appears whole or not at all. Returns false when lame fails.
bool encodeMp3(const std::string& lame, const std::filesystem::path& wav, const std::filesystem::path& mp3);
enum class BuildResult { Encoded, Unchanged, Failed };
// Writes the WAV and encodes it, unless the WAV already holds exactly these bytes and its MP3 exists:
// then only the MP3's time is renewed, so that the build sees it up to date without encoding it again.
BuildResult buildSound(const std::string& wavBytes, const std::string& lame, const std::filesystem::path& wav,
                       const std::filesystem::path& mp3);
// Decodes an MP3 back to a WAV (for the checks). Returns false when lame fails.
bool decodeMp3(const std::string& lame, const std::filesystem::path& mp3, const std::filesystem::path& wav);

}  // namespace audio
