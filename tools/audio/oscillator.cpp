// Chiptune oscillators and the envelope. The pulse edges are smoothed with PolyBLEP so that
// high notes stay clean at 44.1 kHz; the noise is a seeded xorshift held for one "period" like an old sound chip.
#include "oscillator.h"

#include <algorithm>
#include <cmath>

namespace audio {

double Envelope::level(double t, double gate) const {
  const auto held = [this](double at) {
    if (at < attack) return at / attack;
    const double sinceAttack = at - attack;
    if (sinceAttack < decay) {
      // a smooth (cosine) fall from full level to the sustain level
      const double x = sinceAttack / decay;
      return sustain + (1.0 - sustain) * 0.5 * (1.0 + std::cos(x * 3.14159265358979));
    }
    return sustain;
  };
  if (t < 0.0) return 0.0;
  if (t < gate) return held(t);
  if (release <= 0.0) return 0.0;
  const double afterGate = t - gate;
  if (afterGate >= release) return 0.0;
  const double x = afterGate / release;
  return held(gate) * (1.0 - x) * (1.0 - x);
}

namespace {

// Polynomial band-limited step: the correction near a discontinuity at phase 0.
double polyBlep(double phase, double increment) {
  if (phase < increment) {
    const double t = phase / increment;
    return t + t - t * t - 1.0;
  }
  if (phase > 1.0 - increment) {
    const double t = (phase - 1.0) / increment;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}

}  // namespace

Oscillator::Oscillator(Wave wave, double duty, std::uint32_t seed)
    : wave_(wave), duty_(std::clamp(duty, 0.05, 0.95)), noiseState_(seed ? seed : 0x9E3779B9u) {}

float Oscillator::pulse(double increment) {
  double value = phase_ < duty_ ? 1.0 : -1.0;
  value += polyBlep(phase_, increment);
  double fallPhase = phase_ - duty_;
  if (fallPhase < 0.0) fallPhase += 1.0;
  value -= polyBlep(fallPhase, increment);
  // remove the DC offset of narrow pulses so envelopes start and end at silence
  return static_cast<float>(value - (2.0 * duty_ - 1.0));
}

float Oscillator::triangle() const {
  return static_cast<float>(phase_ < 0.5 ? 4.0 * phase_ - 1.0 : 3.0 - 4.0 * phase_);
}

float Oscillator::noise(double increment) {
  if (phase_ + increment >= 1.0 || increment >= 1.0) {
    noiseState_ ^= noiseState_ << 13;
    noiseState_ ^= noiseState_ >> 17;
    noiseState_ ^= noiseState_ << 5;
    noiseHeld_ = static_cast<float>(noiseState_ >> 8) / static_cast<float>(1u << 23) - 1.0f;
  }
  return noiseHeld_;
}

float Oscillator::next(double frequencyHz) {
  const double increment = std::min(frequencyHz / kSampleRate, 1.0);
  float value = 0.0f;
  switch (wave_) {
    case Wave::Pulse: value = pulse(increment); break;
    case Wave::Triangle: value = triangle(); break;
    case Wave::Noise: value = noise(increment); break;
  }
  phase_ += increment;
  if (phase_ >= 1.0) phase_ -= std::floor(phase_);
  return value;
}

}  // namespace audio
