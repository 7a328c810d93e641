// The game's sound effects: short chiptune gestures (slides, arpeggios, noise bursts), each under a second,
// mastered to the effects' loudness.
#include <vector>

#include "catalog.h"
#include "loudness.h"

namespace audio {

namespace {

struct Layer {
  Instrument instrument;
  Note note;
};

Instrument voice(Wave wave, double duty, Envelope envelope, double gain = 1.0) {
  Instrument made;
  made.wave = wave;
  made.duty = duty;
  made.envelope = envelope;
  made.gain = gain;
  return made;
}

Note note(double start, double gate, double hz, std::uint32_t seed = 1) {
  Note made;
  made.start = start;
  made.gate = gate;
  made.hz = hz;
  made.seed = seed;
  return made;
}

Note slide(double start, double gate, double fromHz, double toHz, double time, std::uint32_t seed = 1) {
  Note made = note(start, gate, fromHz, seed);
  made.glideToHz = toHz;
  made.glideTime = time;
  return made;
}

// A note that jumps through `midis`, one every `stepTime` seconds.
Note arpeggio(double start, double gate, std::vector<int> midis, double stepTime) {
  Note made = note(start, gate, midiToHz(midis.front()));
  for (std::size_t i = 1; i < midis.size(); ++i) made.steps.push_back({stepTime * i, midiToHz(midis[i])});
  return made;
}

Samples render(const std::vector<Layer>& layers) {
  Samples out;
  for (const Layer& layer : layers) mixNote(out, layer.instrument, layer.note, false);
  master(out, kEffectLufs);
  return out;
}

Instrument filtered(Instrument instrument, double fromHz, double toHz) {
  instrument.lowpassHz = fromHz;
  instrument.lowpassEndHz = toHz;
  return instrument;
}

}  // namespace

Samples jumpEffect() {
  // a quick upward slide: the hero springs off the ground
  return render({{voice(Wave::Pulse, 0.25, {0.002, 0.16, 0.0, 0.03}), slide(0, 0.17, 260, 720, 0.15)},
                 {voice(Wave::Triangle, 0.5, {0.002, 0.12, 0.0, 0.03}, 0.5), slide(0, 0.12, 130, 360, 0.12)}});
}

Samples diamondEffect() {
  // two bright notes, the second rings: the classic pick-up
  Note ring = arpeggio(0, 0.32, {83, 88}, 0.065);
  return render({{voice(Wave::Pulse, 0.5, {0.001, 0.3, 0.15, 0.12}), ring},
                 {voice(Wave::Pulse, 0.125, {0.001, 0.25, 0.0, 0.08}, 0.35), arpeggio(0.01, 0.28, {95, 100}, 0.065)}});
}

Samples foodEffect() {
  // a warm rising major arpeggio: something good to eat
  return render({{voice(Wave::Pulse, 0.25, {0.002, 0.1, 0.6, 0.12}), arpeggio(0, 0.34, {72, 76, 79, 84}, 0.06)},
                 {voice(Wave::Triangle, 0.5, {0.002, 0.1, 0.7, 0.12}, 0.7), arpeggio(0, 0.34, {60, 64, 67, 72}, 0.06)}});
}

Samples extraLifeEffect() {
  // a longer climb ending on a held high note with vibrato: one more try
  Instrument lead = voice(Wave::Pulse, 0.5, {0.002, 0.1, 0.7, 0.2});
  lead.vibratoHz = 7.0;
  lead.vibratoCents = 25.0;
  lead.vibratoDelay = 0.4;
  return render({{lead, arpeggio(0, 0.62, {67, 71, 74, 79, 83, 86, 91}, 0.055)},
                 {voice(Wave::Triangle, 0.5, {0.002, 0.1, 0.6, 0.2}, 0.6), arpeggio(0, 0.62, {55, 59, 62, 67}, 0.11)}});
}

Samples fallOutEffect() {
  // a long wobbling slide down into the depths
  Instrument wobble = voice(Wave::Pulse, 0.5, {0.003, 0.2, 0.8, 0.12});
  wobble.vibratoHz = 11.0;
  wobble.vibratoCents = 60.0;
  wobble.vibratoDelay = 0.0;
  return render({{wobble, slide(0, 0.7, 1100, 110, 0.75)},
                 {voice(Wave::Triangle, 0.5, {0.003, 0.2, 0.8, 0.12}, 0.6), slide(0, 0.7, 550, 55, 0.75)}});
}

Samples deathEffect() {
  // a sad falling phrase that slows as it sinks
  Instrument lead = voice(Wave::Pulse, 0.25, {0.002, 0.05, 0.8, 0.15});
  lead.vibratoHz = 6.0;
  lead.vibratoCents = 30.0;
  lead.vibratoDelay = 0.55;
  Note phrase = note(0, 0.78, midiToHz(71));
  phrase.steps = {{0.10, midiToHz(70)}, {0.20, midiToHz(69)}, {0.32, midiToHz(68)}, {0.48, midiToHz(63)}};
  Note low = note(0, 0.78, midiToHz(59));
  low.steps = {{0.20, midiToHz(57)}, {0.48, midiToHz(51)}};
  return render({{lead, phrase}, {voice(Wave::Triangle, 0.5, {0.002, 0.05, 0.8, 0.15}, 0.7), low}});
}

Samples hurtEffect() {
  // a dull thump with a burst of noise: the hero takes a blow
  return render({{filtered(voice(Wave::Noise, 0.5, {0.001, 0.1, 0.0, 0.03}), 2500, 400), note(0, 0.11, 12000, 7)},
                 {voice(Wave::Triangle, 0.5, {0.001, 0.12, 0.0, 0.03}), slide(0, 0.12, 200, 60, 0.12)},
                 {voice(Wave::Pulse, 0.5, {0.001, 0.05, 0.0, 0.02}, 0.35), slide(0, 0.05, 300, 120, 0.05)}});
}

Samples swordSwingEffect() {
  // air cut by the blade: noise whose colour opens up and closes again
  Instrument air = filtered(voice(Wave::Noise, 0.5, {0.05, 0.14, 0.0, 0.06}), 500, 5000);
  return render({{air, note(0, 0.2, 44100, 11)},
                 {filtered(voice(Wave::Noise, 0.5, {0.02, 0.1, 0.0, 0.04}, 0.5), 3000, 900), note(0.06, 0.12, 44100, 12)}});
}

Samples enemyHitEffect() {
  // a light metallic clang: two inharmonic tones ringing briefly over a click
  return render({{voice(Wave::Pulse, 0.5, {0.001, 0.22, 0.0, 0.05}, 0.6), note(0, 0.22, 1760)},
                 {voice(Wave::Pulse, 0.3, {0.001, 0.16, 0.0, 0.05}, 0.45), note(0, 0.16, 2637)},
                 {voice(Wave::Triangle, 0.5, {0.001, 0.25, 0.0, 0.05}, 0.5), note(0, 0.25, 1175)},
                 {voice(Wave::Noise, 0.5, {0.0005, 0.02, 0.0, 0.01}, 0.6), note(0, 0.02, 44100, 5)}});
}

Samples enemyKilledEffect() {
  // a pop and a quick fall: the enemy is gone
  return render({{filtered(voice(Wave::Noise, 0.5, {0.001, 0.2, 0.0, 0.05}), 6000, 500), note(0, 0.2, 20000, 3)},
                 {voice(Wave::Pulse, 0.5, {0.001, 0.25, 0.0, 0.04}, 0.8), slide(0, 0.25, 900, 110, 0.25)}});
}

Samples consoleEffect() {
  // the victory jingle: a triplet run up to a held chord
  Instrument lead = voice(Wave::Pulse, 0.5, {0.002, 0.08, 0.75, 0.18});
  lead.vibratoHz = 6.5;
  lead.vibratoCents = 20.0;
  lead.vibratoDelay = 0.45;
  Instrument harmony = voice(Wave::Pulse, 0.25, {0.002, 0.08, 0.6, 0.18}, 0.5);
  Instrument bass = voice(Wave::Triangle, 0.5, {0.002, 0.08, 0.8, 0.18}, 0.8);
  return render({{lead, arpeggio(0, 0.72, {72, 76, 79, 84, 79, 84, 88}, 0.07)},
                 {harmony, arpeggio(0.28, 0.44, {76, 79}, 0.14)},
                 {bass, arpeggio(0, 0.72, {48, 55, 60}, 0.21)}});
}

Samples clickEffect() {
  // a tiny crisp tick for the menus
  return render({{voice(Wave::Pulse, 0.5, {0.0005, 0.025, 0.0, 0.01}), note(0, 0.025, 1500)},
                 {voice(Wave::Noise, 0.5, {0.0005, 0.01, 0.0, 0.005}, 0.4), note(0, 0.01, 44100, 9)}});
}

Samples nameCodeEffect() {
  // a sparkling two-octave sweep up: a secret was found
  Instrument sparkle = voice(Wave::Pulse, 0.125, {0.002, 0.05, 0.7, 0.15});
  std::vector<int> run;
  for (int i = 0; i < 12; ++i) run.push_back(72 + (i % 3) * 4 + (i / 3) * 5);
  return render({{sparkle, arpeggio(0, 0.5, run, 0.04)},
                 {voice(Wave::Triangle, 0.5, {0.002, 0.05, 0.7, 0.15}, 0.6), slide(0, 0.5, 262, 1047, 0.48)}});
}

}  // namespace audio
