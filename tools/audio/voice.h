// One sounding note: an instrument (wave, envelope, colour) played at a time, pitch and strength.
// Notes are mixed into a sample buffer; a looping buffer wraps their tails around to its start.
#pragma once

#include <cstdint>
#include <vector>

#include "oscillator.h"

namespace audio {

using Samples = std::vector<float>;

struct Instrument {
  Wave wave = Wave::Pulse;
  double duty = 0.5;
  Envelope envelope;
  double gain = 1.0;
  double vibratoHz = 0.0;     // pitch wobble of held notes
  double vibratoCents = 0.0;
  double vibratoDelay = 0.15; // seconds before the wobble starts
  double lowpassHz = 0.0;     // one-pole smoothing of the output (0: none)
  double lowpassEndHz = 0.0;  // the smoothing sweeps to this over the gate (0: stays)
};

struct PitchStep {
  double at;  // seconds after the note start
  double hz;
};

struct Note {
  double start = 0.0;    // seconds
  double gate = 0.1;     // seconds the note is held
  double hz = 440.0;
  double velocity = 1.0;
  double glideToHz = 0.0;  // exponential slide target (0: none)
  double glideTime = 0.0;  // seconds of the slide
  std::vector<PitchStep> steps;  // sudden pitch changes (arpeggios of effects)
  std::uint32_t seed = 1;
};

// Adds the note to `out`. With `wrap` set, samples past the end fold back to the start (a seamless loop);
// otherwise the buffer grows to hold the whole note.
void mixNote(Samples& out, const Instrument& instrument, const Note& note, bool wrap);

double midiToHz(double midi);

}  // namespace audio
