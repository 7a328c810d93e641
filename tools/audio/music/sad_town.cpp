// A gentle slow theme (Sad-Town), named by the bonus levels' files: F major at 84 beats a minute,
// a soft triangle tune over slow broken chords. Form: A B A(harmony), 24 bars.
#include "band.h"
#include "catalog.h"

namespace audio {

namespace {

constexpr std::string_view kChordsA = "F Am Bb F Dm Bb C C";
constexpr std::string_view kTuneA =
    "c5:4 f5 a5:6 g5:2 | e5:8 c5 | d5:4 f5 bb5:6 a5:2 | a5:12 r:4 |"
    "f5:4 a5 d6:6 c6:2 | bb5:8 f5 | g5:4 a5 bb5 e5 | g5:12 r:4";
constexpr std::string_view kChordsB = "Bb F Gm C Dm Bb C F";
constexpr std::string_view kTuneB =
    "d6:6 c6:2 bb5:8 | a5:6 g5:2 f5:8 | bb5:4 a5 g5 d5 | e5:12 r:4 |"
    "f5:4 a5 d6 c6 | bb5:4 a5 g5 f5 | e5:4 g5 c6 bb5 | a5:12 r:4";
constexpr std::string_view kHarmonyA =
    "a4:8 c5:8 | c5:8 a4:8 | bb4:8 d5:8 | f5:12 r:4 | d5:8 f5:8 | d5:8 bb4:8 | e5:8 g5:8 | e5:12 r:4";

}  // namespace

Samples sadTownMusic() {
  Composer composer(84, 4, chipKit(0.2, 0.5));
  composer.setEcho({0.357, 0.3, 0.3});
  BandSound sound;
  sound.lead = triangleVoice({0.02, 0.3, 0.7, 0.25}, 0.9);
  sound.lead.vibratoHz = 5.0;
  sound.lead.vibratoCents = 14.0;
  sound.harmony = pulseVoice(0.5, {0.05, 0.3, 0.6, 0.3}, 0.14);
  sound.arp = pulseVoice(0.25, {0.004, 0.25, 0.0, 0.1}, 0.12);
  sound.bass = triangleVoice({0.02, 0.4, 0.6, 0.3}, 0.65);
  sound.leadEcho = 0.5;
  sound.arpLegato = 0.9;
  sound.arpEcho = 0.4;
  const Band band = formBand(composer, sound);

  Section a{.bars = 8, .chords = kChordsA, .melody = kTuneA, .arp = "1...2...3...2...", .bass = "1-------3-------",
            .hat = "........o.......", .arpLow = 60};
  Section b = a;
  b.chords = kChordsB;
  b.melody = kTuneB;
  b.arp = "1...3...2...3...";
  Section a2 = a;
  a2.harmony = kHarmonyA;

  for (const Section* section : {&a, &b, &a2}) play(composer, band, *section);
  return renderScore(composer.finish(true));
}

}  // namespace audio
