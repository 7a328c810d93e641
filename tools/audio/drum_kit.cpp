// The chiptune drum kit. Kick and toms are triangle notes sliding down; snare and hats are noise drawn at
// different rates and smoothed, which is what gives them their pitch.
#include "drum_kit.h"

namespace audio {

namespace {

Drum drum(Wave wave, double gate, double hz, double glideToHz, double glideTime, Envelope envelope,
          double gain, double lowpassHz = 0.0) {
  Drum made;
  made.instrument.wave = wave;
  made.instrument.envelope = envelope;
  made.instrument.gain = gain;
  made.instrument.lowpassHz = lowpassHz;
  made.shape.gate = gate;
  made.shape.hz = hz;
  made.shape.glideToHz = glideToHz;
  made.shape.glideTime = glideTime;
  return made;
}

}  // namespace

DrumKit chipKit(double brightness, double level) {
  DrumKit kit;
  kit.level = level;
  kit.kick = drum(Wave::Triangle, 0.09, 160.0, 42.0, 0.09, {0.001, 0.12, 0.0, 0.03}, 1.0);
  kit.kickClick = drum(Wave::Noise, 0.008, 9000.0, 0, 0, {0.0005, 0.01, 0.0, 0.005}, 0.25, 3000.0);
  kit.snare = drum(Wave::Noise, 0.1, 30000.0 * (0.5 + brightness), 0, 0, {0.001, 0.13, 0.0, 0.04}, 0.55,
                   3000.0 + 7000.0 * brightness);
  kit.snareBody = drum(Wave::Triangle, 0.05, 220.0, 140.0, 0.05, {0.001, 0.06, 0.0, 0.02}, 0.5);
  kit.hat = drum(Wave::Noise, 0.02, 44100.0, 0, 0, {0.0005, 0.03, 0.0, 0.01}, 0.16 + 0.08 * brightness);
  kit.openHat = drum(Wave::Noise, 0.12, 44100.0, 0, 0, {0.001, 0.18, 0.0, 0.05}, 0.13 + 0.06 * brightness);
  kit.lowTom = drum(Wave::Triangle, 0.14, 130.0, 70.0, 0.14, {0.001, 0.16, 0.0, 0.04}, 0.8);
  kit.highTom = drum(Wave::Triangle, 0.12, 200.0, 110.0, 0.12, {0.001, 0.14, 0.0, 0.04}, 0.75);
  return kit;
}

}  // namespace audio
