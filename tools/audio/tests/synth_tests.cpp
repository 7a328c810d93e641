// Checks of the synthesiser's parts: the notation, the loudness meter against known signals,
// the sequencer's placing of notes, and the seamless wrap of a loop.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "composer.h"
#include "loudness.h"
#include "notation.h"
#include "wav_file.h"

namespace audio {
namespace {

Samples sine(double hz, double amplitude, double seconds) {
  Samples out(static_cast<std::size_t>(seconds * kSampleRate));
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i] = static_cast<float>(amplitude * std::sin(2 * 3.14159265358979 * hz * i / kSampleRate));
  return out;
}

TEST(Notation, ReadsPitchesWithAccidentalsAndOctaves) {
  const struct { const char* text; int midi; } cases[] = {
      {"a4", 69}, {"c4", 60}, {"c#5", 73}, {"bb4", 70}, {"b3", 59}, {"eb2", 39}, {"cb4", 59}, {"b#3", 60}};
  for (const auto& c : cases) EXPECT_EQ(parsePitch(c.text), c.midi) << c.text;
  for (const char* bad : {"h4", "c", "c#", "4", "cx4"}) EXPECT_THROW(parsePitch(bad), std::invalid_argument) << bad;
}

TEST(Notation, MelodyLengthsCarryOverAndRestsAreKept) {
  const std::vector<MelodyNote> notes = parseMelody("c5:4 d5 r:2 | e5");
  ASSERT_EQ(notes.size(), 4u);
  EXPECT_EQ(notes[1].steps, 4);
  EXPECT_EQ(notes[2].midi, -1);
  EXPECT_EQ(notes[3].steps, 2);
  EXPECT_THROW(parseMelody("c5:0"), std::invalid_argument);
  EXPECT_THROW(parseMelody("c5:x"), std::invalid_argument);
}

TEST(Notation, ChordSymbolsGiveRootAndTones) {
  const struct { const char* symbol; int root; std::vector<int> tones; } cases[] = {
      {"C", 0, {0, 4, 7}}, {"Am", 9, {0, 3, 7}}, {"Bb7", 10, {0, 4, 7, 10}}, {"F#m", 6, {0, 3, 7}},
      {"Ebmaj7", 3, {0, 4, 7, 11}}, {"Bdim", 11, {0, 3, 6}}, {"Dsus4", 2, {0, 5, 7}}};
  for (const auto& c : cases) {
    const Chord chord = parseChord(c.symbol);
    EXPECT_EQ(chord.root, c.root) << c.symbol;
    EXPECT_EQ(chord.tones, c.tones) << c.symbol;
  }
  EXPECT_THROW(parseChord("Cfoo"), std::invalid_argument);
  const std::vector<TimedChord> timeline = parseChords("C G:2 Am:2", 4);
  ASSERT_EQ(timeline.size(), 3u);
  EXPECT_EQ(timeline[0].beats, 4);
  EXPECT_EQ(timeline[2].beats, 2);
}

TEST(LoudnessMeter, ReadsReferenceSines) {
  // a full-scale 997 Hz sine reads -3.0 LUFS in mono; every 20 dB down reads 20 LU lower
  EXPECT_NEAR(integratedLoudness(sine(997, 1.0, 3.0)), -3.0, 0.2);
  EXPECT_NEAR(integratedLoudness(sine(997, 0.1, 3.0)), -23.0, 0.2);
  // the gate ignores the silence after the sound (only the blocks straddling its end pull it down a little)
  Samples gapped = sine(997, 0.1, 2.0);
  gapped.resize(gapped.size() + 10 * kSampleRate, 0.0f);
  EXPECT_NEAR(integratedLoudness(gapped), -23.0, 0.5);
  EXPECT_LE(integratedLoudness(Samples(kSampleRate, 0.0f)), -70.0);
}

TEST(LoudnessMeter, MasteringReachesTheTargetWithoutReachingTheCeiling) {
  for (const double amplitude : {0.01, 0.3, 0.95}) {
    Samples samples = sine(440, amplitude, 2.0);
    master(samples, kEffectLufs);
    EXPECT_NEAR(integratedLoudness(samples), kEffectLufs, 0.2) << amplitude;
    EXPECT_LE(peakLevel(samples), kPeakCeiling) << amplitude;
  }
}

TEST(Wav, RoundTripsSamplesToTheNearestStep) {
  const Samples samples = {0.0f, 0.5f, -0.5f, 0.999f, -1.0f};
  const Samples back = decodeWav(encodeWav(samples));
  ASSERT_EQ(back.size(), samples.size());
  for (std::size_t i = 0; i < samples.size(); ++i) EXPECT_NEAR(back[i], samples[i], 1.0 / 32767) << i;
  EXPECT_THROW(decodeWav("RIFF0000WAVE"), std::runtime_error);
  EXPECT_THROW(decodeWav("not a wav"), std::runtime_error);
}

Instrument plainPulse() {
  Instrument instrument;
  instrument.envelope = {0.001, 0.01, 1.0, 0.05};
  return instrument;
}

TEST(Composer, PatternsFollowTheChordsFromTheRootAboveTheLowestNote) {
  Composer composer(120, 4, chipKit());
  const int track = composer.addTrack(plainPulse(), 1.0);
  composer.chords("Am:2 F:2");
  composer.pattern(track, "1-2-3-4-", 48, 1);
  const Score score = composer.finish(false);
  std::vector<int> midis;
  for (const ScoredNote& scored : score.notes) {
    if (scored.track == track) midis.push_back(static_cast<int>(std::lround(69 + 12 * std::log2(scored.note.hz / 440))));
  }
  // A minor from A3 (57): A C E A; F major from F3 (53): F A C F
  EXPECT_EQ(midis, (std::vector<int>{57, 60, 64, 69, 53, 57, 60, 65}));
}

TEST(Composer, ALoopLetsItsLastNoteDieAwayBeforeTheEnd) {
  Composer composer(120, 4, chipKit());
  const int track = composer.addTrack(plainPulse(), 1.0);
  composer.melody(track, "c5:12 e5:4");
  composer.advance(1);
  const Score score = composer.finish(true);
  ASSERT_EQ(score.notes.size(), 2u);
  const Note& last = score.notes.back().note;
  EXPECT_LE(last.start + last.gate + 0.05, score.length + 1e-9);
  const Samples samples = renderScore(score);
  EXPECT_EQ(samples.size(), static_cast<std::size_t>(std::lround(score.length * kSampleRate)));
  EXPECT_LT(std::fabs(samples.back()), 1e-3);
}

TEST(Composer, ALoopWrapsATailIntoItsStart) {
  // a note on the last sixteenth whose release is longer than what is left rings on at the start of the loop
  Composer composer(120, 4, chipKit());
  Instrument ringing = plainPulse();
  ringing.envelope.release = 0.5;
  const int track = composer.addTrack(ringing, 1.0);
  composer.melody(track, "r:15 c5:1");
  composer.advance(1);
  Score score = composer.finish(true);
  const Samples samples = renderScore(score);
  double startEnergy = 0;
  for (std::size_t i = 0; i < 2000; ++i) startEnergy += samples[i] * samples[i];
  EXPECT_GT(startEnergy, 0.1);
}

}  // namespace
}  // namespace audio
