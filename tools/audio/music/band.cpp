// Writing a section: its chords first (the patterns follow them), then each part at the cursor,
// the drums with the fill on the last bar, and the cursor moved past the section.
#include "band.h"

#include <stdexcept>

namespace audio {

namespace {

// A melody that does not fill its section exactly is a typo that would shift everything after it.
void checkLength(std::string_view melody, const Section& section, int stepsPerBar) {
  if (melody.empty()) return;
  int steps = 0;
  for (const MelodyNote& note : parseMelody(melody)) steps += note.steps;
  if (steps != section.bars * stepsPerBar)
    throw std::invalid_argument("a melody of " + std::to_string(steps) + " sixteenths in a section of " +
                                std::to_string(section.bars * stepsPerBar) + ": " + std::string(melody.substr(0, 40)));
}

}  // namespace

Instrument pulseVoice(double duty, Envelope envelope, double gain, double vibratoCents) {
  Instrument voice;
  voice.wave = Wave::Pulse;
  voice.duty = duty;
  voice.envelope = envelope;
  voice.gain = gain;
  voice.vibratoHz = 5.5;
  voice.vibratoCents = vibratoCents;
  voice.vibratoDelay = 0.22;
  return voice;
}

Instrument triangleVoice(Envelope envelope, double gain) {
  Instrument voice;
  voice.wave = Wave::Triangle;
  voice.envelope = envelope;
  voice.gain = gain;
  return voice;
}

Band formBand(Composer& composer, const BandSound& sound) {
  Instrument echo = sound.lead;
  echo.gain *= 0.35;
  Band band;
  band.lead = composer.addTrack(sound.lead, sound.leadLegato, sound.leadEcho);
  band.leadEcho = composer.addTrack(echo, sound.leadLegato, sound.leadEcho);
  band.harmony = composer.addTrack(sound.harmony, sound.harmonyLegato);
  band.arp = composer.addTrack(sound.arp, sound.arpLegato, sound.arpEcho);
  band.bass = composer.addTrack(sound.bass, sound.bassLegato);
  return band;
}

void play(Composer& composer, const Band& band, const Section& section) {
  checkLength(section.melody, section, composer.stepsPerBar());
  checkLength(section.harmony, section, composer.stepsPerBar());
  composer.chords(section.chords);
  if (!section.melody.empty()) {
    composer.melody(band.lead, section.melody, section.melodyTranspose);
    if (section.echoDelaySteps > 0) {
      const std::string late = "r:" + std::to_string(section.echoDelaySteps) + " " + std::string(section.melody);
      composer.melody(band.leadEcho, late, section.melodyTranspose);
    }
  }
  if (!section.harmony.empty()) composer.melody(band.harmony, section.harmony);
  if (!section.arp.empty()) composer.pattern(band.arp, section.arp, section.arpLow, section.bars, section.arpVelocity);
  if (!section.arp2.empty()) composer.pattern(band.arp, section.arp2, section.arpLow, section.bars, section.arpVelocity);
  if (!section.bass.empty()) composer.pattern(band.bass, section.bass, section.bassLow, section.bars);
  const bool fill = !section.fillKick.empty() || !section.fillSnare.empty() || !section.fillHat.empty();
  const int plainBars = fill ? section.bars - 1 : section.bars;
  composer.drums(section.kick, section.snare, section.hat, plainBars);
  if (fill) {
    composer.advance(plainBars);
    composer.drums(section.fillKick.empty() ? section.kick : section.fillKick,
                   section.fillSnare.empty() ? section.snare : section.fillSnare,
                   section.fillHat.empty() ? section.hat : section.fillHat, 1);
    composer.advance(1);
  } else {
    composer.advance(section.bars);
  }
}

}  // namespace audio
