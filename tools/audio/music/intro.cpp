// The intro fanfare (Intro_Theme): played once while the maker's logo is uncovered, about six seconds.
// C major at 120 beats a minute: a call of repeated notes, a rise, and a held chord.
#include "band.h"
#include "catalog.h"

namespace audio {

Samples introMusic() {
  Composer composer(120, 4, chipKit(0.6, 0.8));
  BandSound sound;
  sound.lead = pulseVoice(0.5, {0.004, 0.1, 0.8, 0.35}, 0.5, 16.0);
  sound.harmony = pulseVoice(0.25, {0.004, 0.1, 0.7, 0.35}, 0.3);
  sound.arp = pulseVoice(0.125, {0.002, 0.05, 0.3, 0.05}, 0.12);
  sound.bass = triangleVoice({0.004, 0.1, 0.8, 0.4}, 0.8);
  const Band band = formBand(composer, sound);

  Section fanfare{.bars = 3, .chords = "C F:2 G:2 C",
                  .melody = "g4:2 g4:1 g4 c5:6 e5:2 g5:4 | a5:4 f5:2 a5 g5:4 d5:2 b4 | c6:12 r:4",
                  .harmony = "e4:2 e4:1 e4 e4:6 g4:2 c5:4 | c5:4 a4:2 c5 b4:4 g4:2 g4 | e5:12 r:4",
                  .bass = "1-------1-------", .kick = "X.......X.......", .snare = "xoxo............",
                  .fillKick = "X...............", .fillSnare = "................", .fillHat = "O..............."};
  play(composer, band, fanfare);
  return renderScore(composer.finish(false));
}

}  // namespace audio
