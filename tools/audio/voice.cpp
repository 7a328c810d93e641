// Renders one note of an instrument into a buffer: pitch (slides, steps, vibrato), envelope, colour.
// Pitch and filter are computed per sample, so slides are smooth and the result never depends on block sizes.
#include "voice.h"

#include <cmath>

namespace audio {

double midiToHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

namespace {

double pitchAt(const Note& note, const Instrument& instrument, double t) {
  double hz = note.hz;
  for (const PitchStep& step : note.steps) {
    if (t >= step.at) hz = step.hz;
  }
  if (note.glideToHz > 0.0 && note.glideTime > 0.0) {
    const double x = std::min(t / note.glideTime, 1.0);
    hz = note.hz * std::pow(note.glideToHz / note.hz, x);
  }
  if (instrument.vibratoCents > 0.0 && t > instrument.vibratoDelay) {
    const double depth = std::min((t - instrument.vibratoDelay) / 0.2, 1.0) * instrument.vibratoCents;
    const double wobble = std::sin(2.0 * 3.14159265358979 * instrument.vibratoHz * (t - instrument.vibratoDelay));
    hz *= std::pow(2.0, depth * wobble / 1200.0);
  }
  return hz;
}

double smoothingCoefficient(double cutoffHz) {
  return 1.0 - std::exp(-2.0 * 3.14159265358979 * cutoffHz / kSampleRate);
}

}  // namespace

void mixNote(Samples& out, const Instrument& instrument, const Note& note, bool wrap) {
  const long first = std::lround(note.start * kSampleRate);
  const long count = std::lround(instrument.envelope.length(note.gate) * kSampleRate);
  if (wrap && out.empty()) return;
  if (!wrap && static_cast<long>(out.size()) < first + count) out.resize(first + count, 0.0f);
  Oscillator oscillator(instrument.wave, instrument.duty, note.seed);
  const double gain = instrument.gain * note.velocity;
  double smoothed = 0.0;
  for (long i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    double value = oscillator.next(pitchAt(note, instrument, t)) * instrument.envelope.level(t, note.gate);
    if (instrument.lowpassHz > 0.0) {
      double cutoff = instrument.lowpassHz;
      if (instrument.lowpassEndHz > 0.0) {
        const double x = std::min(t / std::max(note.gate, 1e-3), 1.0);
        cutoff = instrument.lowpassHz * std::pow(instrument.lowpassEndHz / instrument.lowpassHz, x);
      }
      smoothed += smoothingCoefficient(cutoff) * (value - smoothed);
      value = smoothed;
    }
    long index = first + i;
    if (wrap) index %= static_cast<long>(out.size());
    out[index] += static_cast<float>(value * gain);
  }
}

}  // namespace audio
