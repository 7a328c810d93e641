// The forest's theme (AAPMusic01_Looped): bright and carefree, D major at 140 beats a minute,
// a singable tune over bouncing bass and sparkling arpeggios. Form: A A' B A(echo) C B A'(harmony), 56 bars.
#include "band.h"
#include "catalog.h"

namespace audio {

namespace {

constexpr std::string_view kChordsA = "D A Bm G D A G A";
constexpr std::string_view kChordsA2 = "D A Bm G D A G:2 A:2 D";
constexpr std::string_view kChordsB = "G A F#m Bm G A D D";
constexpr std::string_view kChordsC = "Em A D Bm Em A G A";

constexpr std::string_view kTuneA =
    "a4:2 d5 f#5 a5:4 f#5:2 e5 d5 | e5:4 c#5:2 e5 a5:6 r:2 | b5:2 a5 f#5 d5 f#5:4 e5:2 d5 |"
    "d5:2 b4 d5 g5:4 f#5:2 e5 r | a4:2 d5 f#5 a5:4 b5:2 a5 f#5 | e5:2 f#5 e5 c#5 a4:4 c#5:2 e5 |"
    "d5:4 b4:2 g5:6 f#5:2 e5 | c#5:2 d5 e5 a5:4 r:6";
constexpr std::string_view kTuneA2 =
    "a4:2 d5 f#5 a5:4 f#5:2 e5 d5 | e5:4 c#5:2 e5 a5:6 r:2 | b5:2 a5 f#5 d5 f#5:4 e5:2 d5 |"
    "d5:2 b4 d5 g5:4 f#5:2 e5 r | a4:2 d5 f#5 a5:4 b5:2 a5 f#5 | e5:2 f#5 e5 c#5 a4:4 c#5:2 e5 |"
    "b4:2 d5 g5:4 a5:2 g5 e5 c#5 | d5:6 a4:2 d5:4 r:4";
constexpr std::string_view kTuneB =
    "b5:6 a5:2 g5:4 d5 | c#6:6 b5:2 a5:4 e5 | a5:4 f#5:2 a5 c#6:4 a5 | b5:8 a5:4 f#5 |"
    "g5:2 a5 b5:4 a5:2 g5 d5:4 | e5:2 f#5 g5:4 f#5:2 e5 c#5:4 | d5:4 f#5 a5 d6 | d6:2 a5 f#5 d5 a4:8";
constexpr std::string_view kTuneC =
    "e5:3 g5 b5:2 a5:4 g5 | f#5:3 e5 c#5:2 e5:8 | f#5:3 a5 d6:2 c#6:4 a5 | b5:12 r:4 |"
    "g5:3 f#5 e5:2 b4:4 e5 | c#5:3 e5 a5:2 g5:4 f#5 | g5:4 f#5 e5 d5 | e5:2 f#5 g5 a5:10";
// held chord tones under the last verse
constexpr std::string_view kHarmonyA2 =
    "f#4:8 a4:8 | e4:8 c#5:8 | d5:8 b4:8 | b4:8 d5:8 | a4:8 f#4:8 | c#5:8 e5:8 | b4:8 c#5:8 | d5:12 r:4";
// a low answering line under the bridge
constexpr std::string_view kBridgeHarmony =
    "b4:8 g4:8 | a4:8 c#5:8 | a4:8 f#4:8 | d5:8 f#4:8 | b4:8 g4:8 | e4:8 a4:8 | b4:8 g4:8 | c#5:8 e5:8";

constexpr std::string_view kBass = "1-.1 1-.1 3-.3 4-3-";
constexpr std::string_view kArp = "1234 3212 1234 5432";
constexpr std::string_view kKick = "X...x.x.X...x...";
constexpr std::string_view kSnare = "....X.......X..o";
constexpr std::string_view kHat = "x.o.x.o.x.o.x.oO";
constexpr std::string_view kFillSnare = "....X...X.xoXxXX";

}  // namespace

Samples forestMusic() {
  Composer composer(140, 4, chipKit(0.6, 0.9));
  BandSound sound;
  sound.lead = pulseVoice(0.25, {0.004, 0.08, 0.75, 0.05}, 0.5, 14.0);
  sound.harmony = triangleVoice({0.01, 0.2, 0.8, 0.1}, 0.35);
  sound.arp = pulseVoice(0.125, {0.002, 0.06, 0.3, 0.03}, 0.16);
  sound.bass = triangleVoice({0.003, 0.1, 0.8, 0.03}, 0.75);
  const Band band = formBand(composer, sound);

  Section a{.bars = 8, .chords = kChordsA, .melody = kTuneA, .arp = kArp, .bass = kBass,
            .kick = kKick, .snare = kSnare, .hat = kHat, .fillSnare = kFillSnare};
  Section a2 = a;
  a2.chords = kChordsA2;
  a2.melody = kTuneA2;
  Section b{.bars = 8, .chords = kChordsB, .melody = kTuneB, .arp = "1-3-5-3- 1-3-5-4-", .bass = "1-1-1-1- 3-3-4-3-",
            .kick = "X...X...X...X...", .snare = "....X.......X...", .hat = "xoxoxoxoxoxoxoxo", .fillSnare = kFillSnare,
            .arpLow = 66};
  Section aEcho = a;
  aEcho.echoDelaySteps = 3;
  aEcho.arp = "1.3.5.3.1.3.5.3.";
  Section c{.bars = 8, .chords = kChordsC, .melody = kTuneC, .harmony = kBridgeHarmony, .arp = "..1...3...5...3.",
            .bass = "1-------3-----3-", .kick = "X.......X.......", .snare = "........X.......",
            .hat = "..x...x...x...x.", .fillSnare = "....X...X.X.XXXX"};

  Section last = a2;
  last.harmony = kHarmonyA2;

  for (const Section* section : {&a, &a2, &b, &aEcho, &c, &b, &last}) play(composer, band, *section);
  return renderScore(composer.finish(true));
}

}  // namespace audio
