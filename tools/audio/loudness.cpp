// K-weighted gated loudness after the broadcast loudness recommendation (mono, channel weight 1),
// and a loudness normaliser with a memoryless soft limiter (memoryless, so loops stay seamless).
#include "loudness.h"

#include <algorithm>
#include <cmath>

namespace audio {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Biquad {
  double b0, b1, b2, a1, a2;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  double run(double x) {
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1; x1 = x; y2 = y1; y1 = y;
    return y;
  }
};

// The two K-weighting stages (a high shelf for the head, a high pass) designed for our sample rate.
Biquad headShelf() {
  const double k = std::tan(kPi * 1681.974450955533 / kSampleRate);
  const double q = 0.7071752369554196;
  const double vh = std::pow(10.0, 3.999843853973347 / 20.0);
  const double vb = std::pow(vh, 0.4996667741545416);
  const double a0 = 1.0 + k / q + k * k;
  return {(vh + vb * k / q + k * k) / a0, 2.0 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
          2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0};
}

Biquad lowCut() {
  const double k = std::tan(kPi * 38.13547087602444 / kSampleRate);
  const double q = 0.5003270373238773;
  const double a0 = 1.0 + k / q + k * k;
  return {1.0, -2.0, 1.0, 2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0};
}

double blockLoudness(double meanSquare) { return -0.691 + 10.0 * std::log10(std::max(meanSquare, 1e-12)); }

std::vector<double> blockPowers(const Samples& samples) {
  Biquad shelf = headShelf();
  Biquad cut = lowCut();
  std::vector<double> squared(samples.size());
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double weighted = cut.run(shelf.run(samples[i]));
    squared[i] = weighted * weighted;
  }
  const std::size_t block = kSampleRate * 4 / 10;
  const std::size_t hop = kSampleRate / 10;
  std::vector<double> powers;
  if (squared.empty()) return powers;
  const std::size_t length = std::min(block, squared.size());
  for (std::size_t begin = 0; begin + length <= squared.size(); begin += hop) {
    double sum = 0.0;
    for (std::size_t i = begin; i < begin + length; ++i) sum += squared[i];
    powers.push_back(sum / static_cast<double>(length));
    if (length < block) break;
  }
  return powers;
}

double gatedMean(const std::vector<double>& powers, double gateLufs) {
  double sum = 0.0;
  int count = 0;
  for (const double power : powers) {
    if (blockLoudness(power) > gateLufs) {
      sum += power;
      ++count;
    }
  }
  return count ? sum / count : 0.0;
}

float softLimit(float x) {
  constexpr double knee = kPeakCeiling * 0.75;
  const double magnitude = std::fabs(x);
  if (magnitude <= knee) return x;
  const double room = kPeakCeiling - knee;
  const double limited = knee + room * std::tanh((magnitude - knee) / room);
  return static_cast<float>(x < 0 ? -limited : limited);
}

}  // namespace

double integratedLoudness(const Samples& samples) {
  const std::vector<double> powers = blockPowers(samples);
  const double ungated = gatedMean(powers, -70.0);
  if (ungated <= 0.0) return -70.0;
  const double gated = gatedMean(powers, blockLoudness(ungated) - 10.0);
  return blockLoudness(gated);
}

double peakLevel(const Samples& samples) {
  double peak = 0.0;
  for (const float sample : samples) peak = std::max(peak, static_cast<double>(std::fabs(sample)));
  return peak;
}

void master(Samples& samples, double targetLufs) {
  const Samples dry = samples;
  double gain = 1.0;
  // limiting lowers the loudness a little, so measure again and correct a few times
  for (int pass = 0; pass < 4; ++pass) {
    for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = softLimit(static_cast<float>(dry[i] * gain));
    const double measured = integratedLoudness(samples);
    if (measured <= -70.0) return;
    const double error = targetLufs - measured;
    if (std::fabs(error) < 0.05) return;
    gain *= std::pow(10.0, error / 20.0);
  }
}

}  // namespace audio
