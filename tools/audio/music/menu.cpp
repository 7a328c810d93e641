// The menu's and the tutorial's theme (Drumming-Sticks): light and drum-led, 120 beats a minute in F major.
// The drums lead; a short staccato tune answers them. Form: drums, A, tom break, A(echo), B, 32 bars.
#include "band.h"
#include "catalog.h"

namespace audio {

namespace {

constexpr std::string_view kChordsA = "F Bb F C F Bb C F";
constexpr std::string_view kTuneA =
    "c5:2 f5 a5 r g5 f5 r:4 | d5:2 f5 bb5 r a5 g5 r:4 | c5:2 f5 a5 c6 a5 f5 r:4 | g5:2 e5 c5 e5 g5:4 r |"
    "c6:2 a5 f5 r c6 a5 r:4 | bb5:2 f5 d5 r d6 bb5 r:4 | g5:2 a5 bb5 c6 e5 g5 r:4 | f5:4 r f4 r";
constexpr std::string_view kChordsB = "Dm Bb C F Dm Bb C C";
constexpr std::string_view kTuneB =
    "a5:4 d6 c6:2 a5 r:4 | bb5:4 f5 d5:2 f5 r:4 | g5:4 c6 bb5:2 g5 r:4 | a5:4 f5 c5 r |"
    "d5:2 f5 a5 d6 c6 a5 r:4 | bb5:2 d6 f6 d6 bb5 f5 r:4 | c6:2 bb5 a5 g5 e5 c5 r:4 | e5:2 g5 c6:4 r:8";

constexpr std::string_view kKick = "X..x..X.X..x..X.";
constexpr std::string_view kSnare = "....X..x.x..X..x";
constexpr std::string_view kHat = "xoxoxoxoxoxoxoxo";

}  // namespace

Samples menuMusic() {
  Composer composer(120, 4, chipKit(0.6, 1.2));
  BandSound sound;
  sound.lead = pulseVoice(0.25, {0.003, 0.08, 0.5, 0.05}, 0.45);
  sound.harmony = triangleVoice({0.01, 0.2, 0.6, 0.1}, 0.3);
  sound.arp = pulseVoice(0.125, {0.002, 0.05, 0.2, 0.03}, 0.12);
  sound.bass = triangleVoice({0.002, 0.1, 0.7, 0.03}, 0.75);
  sound.leadLegato = 0.6;
  const Band band = formBand(composer, sound);

  Section drums{.bars = 4, .chords = "F Bb C F", .bass = "1..1..1.1..1..1.", .kick = kKick, .snare = kSnare,
                .hat = kHat, .fillSnare = "....X..xt.t.T.TT"};
  Section a{.bars = 8, .chords = kChordsA, .melody = kTuneA, .bass = "1..1..1.1..1..3.", .kick = kKick,
            .snare = kSnare, .hat = kHat, .fillSnare = "....X..xXxXxXXXX"};
  Section toms{.bars = 4, .chords = "F C Bb C", .arp = "1.2.3.2.1.2.3.4.", .bass = "1...............",
               .kick = "X.......X.......", .snare = "t.t.T.T.t.tTt.T.", .hat = "x.x.x.x.x.x.x.x.",
               .fillSnare = "t.t.T.T.tTtTTTTT", .arpLow = 65};
  Section aEcho = a;
  aEcho.echoDelaySteps = 3;
  aEcho.arp = "1...2...3...2...";
  aEcho.arpLow = 65;
  Section b{.bars = 8, .chords = kChordsB, .melody = kTuneB, .arp = "1.3.2.3.1.3.2.3.", .bass = "1..1..1.3..3..3.",
            .kick = kKick, .snare = kSnare, .hat = "x.x.xOx.x.x.xOx.", .fillSnare = "....X..xt.tTTTTT",
            .arpLow = 65, .arpVelocity = 0.8};

  for (const Section* section : {&drums, &a, &toms, &aEcho, &b}) play(composer, band, *section);
  return renderScore(composer.finish(true));
}

}  // namespace audio
