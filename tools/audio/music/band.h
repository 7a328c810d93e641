// The band every track plays with: lead, echo of the lead, harmony, arpeggio, bass and drums, and the
// section, the unit the tracks are built from (chords, melody, patterns and drums for a few bars).
#pragma once

#include <string>
#include <string_view>

#include "composer.h"

namespace audio {

struct BandSound {
  Instrument lead, harmony, arp, bass;
  double leadLegato = 0.88, harmonyLegato = 0.95, arpLegato = 0.5, bassLegato = 0.8;
  double leadEcho = 0.0;  // how much of the lead feeds the echo bus
  double arpEcho = 0.0;   // how much of the arpeggio feeds it
};

struct Band {
  int lead, leadEcho, harmony, arp, bass;
};

struct Section {
  int bars = 8;
  std::string_view chords;
  std::string_view melody;    // may be empty
  std::string_view harmony;   // a second melody, may be empty
  std::string_view arp;       // chord-tone pattern, may be empty
  std::string_view arp2;      // a second pattern on the arpeggio voice (chord stabs), may be empty
  std::string_view bass;      // chord-tone pattern, may be empty
  std::string_view kick, snare, hat;  // drum patterns, may be empty
  std::string_view fillKick, fillSnare, fillHat;  // the last bar's drums when given
  int melodyTranspose = 0;
  int echoDelaySteps = 0;     // the lead's quiet echo copy, that many sixteenths late (0: none)
  int arpLow = 62, bassLow = 36;
  double arpVelocity = 1.0;
};

Instrument pulseVoice(double duty, Envelope envelope, double gain, double vibratoCents = 0.0);
Instrument triangleVoice(Envelope envelope, double gain);

Band formBand(Composer& composer, const BandSound& sound);
void play(Composer& composer, const Band& band, const Section& section);

}  // namespace audio
