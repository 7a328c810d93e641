// The sound generator: renders one named sound to a WAV file and encodes it to MP3 with lame.
// An unchanged WAV is not encoded again, so after a generator edit only the sounds that changed are re-encoded.
#include <cmath>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <string>

#include "catalog.h"
#include "encoder.h"
#include "loudness.h"
#include "wav_file.h"

namespace {

namespace fs = std::filesystem;

int usage() {
  std::cerr << "usage: zorlin_audio list\n"
               "       zorlin_audio measure\n"
               "       zorlin_audio render <name> <out.wav>\n"
               "       zorlin_audio build <name> <work.wav> <out.mp3> <lame>\n";
  return 2;
}

const audio::SoundEntry* lookUp(const std::string& name) {
  const audio::SoundEntry* entry = audio::findSound(name);
  if (!entry) std::cerr << "zorlin_audio: no sound named '" << name << "'\n";
  return entry;
}

// Length, loudness and peak of every sound, for a look at the whole set.
int measure() {
  std::cout << std::fixed << std::setprecision(2);
  for (const audio::SoundEntry& entry : audio::catalog()) {
    const audio::Samples samples = entry.render();
    std::cout << std::setw(24) << std::left << entry.name << std::right << std::setw(8)
              << static_cast<double>(samples.size()) / audio::kSampleRate << " s" << std::setw(8)
              << audio::integratedLoudness(samples) << " LUFS" << std::setw(8)
              << 20.0 * std::log10(audio::peakLevel(samples)) << " dBFS peak\n";
  }
  return 0;
}

int build(const audio::SoundEntry& entry, const fs::path& wav, const fs::path& mp3, const std::string& lame) {
  const std::string bytes = audio::encodeWav(entry.render());
  if (audio::buildSound(bytes, lame, wav, mp3) == audio::BuildResult::Failed) {
    std::cerr << "zorlin_audio: lame failed for " << entry.name << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string verb = argc > 1 ? argv[1] : "";
  try {
    if (verb == "list" && argc == 2) {
      for (const audio::SoundEntry& entry : audio::catalog()) std::cout << entry.name << "\n";
      return 0;
    }
    if (verb == "measure" && argc == 2) return measure();
    if (verb == "render" && argc == 4) {
      const audio::SoundEntry* entry = lookUp(argv[2]);
      if (!entry) return 1;
      audio::writeFile(argv[3], audio::encodeWav(entry->render()));
      return 0;
    }
    if (verb == "build" && argc == 6) {
      const audio::SoundEntry* entry = lookUp(argv[2]);
      return entry ? build(*entry, argv[3], argv[4], argv[5]) : 1;
    }
  } catch (const std::exception& error) {
    std::cerr << "zorlin_audio: " << error.what() << "\n";
    return 1;
  }
  return usage();
}
