// Chiptune voices: band-limited pulse, triangle and seeded noise oscillators, and the note envelope.
// Every voice is a pure function of its settings and seed, so the same song always renders the same samples.
#pragma once

#include <cstdint>

namespace audio {

constexpr int kSampleRate = 44100;

enum class Wave { Pulse, Triangle, Noise };

// Attack, decay to a sustain level, release after the gate closes (seconds; sustain 0..1).
struct Envelope {
  double attack = 0.005;
  double decay = 0.1;
  double sustain = 0.7;
  double release = 0.05;

  double level(double t, double gate) const;
  double length(double gate) const { return gate + release; }
};

class Oscillator {
 public:
  Oscillator(Wave wave, double duty, std::uint32_t seed);
  // One sample at the given pitch; for noise the pitch is the rate at which new random values are drawn.
  float next(double frequencyHz);

 private:
  float pulse(double increment);
  float triangle() const;
  float noise(double increment);

  Wave wave_;
  double duty_;
  double phase_ = 0.0;
  std::uint32_t noiseState_;
  float noiseHeld_ = 0.0f;
};

}  // namespace audio
