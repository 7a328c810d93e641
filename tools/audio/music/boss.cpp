// The boss theme (BossTheme): tense, fast and minor. A minor at 168 beats a minute, a chromatic riff over a
// pounding octave bass, a climbing tune and a syncopated middle part. Form: riff A A' riff B B' A', 48 bars.
#include "band.h"
#include "catalog.h"

namespace audio {

namespace {

constexpr std::string_view kRiffChords = "Am Am F E";
constexpr std::string_view kRiff =
    "a4:2 e5 a4 d#5 e5:4 c5:2 b4 | a4:2 e5 a4 f5 e5:4 d5:2 c5 | a4:2 f5 a4 e5 f5:4 e5:2 d5 | g#4:2 b4 d5 e5 g#5:4 r:4";

constexpr std::string_view kChordsA = "Am F Dm E Am F G E";
constexpr std::string_view kTuneA =
    "e5:4 a5 c6 b5:2 a5 | c6:6 a5:2 f5:4 a5 | d6:4 c6:2 a5 f5:4 d5 | e5:2 f5 g#5:4 b5 e6 |"
    "e6:4 d6:2 c6 b5 c6 a5:4 | a5:2 c6 f6:4 e6:2 d6 c6:4 | b5:4 d6:2 b5 g5:4 d5 | e5:4 g#5 b5 d6:2 c6";
constexpr std::string_view kTuneA2 =
    "e5:4 a5 c6 b5:2 a5 | c6:6 a5:2 f5:4 a5 | d6:4 c6:2 a5 f5:4 d5 | e5:2 f5 g#5:4 b5 e6 |"
    "e6:4 d6:2 c6 b5 c6 a5:4 | a5:2 c6 f6:4 e6:2 d6 c6:4 | d6:2 c6 b5 a5 g5 f5 e5 d5 | e5:12 r:4";

constexpr std::string_view kChordsB = "Dm Am Dm E F G Am E";
constexpr std::string_view kTuneB =
    "d5:3 f5 a5:2 g5:3 f5 e5:2 | e5:3 c5 a4:2 c5:4 e5 | f5:3 a5 d6:2 c6:3 a5 f5:2 | g#5:3 b5 e6:2 d6:4 b5 |"
    "c6:3 a5 f5:2 a5:4 c6 | d6:3 b5 g5:2 b5:4 d6 | e6:4 c6 a5 e5 | g#5:2 a5 b5 c6 d6 c6 b5 g#5";
// a low counter line that answers the tune in B'
constexpr std::string_view kCounterB =
    "a4:8 f4:8 | c5:8 e4:8 | a4:8 f4:8 | b4:8 g#4:8 | a4:8 c5:8 | b4:8 d5:8 | c5:8 e5:8 | e5:8 b4:8";

constexpr std::string_view kBass = "1-1-4-1-1-1-4-3-";
constexpr std::string_view kKick = "X.x.X.x.X.x.X.x.";
constexpr std::string_view kSnare = "....X.......X...";
constexpr std::string_view kHat = "xoxoxoxoxoxoxoxo";
constexpr std::string_view kFill = "....X...XxXxXXXX";

}  // namespace

Samples bossMusic() {
  Composer composer(168, 4, chipKit(0.7, 1.0));
  BandSound sound;
  sound.lead = pulseVoice(0.25, {0.003, 0.06, 0.8, 0.04}, 0.5, 18.0);
  sound.harmony = pulseVoice(0.5, {0.01, 0.2, 0.7, 0.08}, 0.2);
  sound.arp = pulseVoice(0.125, {0.002, 0.05, 0.3, 0.02}, 0.15);
  sound.bass = triangleVoice({0.002, 0.08, 0.85, 0.02}, 0.8);
  sound.leadLegato = 0.8;
  const Band band = formBand(composer, sound);

  Section riff{.bars = 4, .chords = kRiffChords, .melody = kRiff, .bass = "1-1-1-1-1-1-1-1-",
               .kick = "X..xX..xX..xX..x", .snare = "....X.......X...", .hat = "x.x.x.x.x.x.x.x.",
               .fillSnare = "....X...X.X.XXXX", .arpLow = 69};
  Section a{.bars = 8, .chords = kChordsA, .melody = kTuneA, .arp = "1231 2312 3123 1232", .bass = kBass,
            .kick = kKick, .snare = kSnare, .hat = kHat, .fillSnare = kFill, .arpLow = 57, .arpVelocity = 0.9};
  Section a2 = a;
  a2.melody = kTuneA2;
  a2.echoDelaySteps = 2;
  Section b{.bars = 8, .chords = kChordsB, .melody = kTuneB, .arp = "1.2.3.2.1.2.3.4.", .bass = "1--1--1-4--4--3-",
            .kick = "X..X..X.X..X..X.", .snare = "....X..o....X..o", .hat = kHat, .fillSnare = kFill, .arpLow = 62};
  Section b2 = b;
  b2.harmony = kCounterB;
  b2.snare = "....X.......X.XX";

  for (const Section* section : {&riff, &a, &a2, &riff, &b, &b2, &a2}) play(composer, band, *section);
  return renderScore(composer.finish(true));
}

}  // namespace audio
