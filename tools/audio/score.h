// A finished piece: its instruments (tracks), every note, its length and whether it loops,
// and the rendering of it into mastered samples.
#pragma once

#include <vector>

#include "voice.h"

namespace audio {

struct Track {
  Instrument instrument;
  double echoSend = 0.0;  // how much of the track feeds the echo
};

struct ScoredNote {
  int track = 0;
  Note note;
};

struct Echo {
  double delay = 0.0;  // seconds (0: no echo)
  double feedback = 0.0;
  double level = 0.0;
};

struct Score {
  std::vector<Track> tracks;
  std::vector<ScoredNote> notes;
  double length = 0.0;  // seconds; a loop is exactly this long
  bool loops = true;
  Echo echo;
};

// Renders and masters the score at the music loudness. A loop comes out exactly `length` long and
// continues seamlessly from its last sample into its first; a one-shot piece keeps its notes' tails.
Samples renderScore(const Score& score);

}  // namespace audio
