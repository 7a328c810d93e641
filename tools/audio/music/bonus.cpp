// The bonus stages' and the hills' theme (Flowing-Rocks): driving and upbeat. E major at 150 beats a minute,
// a syncopated tune over an octave-jumping bass, a soaring chorus and a breakdown. Form: A A(echo) B C A B', 44 bars.
#include "band.h"
#include "catalog.h"

namespace audio {

namespace {

constexpr std::string_view kChordsA = "E B C#m A E B A B";
constexpr std::string_view kTuneA =
    "e5:3 e5 g#5:2 b5:3 a5 g#5:2 | f#5:3 d#5 b4:2 d#5:4 f#5 | g#5:3 g#5 c#6:2 b5:3 g#5 e5:2 |"
    "a5:3 g#5 f#5:2 e5:4 c#5 | e5:3 e5 g#5:2 b5:3 c#6 b5:2 | d#6:3 c#6 b5:2 f#5:4 b5 |"
    "c#6:3 b5 a5:2 e5:3 f#5 g#5:2 | f#5:8 d#5:4 b4";
constexpr std::string_view kChordsB = "A B G#m C#m A B E E";
constexpr std::string_view kTuneB =
    "e6:8 c#6:4 a5 | d#6:8 b5:4 f#5 | b5:6 g#5:2 d#6:8 | c#6:12 r:4 |"
    "a5:4 b5 c#6 e6 | f#6:6 e6:2 d#6:4 b5 | e6:4 b5 g#5 b5 | e6:8 r:8";
constexpr std::string_view kChordsC = "C#m A E B";
// a rising line a sixth under the chorus
constexpr std::string_view kHarmonyB =
    "c#5:8 e5:8 | f#5:8 d#5:8 | d#5:8 b4:8 | e5:8 g#5:8 | c#5:8 e5:8 | b4:8 d#5:8 | g#4:8 b4:8 | g#4:16";

constexpr std::string_view kBass = "1-4-1-4-1-4-1-4-";
constexpr std::string_view kKick = "X...x.X.X...x.X.";
constexpr std::string_view kSnare = "....X.......X...";
constexpr std::string_view kHat = "x.xOx.xOx.xOx.xO";
constexpr std::string_view kFill = "....X.X.XxXxXXXX";

}  // namespace

Samples bonusMusic() {
  Composer composer(150, 4, chipKit(0.65, 1.0));
  BandSound sound;
  sound.lead = pulseVoice(0.5, {0.003, 0.07, 0.75, 0.05}, 0.42, 12.0);
  sound.harmony = pulseVoice(0.25, {0.01, 0.2, 0.7, 0.08}, 0.2);
  sound.arp = pulseVoice(0.125, {0.002, 0.05, 0.25, 0.02}, 0.15);
  sound.bass = triangleVoice({0.002, 0.08, 0.85, 0.02}, 0.8);
  const Band band = formBand(composer, sound);

  Section a{.bars = 8, .chords = kChordsA, .melody = kTuneA, .arp = "1.2.3.4.3.2.1.2.", .bass = kBass,
            .kick = kKick, .snare = kSnare, .hat = kHat, .fillSnare = kFill, .arpLow = 64};
  Section aEcho = a;
  aEcho.echoDelaySteps = 3;
  aEcho.arp = "12341234 43214321";
  Section b{.bars = 8, .chords = kChordsB, .melody = kTuneB, .arp = "1234 5432 1234 5432", .bass = kBass,
            .kick = "X...X...X...X...", .snare = "....X.......X...", .hat = "xxxxxxxxxxxxxxxx", .fillSnare = kFill,
            .arpLow = 64, .arpVelocity = 0.8};
  Section breakdown{.bars = 4, .chords = kChordsC, .arp = "1.3.2.4.1.3.2.5.", .bass = "1-------1---4---",
                    .kick = "X.......X.......", .hat = "..x...x...x...x.", .fillSnare = "X.X.X.X.XXXXXXXX",
                    .arpLow = 64};
  Section b2 = b;
  b2.harmony = kHarmonyB;

  for (const Section* section : {&a, &aEcho, &b, &breakdown, &a, &b2}) play(composer, band, *section);
  return renderScore(composer.finish(true));
}

}  // namespace audio
