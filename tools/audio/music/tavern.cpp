// The tavern's theme (ItalianMom): a merry waltz. C major in 3/4 at 168 beats a minute, oom-pah-pah under a
// swaying tune; the second strain moves to F. Form: A B A(echo and harmony) B, 64 bars.
#include "band.h"
#include "catalog.h"

namespace audio {

namespace {

constexpr std::string_view kChordsA = "C C G7 G7 G7 G7 C C C C F F G7 G7 C C";
constexpr std::string_view kTuneA =
    "g5:4 e5 g5 | c6:8 b5:4 | a5:4 g5 f5 | d5:8 r:4 | f5:4 d5 f5 | b5:8 a5:4 | g5:4 f5 e5 | c5:8 r:4 |"
    "g5:4 e5 g5 | e6:8 d6:4 | c6:4 a5 f5 | a5:8 c6:4 | b5:4 a5 g5 | f5:4 d5 b4 | c5:4 e5 g5 | c6:8 r:4";
constexpr std::string_view kChordsB = "F F C7 C7 C7 C7 F F F F Bb Bb C7 C7 F F";
constexpr std::string_view kTuneB =
    "a5:4 c6 a5 | f5:8 a5:4 | g5:4 bb5 g5 | e5:8 r:4 | c5:4 e5 g5 | bb5:8 a5:4 | a5:4 g5 f5 | f5:8 r:4 |"
    "c6:4 a5 c6 | f6:8 e6:4 | d6:4 bb5 f5 | d6:8 c6:4 | bb5:4 g5 e5 | c5:4 e5 g5 | a5:4 c6 a5 | f5:8 r:4";
constexpr std::string_view kHarmonyA =
    "e5:12 | e5:12 | f5:12 | b4:12 | d5:12 | f5:12 | e5:12 | e5:12 |"
    "e5:12 | g5:12 | a5:12 | f5:12 | f5:12 | d5:12 | e5:12 | e5:12";

}  // namespace

Samples tavernMusic() {
  Composer composer(168, 3, chipKit(0.4, 0.6));
  BandSound sound;
  sound.lead = pulseVoice(0.25, {0.004, 0.08, 0.75, 0.06}, 0.5, 20.0);
  sound.harmony = triangleVoice({0.02, 0.2, 0.6, 0.1}, 0.35);
  sound.arp = pulseVoice(0.5, {0.002, 0.05, 0.3, 0.03}, 0.11);
  sound.bass = triangleVoice({0.003, 0.1, 0.7, 0.04}, 0.8);
  sound.arpLegato = 0.6;
  sound.bassLegato = 0.7;
  const Band band = formBand(composer, sound);

  Section a{.bars = 16, .chords = kChordsA, .melody = kTuneA, .arp = "....2...2...", .arp2 = "....3...3...",
            .bass = "1-----------3-----------", .kick = "X...........", .snare = "....o...o...", .arpLow = 60};
  Section b = a;
  b.chords = kChordsB;
  b.melody = kTuneB;
  Section a2 = a;
  a2.harmony = kHarmonyA;
  a2.echoDelaySteps = 2;

  for (const Section* section : {&a, &b, &a2, &b}) play(composer, band, *section);
  return renderScore(composer.finish(true));
}

}  // namespace audio
