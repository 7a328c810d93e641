// The mountains' theme (AAPMusic04_Looped): airy. F major at 96 beats a minute, long notes in the thin air,
// slow arpeggios ringing through an echo, hardly any drums. Form: arpeggios, A, B, A(harmony), 28 bars.
#include "band.h"
#include "catalog.h"

namespace audio {

namespace {

constexpr std::string_view kChordsA = "Fmaj7 C Dm7 Bbmaj7 F C Bbmaj7 C";
constexpr std::string_view kTuneA =
    "a5:6 g5:2 f5:4 c6 | g5:12 e5:4 | f5:6 e5:2 d5:4 a5 | f5:16 |"
    "a5:6 bb5:2 c6:4 f6 | e6:8 d6:4 c6 | d6:6 c6:2 bb5:4 a5 | g5:12 r:4";
constexpr std::string_view kChordsB = "Dm7 Bbmaj7 F C Dm7 Bbmaj7 F C";
constexpr std::string_view kTuneB =
    "d6:8 c6:4 a5 | bb5:8 a5:4 f5 | a5:6 g5:2 f5:4 c5 | e5:12 g5:4 |"
    "f5:4 a5 d6 e6 | f6:8 d6:4 bb5 | c6:6 a5:2 f5:4 a5 | g5:16";
constexpr std::string_view kHarmonyA =
    "f5:8 e5:8 | e5:8 c5:8 | d5:8 a4:8 | d5:16 | c5:8 f5:8 | g5:8 e5:8 | f5:8 d5:8 | e5:12 r:4";

}  // namespace

Samples mountainMusic() {
  Composer composer(96, 4, chipKit(0.3, 0.6));
  composer.setEcho({0.469, 0.45, 0.45});
  BandSound sound;
  sound.lead = pulseVoice(0.5, {0.04, 0.3, 0.7, 0.25}, 0.45, 16.0);
  sound.harmony = triangleVoice({0.05, 0.3, 0.7, 0.3}, 0.45);
  sound.arp = pulseVoice(0.125, {0.004, 0.2, 0.0, 0.1}, 0.16);
  sound.bass = triangleVoice({0.02, 0.3, 0.7, 0.2}, 0.7);
  sound.leadEcho = 0.6;
  sound.arpLegato = 0.9;
  sound.arpEcho = 0.5;
  const Band band = formBand(composer, sound);

  Section intro{.bars = 4, .chords = "Fmaj7 C Dm7 Bbmaj7", .arp = "1.2.3.4.5.4.3.2.", .bass = "1---------------",
                .hat = "....o.......o...", .arpLow = 60};
  Section a{.bars = 8, .chords = kChordsA, .melody = kTuneA, .arp = "1.2.3.4.5.4.3.2.", .bass = "1-------3-------",
            .kick = "X...............", .hat = "....o.......o...", .arpLow = 60};
  Section b = a;
  b.chords = kChordsB;
  b.melody = kTuneB;
  b.arp = "1.3.5.3.2.4.6.4.";
  Section a2 = a;
  a2.harmony = kHarmonyA;

  for (const Section* section : {&intro, &a, &b, &a2}) play(composer, band, *section);
  return renderScore(composer.finish(true));
}

}  // namespace audio
