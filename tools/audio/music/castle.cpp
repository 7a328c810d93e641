// The castle's theme (AAPMusic05_Looped): minor and heavy. C minor at 104 beats a minute, a marching snare,
// a pounding octave bass and a stern tune. Form: A B A(echo) B(harmony), 32 bars.
#include "band.h"
#include "catalog.h"

namespace audio {

namespace {

constexpr std::string_view kChordsA = "Cm Ab Fm G Cm Ab G Cm";
constexpr std::string_view kTuneA =
    "c5:4 eb5 g5:6 f5:2 | eb5:4 c5 ab4:8 | f5:4 ab5 c6:6 bb5:2 | b5:8 g5:4 d5 |"
    "c6:4 bb5:2 ab5 g5:4 eb5 | ab5:4 g5:2 f5 eb5:4 c5 | d5:2 eb5 f5 g5 b4:4 d5 | c5:12 r:4";
constexpr std::string_view kChordsB = "Ab Bb Gm Cm Fm Bb Eb G";
constexpr std::string_view kTuneB =
    "c6:6 bb5:2 ab5:4 eb5 | d6:6 c6:2 bb5:4 f5 | bb5:6 g5:2 d5:4 g5 | c6:8 g5 |"
    "ab5:4 c6 f6:6 eb6:2 | d6:4 bb5 f5:8 | g5:4 bb5 eb6 d6 | d6:8 b5";
constexpr std::string_view kHarmonyB =
    "eb5:8 c5:8 | f5:8 d5:8 | d5:8 bb4:8 | eb5:8 c5:8 | c5:8 ab4:8 | f4:8 d5:8 | eb5:8 g5:8 | b4:8 g4:8";

constexpr std::string_view kBass = "1-.11-.11-.14-3-";
constexpr std::string_view kKick = "X.......X.......";
constexpr std::string_view kSnare = "....X..o....X.oo";
constexpr std::string_view kHat = "x...x...x...x...";
constexpr std::string_view kFill = "X.oX.oX.oXXXXXXX";

}  // namespace

Samples castleMusic() {
  Composer composer(104, 4, chipKit(0.5, 1.0));
  BandSound sound;
  sound.lead = pulseVoice(0.5, {0.004, 0.1, 0.8, 0.06}, 0.45, 14.0);
  sound.harmony = pulseVoice(0.25, {0.01, 0.2, 0.7, 0.1}, 0.2);
  sound.arp = pulseVoice(0.125, {0.002, 0.06, 0.3, 0.03}, 0.13);
  sound.bass = triangleVoice({0.002, 0.1, 0.8, 0.03}, 0.85);
  const Band band = formBand(composer, sound);

  Section a{.bars = 8, .chords = kChordsA, .melody = kTuneA, .arp = "1.2.3.2.1.2.3.2.", .bass = kBass,
            .kick = kKick, .snare = kSnare, .hat = kHat, .fillSnare = kFill, .arpLow = 55, .bassLow = 31};
  Section b{.bars = 8, .chords = kChordsB, .melody = kTuneB, .arp = "123.123.123.1232", .bass = "1-1-1-1-4-4-3-3-",
            .kick = "X...X...X...X...", .snare = kSnare, .hat = kHat, .fillSnare = kFill, .arpLow = 55, .bassLow = 31};
  Section aEcho = a;
  aEcho.echoDelaySteps = 2;
  Section b2 = b;
  b2.harmony = kHarmonyB;

  for (const Section* section : {&a, &b, &aEcho, &b2}) play(composer, band, *section);
  return renderScore(composer.finish(true));
}

}  // namespace audio
