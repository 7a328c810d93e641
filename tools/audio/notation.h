// The little text notation the tracks are written in: pitches ("c#5"), melodies ("e5:2 g5 r:4"),
// chord symbols ("Am7") and chord timelines ("C G:2 Am:2 F", lengths in beats).
#pragma once

#include <string_view>
#include <vector>

namespace audio {

struct Chord {
  int root = 0;            // pitch class, 0 = C
  std::vector<int> tones;  // semitones above the root, the root first
};

struct MelodyNote {
  int midi = -1;  // -1: a rest
  int steps = 2;  // length in sixteenths
};

struct TimedChord {
  Chord chord;
  int beats = 4;
};

// MIDI number of a pitch such as "c5", "f#3" or "bb4"; throws std::invalid_argument on anything else.
int parsePitch(std::string_view text);
// Tokens "<pitch>:<sixteenths>" or "r:<sixteenths>"; a token without a length keeps the previous length.
std::vector<MelodyNote> parseMelody(std::string_view text);
Chord parseChord(std::string_view symbol);
// Tokens "<chord>[:<beats>]"; a chord without a length lasts `beatsPerBar`.
std::vector<TimedChord> parseChords(std::string_view text, int beatsPerBar);

}  // namespace audio
