// The world map's theme (MusicMap): adventurous and wide. D mixolydian at 108 beats a minute, a tune of
// wide leaps over rolling toms and a broad bass. Form: A B A(harmony) B(echo), 32 bars.
#include "band.h"
#include "catalog.h"

namespace audio {

namespace {

constexpr std::string_view kChordsA = "D C G D D C G A";
constexpr std::string_view kTuneA =
    "a4:4 d5 a5:6 g5:2 | g5:4 e5 c5:8 | d5:4 g5 b5:6 a5:2 | a5:12 r:4 |"
    "a4:4 d5 a5 d6 | c6:6 b5:2 g5:4 e5 | d5:4 g5 b5 d6 | c#6:8 e6";
constexpr std::string_view kChordsB = "Bm G D A Bm G A A";
constexpr std::string_view kTuneB =
    "f#6:6 e6:2 d6:4 b5 | d6:6 b5:2 g5:8 | a5:6 d6:2 f#6:4 e6 | e6:12 r:4 |"
    "d6:4 b5 f#5 b5 | g5:4 b5 d6 g6 | f#6:6 e6:2 c#6:4 a5 | e6:12 r:4";
constexpr std::string_view kHarmonyA =
    "f#4:8 a4:8 | e4:8 g4:8 | g4:8 d5:8 | f#5:12 r:4 | f#4:8 a4:8 | e5:8 c5:8 | b4:8 g4:8 | e5:8 a5:8";

}  // namespace

Samples mapMusic() {
  Composer composer(108, 4, chipKit(0.5, 0.9));
  BandSound sound;
  sound.lead = pulseVoice(0.25, {0.008, 0.12, 0.8, 0.1}, 0.45, 16.0);
  sound.harmony = triangleVoice({0.02, 0.2, 0.8, 0.15}, 0.45);
  sound.arp = pulseVoice(0.125, {0.002, 0.06, 0.3, 0.04}, 0.13);
  sound.bass = triangleVoice({0.004, 0.15, 0.8, 0.05}, 0.8);
  const Band band = formBand(composer, sound);

  Section a{.bars = 8, .chords = kChordsA, .melody = kTuneA, .arp = "1.3.4.3.1.3.4.5.", .bass = "1-----1-3-----3-",
            .kick = "X.....X...X.....", .snare = "....X.......X..t", .hat = "x.x.x.x.x.x.x.x.",
            .fillSnare = "....X...t.t.T.TT", .arpLow = 62};
  Section b{.bars = 8, .chords = kChordsB, .melody = kTuneB, .arp = "1234 5432 1234 5432", .bass = "1-1-1-1-3-3-4-3-",
            .kick = "X...X...X...X...", .snare = "....X.......X...", .hat = "xoxoxoxoxoxoxoxo",
            .fillSnare = "....X...tTtTXXXX", .arpLow = 62, .arpVelocity = 0.75};
  Section a2 = a;
  a2.harmony = kHarmonyA;
  Section bEcho = b;
  bEcho.echoDelaySteps = 3;

  for (const Section* section : {&a, &b, &a2, &bEcho}) play(composer, band, *section);
  return renderScore(composer.finish(true));
}

}  // namespace audio
