// Checks of every generated sound: same bytes on every render, no clipping, effect and loop lengths,
// click-free loop seams, loudness on target, and an MP3 in the sounds folder for every name the game loads.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "catalog.h"
#include "encoder.h"
#include "loudness.h"
#include "wav_file.h"

namespace audio {
namespace {

namespace fs = std::filesystem;

// The names the game loads (effects of the main window and menus, every screen's and level's music).
const std::vector<std::string> kGameSoundNames = {
    "phaseJump1", "coin2", "upgrade1", "upgrade2", "fall2", "fall5", "impactPunch_medium_000", "woosh2",
    "impactPlate_light_004", "hit5", "upgrade5", "click1", "powerUp7", "AAPMusic01_Looped", "AAPMusic02_Looped",
    "AAPMusic03_Looped", "AAPMusic04_Looped", "AAPMusic05_Looped", "AAPMusic06_Looped", "BossTheme",
    "Flowing-Rocks", "GameOver", "Intro_Theme", "Drumming-Sticks", "WackyWaiting", "MusicMap", "ItalianMom",
    "Sad-Town"};

}  // namespace

// Test names and failure messages show the sound's name.
void PrintTo(const SoundEntry& entry, std::ostream* out) { *out << entry.name; }

namespace {

double seconds(const Samples& samples) { return static_cast<double>(samples.size()) / kSampleRate; }

// Renders are cached: a sound is rendered twice at most (the second time for the determinism check).
const Samples& rendered(const SoundEntry& entry) {
  static std::map<std::string, Samples> cache;
  auto found = cache.find(std::string(entry.name));
  if (found == cache.end()) found = cache.emplace(std::string(entry.name), entry.render()).first;
  return found->second;
}

// How far apart neighbouring samples usually are: a high percentile of the step sizes over the sound.
double typicalStep(const Samples& samples) {
  std::vector<float> steps;
  steps.reserve(samples.size());
  for (std::size_t i = 1; i < samples.size(); ++i) steps.push_back(std::fabs(samples[i] - samples[i - 1]));
  const std::size_t at = steps.size() * 99 / 100;
  std::nth_element(steps.begin(), steps.begin() + at, steps.end());
  return steps[at];
}

class EverySound : public ::testing::TestWithParam<SoundEntry> {};

TEST_P(EverySound, RendersTheSameBytesEveryTime) {
  const SoundEntry& entry = GetParam();
  EXPECT_EQ(encodeWav(rendered(entry)), encodeWav(entry.render()));
}

// Peak, length, loudness and the loop seam of one render, checked together.
TEST_P(EverySound, IsMasteredForTheGame) {
  const SoundEntry& entry = GetParam();
  const Samples& samples = rendered(entry);
  ASSERT_GT(samples.size(), 2u);
  EXPECT_LT(peakLevel(samples), 0.9) << "peak " << 20 * std::log10(peakLevel(samples)) << " dBFS";

  const double length = seconds(samples);
  switch (entry.kind) {
    case SoundKind::Effect: EXPECT_LT(length, 1.0); break;
    case SoundKind::Loop:
      EXPECT_GE(length, 60.0);
      EXPECT_LE(length, 120.0);
      break;
    case SoundKind::Once:
      EXPECT_GE(length, 2.0);
      EXPECT_LE(length, 20.0);
      break;
  }

  const double target = entry.kind == SoundKind::Effect ? kEffectLufs : kMusicLufs;
  EXPECT_NEAR(integratedLoudness(samples), target, 1.5);

  if (entry.kind == SoundKind::Loop) {
    // from the last sample back to the first must be no bigger a step than the music makes anyway
    EXPECT_LE(std::fabs(samples.front() - samples.back()), typicalStep(samples));
  }
  // the game restarts a loop only once it has stopped: every sound must end near silence, not be cut off
  EXPECT_LT(std::fabs(samples.back()), 0.02);
}

TEST_P(EverySound, IsInTheSoundsFolderAsAPlayableMp3) {
  const SoundEntry& entry = GetParam();
  const fs::path mp3 = fs::path(ZORLIN_SOUNDS_DIR) / (std::string(entry.name) + ".mp3");
  ASSERT_TRUE(fs::exists(mp3)) << mp3;
  const fs::path work = fs::path(ZORLIN_AUDIO_WORK_DIR);
  fs::create_directories(work);
  const fs::path decoded = work / (std::string(entry.name) + ".decoded.wav");
  ASSERT_TRUE(decodeMp3(ZORLIN_LAME, mp3, decoded));
  const Samples samples = decodeWav(readFile(decoded));
  const Samples& original = rendered(entry);
  // the decoder trims the encoder's padding, so the length comes back to within one MP3 frame
  EXPECT_NEAR(seconds(samples), seconds(original), 1152.0 / kSampleRate);
  EXPECT_LT(peakLevel(samples), 0.999) << "the encoded sound clips";
  EXPECT_NEAR(integratedLoudness(samples), integratedLoudness(original), 0.5);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EverySound, ::testing::ValuesIn(catalog()),
                         [](const ::testing::TestParamInfo<SoundEntry>& info) {
                           std::string name(info.param.name);
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

TEST(SoundNames, EveryNameTheGameLoadsIsGeneratedAndBuilt) {
  std::vector<std::string> built;
  std::string list = ZORLIN_BUILT_SOUNDS;
  for (std::size_t at = 0; at <= list.size();) {
    const std::size_t comma = std::min(list.find(',', at), list.size());
    built.push_back(list.substr(at, comma - at));
    at = comma + 1;
  }
  for (const std::string& name : kGameSoundNames) {
    EXPECT_NE(findSound(name), nullptr) << name << " has no renderer";
    EXPECT_NE(std::find(built.begin(), built.end(), name), built.end()) << name << " is not built";
  }
  EXPECT_EQ(built.size(), catalog().size()) << "the build and the catalogue list different sounds";
}

TEST(Mp3Encoding, GivesTheSameBytesForTheSameSound) {
  const fs::path work = fs::path(ZORLIN_AUDIO_WORK_DIR);
  fs::create_directories(work);
  writeFile(work / "same.wav", encodeWav(diamondEffect()));
  ASSERT_TRUE(encodeMp3(ZORLIN_LAME, work / "same.wav", work / "first.mp3"));
  ASSERT_TRUE(encodeMp3(ZORLIN_LAME, work / "same.wav", work / "second.mp3"));
  const std::string first = readFile(work / "first.mp3");
  EXPECT_GT(first.size(), 1000u);
  EXPECT_EQ(first, readFile(work / "second.mp3"));
}

TEST(SoundBuild, EncodesOnlyWhenTheSoundChanged) {
  const fs::path work = fs::path(ZORLIN_AUDIO_WORK_DIR) / "rebuild";
  fs::remove_all(work);
  const std::string click = encodeWav(clickEffect());
  EXPECT_EQ(buildSound(click, ZORLIN_LAME, work / "s.wav", work / "s.mp3"), BuildResult::Encoded);
  const std::string firstMp3 = readFile(work / "s.mp3");
  EXPECT_EQ(buildSound(click, ZORLIN_LAME, work / "s.wav", work / "s.mp3"), BuildResult::Unchanged);
  EXPECT_EQ(readFile(work / "s.mp3"), firstMp3);
  // a changed sound is written and encoded again
  EXPECT_EQ(buildSound(encodeWav(diamondEffect()), ZORLIN_LAME, work / "s.wav", work / "s.mp3"), BuildResult::Encoded);
  EXPECT_NE(readFile(work / "s.mp3"), firstMp3);
  // a lost MP3 is encoded again even when the sound is the same
  fs::remove(work / "s.mp3");
  EXPECT_EQ(buildSound(encodeWav(diamondEffect()), ZORLIN_LAME, work / "s.wav", work / "s.mp3"), BuildResult::Encoded);
  // a failing encoder leaves no MP3 and no WAV behind, so that the next build tries again
  EXPECT_EQ(buildSound(click, "/bin/false", work / "t.wav", work / "t.mp3"), BuildResult::Failed);
  EXPECT_FALSE(fs::exists(work / "t.mp3"));
  EXPECT_FALSE(fs::exists(work / "t.wav"));
}

}  // namespace
}  // namespace audio
