// The drums of a chiptune band: a triangle kick that drops in pitch, noise snares and hats, triangle toms.
// Each drum is an instrument plus the shape of its note (length, pitch and slide).
#pragma once

#include "voice.h"

namespace audio {

struct Drum {
  Instrument instrument;
  Note shape;  // start is ignored; gate, pitch, slide and velocity are used
};

struct DrumKit {
  Drum kick, kickClick, snare, snareBody, hat, openHat, lowTom, highTom;
  double level = 1.0;
};

// The standard kit; `brightness` (0..1) opens the noise up, `level` scales the whole kit.
DrumKit chipKit(double brightness = 0.6, double level = 1.0);

}  // namespace audio
