// Loudness of a rendered sound (K-weighted, gated, in LUFS) and the mastering that brings a sound to its target
// loudness without letting any sample reach full scale.
#pragma once

#include "voice.h"

namespace audio {

constexpr double kMusicLufs = -18.0;
constexpr double kEffectLufs = -14.0;
constexpr double kPeakCeiling = 0.84;  // about -1.5 dBFS: room for the MP3 encoder's ringing

// Integrated loudness: 400 ms blocks (the whole sound when shorter), absolute gate -70 LUFS,
// relative gate -10 LU. Silence gives -70.
double integratedLoudness(const Samples& samples);

double peakLevel(const Samples& samples);

// Scales the sound to `targetLufs`, rounding off the rare peaks above the ceiling with a soft knee.
void master(Samples& samples, double targetLufs);

}  // namespace audio
