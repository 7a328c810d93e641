// The village's theme (AAPMusic02_Looped): a folk tune. G major at 112 beats a minute, a whistled triangle
// melody with dotted rhythms over an oom-pah bass and chord stabs. Form: A A' B A, 32 bars.
#include "band.h"
#include "catalog.h"

namespace audio {

namespace {

constexpr std::string_view kChordsA = "G C G D G C D G";
constexpr std::string_view kTuneA =
    "d5:3 b4:1 g4:2 b4 d5:4 g5 | e5:3 g5:1 e5:2 c5 e5:4 g5 | d5:3 b4:1 d5:2 g5 b5:4 a5:2 g5 |"
    "a5:3 f#5:1 d5:2 f#5 a5:8 | b5:3 a5:1 g5:2 d5 b4:4 d5 | e5:3 f#5:1 g5:2 e5 c5:4 e5 |"
    "d5:2 e5 f#5 a5 g5 f#5 e5 f#5 | g5:8 d5:4 g4";
constexpr std::string_view kChordsB = "Em C G D Em C D G";
constexpr std::string_view kTuneB =
    "b5:4 g5:2 b5 e6:6 d6:2 | c6:4 b5:2 a5 g5:4 e5 | d5:2 g5 b5 d6 b5:4 g5 | a5:6 f#5:2 d5:8 |"
    "e5:2 g5 b5:4 a5:2 g5 e5:4 | e5:2 g5 c6:4 b5:2 a5 g5:4 | f#5:3 g5:1 a5:2 d5 f#5:4 a5 | g5:12 r:4";
constexpr std::string_view kHarmonyA =
    "b4:8 d5:8 | c5:8 e5:8 | b4:8 d5:8 | f#5:8 d5:8 | d5:8 b4:8 | c5:8 g4:8 | a4:8 c5:8 | b4:8 g4:8";

}  // namespace

Samples villageMusic() {
  Composer composer(112, 4, chipKit(0.45, 0.7));
  BandSound sound;
  sound.lead = triangleVoice({0.01, 0.1, 0.85, 0.06}, 0.85);
  sound.lead.vibratoHz = 5.0;
  sound.lead.vibratoCents = 18.0;
  sound.lead.vibratoDelay = 0.2;
  sound.harmony = pulseVoice(0.25, {0.01, 0.2, 0.6, 0.1}, 0.16);
  sound.arp = pulseVoice(0.5, {0.002, 0.06, 0.2, 0.03}, 0.14);
  sound.bass = triangleVoice({0.003, 0.1, 0.7, 0.04}, 0.75);
  sound.arpLegato = 0.6;
  const Band band = formBand(composer, sound);

  Section a{.bars = 8, .chords = kChordsA, .melody = kTuneA, .arp = "....2...2...2...", .arp2 = "....3...3...3...",
            .bass = "1.......3.......", .kick = "X.......x.......", .snare = "....o.......o...",
            .hat = "x.o.x.o.x.o.x.o.", .fillSnare = "....o.......x.xx", .arpLow = 60, .bassLow = 40};
  Section a2 = a;
  a2.harmony = kHarmonyA;
  a2.echoDelaySteps = 2;
  Section b{.bars = 8, .chords = kChordsB, .melody = kTuneB, .arp = "1.2.3.2.1.2.3.2.", .bass = "1...3...1...3...",
            .kick = "X.......X.......", .snare = "....x.......x...", .hat = "x.o.x.o.x.o.x.o.",
            .fillSnare = "....x...x.x.xxxx", .arpLow = 60, .bassLow = 40};

  for (const Section* section : {&a, &a2, &b, &a}) play(composer, band, *section);
  return renderScore(composer.finish(true));
}

}  // namespace audio
