// The game-over theme (GameOver): short and falling, played once. C minor at 100 beats a minute:
// two sighing falling phrases and a last low held note over a slow bass, about seven seconds.
#include "band.h"
#include "catalog.h"

namespace audio {

Samples gameOverMusic() {
  Composer composer(100, 4, chipKit(0.4, 0.7));
  BandSound sound;
  sound.lead = pulseVoice(0.5, {0.005, 0.1, 0.75, 0.4}, 0.5, 22.0);
  sound.harmony = pulseVoice(0.25, {0.01, 0.3, 0.6, 0.5}, 0.22);
  sound.arp = pulseVoice(0.125, {0.002, 0.05, 0.3, 0.05}, 0.12);
  sound.bass = triangleVoice({0.005, 0.2, 0.8, 0.5}, 0.8);
  sound.leadLegato = 0.95;
  const Band band = formBand(composer, sound);

  Section fall{.bars = 3, .chords = "Cm:2 Ab:2 Fm:2 G:2 Cm",
               .melody = "g5:3 eb5 c5:2 ab5:3 f5 c5:2 | f5:3 d5 b4:2 g5:4 f5:2 d5 | c5:12 r:4",
               .harmony = "eb5:8 c5:8 | ab4:8 b4:8 | g4:12 r:4",
               .bass = "1-------1-------", .kick = "X.......X.......", .fillKick = "X...............",
               .fillSnare = "................", .fillHat = "................"};
  play(composer, band, fall);
  return renderScore(composer.finish(false));
}

}  // namespace audio
