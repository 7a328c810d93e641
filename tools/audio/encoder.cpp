// Runs lame through the shell with every path quoted, writing to a ".part" file first so that an
// interrupted build never leaves a half-written MP3 that looks up to date.
#include "encoder.h"

#include <cstdlib>

#include "wav_file.h"

namespace audio {

namespace {

namespace fs = std::filesystem;

std::string shellQuoted(const std::string& text) {
  std::string out = "'";
  for (const char c : text) {
    if (c == '\'') out += "'\\''";
    else out.push_back(c);
  }
  return out + "'";
}

bool runLame(const std::string& lame, const std::string& options, const fs::path& in, const fs::path& out) {
  const fs::path partial = out.string() + ".part";
  const std::string command =
      shellQuoted(lame) + " " + options + " " + shellQuoted(in.string()) + " " + shellQuoted(partial.string());
  if (std::system(command.c_str()) != 0) {
    std::error_code ignored;
    fs::remove(partial, ignored);
    return false;
  }
  fs::rename(partial, out);
  return true;
}

}  // namespace

bool encodeMp3(const std::string& lame, const fs::path& wav, const fs::path& mp3) {
  return runLame(lame, kLameOptions, wav, mp3);
}

BuildResult buildSound(const std::string& wavBytes, const std::string& lame, const fs::path& wav, const fs::path& mp3) {
  if (fs::exists(wav) && fs::exists(mp3) && readFile(wav) == wavBytes) {
    fs::last_write_time(mp3, fs::file_time_type::clock::now());
    return BuildResult::Unchanged;
  }
  fs::create_directories(wav.parent_path());
  fs::create_directories(mp3.parent_path());
  writeFile(wav, wavBytes);
  if (!encodeMp3(lame, wav, mp3)) {
    fs::remove(wav);  // so that the next build tries again
    return BuildResult::Failed;
  }
  return BuildResult::Encoded;
}

bool decodeMp3(const std::string& lame, const fs::path& mp3, const fs::path& wav) {
  return runLame(lame, "--quiet --decode", mp3, wav);
}

}  // namespace audio
