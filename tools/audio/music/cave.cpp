// The cave's theme (AAPMusic06_Looped): echoing and slow. A minor at 80 beats a minute, a sparse triangle
// tune and dripping arpeggios in a deep echo. Form: arpeggios, A, B, arpeggios, 24 bars.
#include "band.h"
#include "catalog.h"

namespace audio {

namespace {

constexpr std::string_view kChordsA = "Am Em F Em Am G F E";
constexpr std::string_view kTuneA =
    "e5:4 r a5 r | g5:6 e5:2 b4:8 | c5:4 r f5 e5 | b4:12 r:4 |"
    "e5:4 r c6 b5 | d6:6 b5:2 g5:8 | a5:4 r c6 a5 | g#5:12 r:4";
constexpr std::string_view kChordsB = "Dm Am Dm E F C Dm E";
constexpr std::string_view kTuneB =
    "f5:8 a5 | e5:8 c5 | d5:4 f5 a5 d6 | b5:12 r:4 | c6:8 a5 | g5:8 e5 | f5:4 a5 d6 c6 | b5:8 g#5";

}  // namespace

Samples caveMusic() {
  Composer composer(80, 4, chipKit(0.25, 0.6));
  composer.setEcho({0.5625, 0.5, 0.55});
  BandSound sound;
  sound.lead = triangleVoice({0.01, 0.3, 0.6, 0.3}, 0.9);
  sound.lead.vibratoHz = 4.5;
  sound.lead.vibratoCents = 12.0;
  sound.harmony = triangleVoice({0.05, 0.3, 0.6, 0.3}, 0.4);
  sound.arp = pulseVoice(0.125, {0.002, 0.15, 0.0, 0.08}, 0.15);
  sound.bass = triangleVoice({0.05, 0.5, 0.6, 0.4}, 0.7);
  sound.leadEcho = 0.8;
  sound.arpLegato = 0.9;
  sound.arpEcho = 0.7;
  const Band band = formBand(composer, sound);

  Section drips{.bars = 4, .chords = "Am Em F E", .arp = "1.....3.....5...", .bass = "1---------------",
                .kick = "X...............", .hat = "......o.......o.", .arpLow = 69};
  Section a{.bars = 8, .chords = kChordsA, .melody = kTuneA, .arp = "1.....3...5.....", .bass = "1-------........",
            .kick = "X...............", .hat = "......o.......o.", .arpLow = 69};
  Section b = a;
  b.chords = kChordsB;
  b.melody = kTuneB;
  b.arp = "5.....3...1.....";

  for (const Section* section : {&drips, &a, &b, &drips}) play(composer, band, *section);
  return renderScore(composer.finish(true));
}

}  // namespace audio
