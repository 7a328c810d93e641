// The jungle's theme (AAPMusic03_Looped): percussive. D dorian at 126 beats a minute, toms and shakers
// driving under a plucked marimba-like tune. Form: drums, A, A(echo), drum break, A(harmony), drum break, 36 bars.
#include "band.h"
#include "catalog.h"

namespace audio {

namespace {

constexpr std::string_view kChordsA = "Dm C Dm C Bb C Dm Dm";
constexpr std::string_view kTuneA =
    "d5:2 r:1 f5:1 r:2 a5:2 g5 f5 d5:4 | e5:2 r:1 g5:1 r:2 c6:2 a5 g5 e5:4 |"
    "d5:2 r:1 f5:1 r:2 a5:2 c6 d6 a5:4 | g5:3 e5 c5:2 e5:8 |"
    "f5:2 r:1 bb5:1 r:2 d6:2 c6 bb5 f5:4 | g5:2 r:1 c6:1 r:2 e6:2 d6 c6 g5:4 |"
    "a5:3 f5 d5:2 f5 a5 c6:4 | d6:4 a5 d5:8";
constexpr std::string_view kHarmonyA =
    "a4:8 f4:8 | g4:8 e4:8 | a4:8 d5:8 | c5:8 g4:8 | bb4:8 d5:8 | c5:8 e5:8 | d5:8 a4:8 | f4:16";

constexpr std::string_view kKick = "X..x..X...x..X..";
constexpr std::string_view kToms = "..t..T....t.T..T";
constexpr std::string_view kShaker = "x.xxo.xxx.xxo.xx";

}  // namespace

Samples jungleMusic() {
  Composer composer(126, 4, chipKit(0.5, 1.0));
  BandSound sound;
  sound.lead = pulseVoice(0.25, {0.002, 0.12, 0.2, 0.08}, 0.6);
  sound.harmony = triangleVoice({0.01, 0.3, 0.6, 0.1}, 0.35);
  sound.arp = pulseVoice(0.125, {0.002, 0.05, 0.2, 0.03}, 0.13);
  sound.bass = triangleVoice({0.002, 0.1, 0.6, 0.04}, 0.8);
  sound.leadLegato = 0.7;
  const Band band = formBand(composer, sound);

  Section drums{.bars = 4, .chords = "Dm C Dm C", .bass = "1..1..1...1..1..", .kick = kKick, .snare = kToms,
                .hat = kShaker, .fillSnare = "t.t.T.T.tTtTTTTT"};
  Section a{.bars = 8, .chords = kChordsA, .melody = kTuneA, .arp = "1..3..2...1..3..", .bass = "1..1..1...1..4..",
            .kick = kKick, .snare = "....X..t...TX..t", .hat = kShaker, .fillSnare = "....X.t.TtTtXXXX", .arpLow = 62};
  Section aEcho = a;
  aEcho.echoDelaySteps = 3;
  Section a2 = a;
  a2.harmony = kHarmonyA;
  a2.arp = "1.3.2.3.1.3.2.4.";

  for (const Section* section : {&drums, &a, &aEcho, &drums, &a2, &drums}) play(composer, band, *section);
  return renderScore(composer.finish(true));
}

}  // namespace audio
