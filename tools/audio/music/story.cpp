// The story's theme (WackyWaiting): playful and a little mischievous. E minor at 116 beats a minute,
// a tiptoeing walking bass and a staccato tune full of sneaking chromatic steps. Form: A B A(echo) B(harmony), 32 bars.
#include "band.h"
#include "catalog.h"

namespace audio {

namespace {

constexpr std::string_view kChordsA = "Em Am B7 Em Em Am B7 Em";
constexpr std::string_view kTuneA =
    "e5:2 r g5:1 f#5 g5:2 b5 r a5 g5 | a5:2 r c6:1 b5 c6:2 e6 r c6 a5 | d#5:2 f#5 a5 f#5 b5 a5 g5 f#5 |"
    "e5:2 r b4 r e5:4 r | g5:1 g#5 a5:2 b5 r g5:1 g#5 a5:2 b5 r | c6:2 b5 a5 g#5 a5 e5 c5 e5 |"
    "d#5:2 e5 f#5 a5 c6 b5 a5 f#5 | e5:4 b4:2 g4 e4:4 r";
constexpr std::string_view kChordsB = "C G Am B7 C G B7 Em";
constexpr std::string_view kTuneB =
    "e5:3 g5 c6:2 b5 g5 e5:4 | d5:3 g5 b5:2 a5 g5 d5:4 | c5:3 e5 a5:2 g5 e5 c5:4 | b4:2 d#5 f#5 a5 b5:8 |"
    "g5:2 e5 c5 e5 g5 c6 e6:4 | d6:2 b5 g5 b5 d6 b5 g5:4 | f#5:2 a5 b5 d#6 f#6:4 r | e6:2 r b5 r e5 r:6";
constexpr std::string_view kHarmonyB =
    "c5:8 e5:8 | b4:8 d5:8 | a4:8 c5:8 | d#5:8 f#5:8 | e5:8 g5:8 | d5:8 b4:8 | d#5:8 a4:8 | g4:8 e4:8";

}  // namespace

Samples storyMusic() {
  Composer composer(116, 4, chipKit(0.5, 0.8));
  BandSound sound;
  sound.lead = pulseVoice(0.125, {0.002, 0.06, 0.5, 0.04}, 0.55);
  sound.harmony = pulseVoice(0.5, {0.01, 0.2, 0.6, 0.08}, 0.18);
  sound.arp = pulseVoice(0.25, {0.002, 0.05, 0.2, 0.03}, 0.12);
  sound.bass = triangleVoice({0.002, 0.08, 0.6, 0.03}, 0.8);
  sound.leadLegato = 0.55;
  sound.bassLegato = 0.5;
  const Band band = formBand(composer, sound);

  Section a{.bars = 8, .chords = kChordsA, .melody = kTuneA, .arp = "....2.3.....2.3.", .bass = "1.2.3.2.1.2.3.4.",
            .kick = "X.......X.......", .snare = "....o.......o..o", .hat = "x.ox..x.x.ox..x.",
            .fillSnare = "....o...o.o.oxox", .arpLow = 64, .bassLow = 36};
  Section b{.bars = 8, .chords = kChordsB, .melody = kTuneB, .arp = "1.2.3.2.1.2.3.2.", .bass = "1.3.1.3.1.3.4.3.",
            .kick = "X.....X.X.......", .snare = "....x.......x...", .hat = "x.x.x.x.x.x.x.x.",
            .fillSnare = "....x...x.x.xxxx", .arpLow = 64, .bassLow = 36, .arpVelocity = 0.8};
  Section aEcho = a;
  aEcho.echoDelaySteps = 3;
  Section b2 = b;
  b2.harmony = kHarmonyB;

  for (const Section* section : {&a, &b, &aEcho, &b2}) play(composer, band, *section);
  return renderScore(composer.finish(true));
}

}  // namespace audio
