// The sequencer the tracks are composed with: a cursor moving bar by bar, a chord timeline,
// melodies, chord-tone patterns (bass, arpeggios, pads) and drum patterns, collected into a Score.
#pragma once

#include <string_view>

#include "drum_kit.h"
#include "notation.h"
#include "score.h"

namespace audio {

class Composer {
 public:
  Composer(double bpm, int beatsPerBar, const DrumKit& kit);

  // A track for melodies or patterns; `legato` is the part of each note's length that it is held.
  int addTrack(const Instrument& instrument, double legato = 0.9, double echoSend = 0.0);
  void setEcho(const Echo& echo) { score_.echo = echo; }

  // Chord timeline from the cursor on ("C G:2 Am:2 F"); patterns follow it.
  void chords(std::string_view symbols);
  // A melody from the cursor, shifted by `transpose` semitones.
  void melody(int track, std::string_view notes, int transpose = 0, double velocity = 1.0);
  // A chord-tone pattern over `bars` bars from the cursor, cycled with its own length. One character a
  // sixteenth: '1'..'9' the chord's tones upwards from the root nearest above `lowestMidi`, '-' holds, '.' rests.
  void pattern(int track, std::string_view steps, int lowestMidi, int bars, double velocity = 1.0);
  // Drum patterns over `bars` bars, each cycled with its own length: 'X' accent, 'x' hit, 'o' soft,
  // '.' rest; in the hat line 'O' is an open hat; in the snare line 't' and 'T' are low and high toms.
  void drums(std::string_view kick, std::string_view snare, std::string_view hat, int bars);
  void advance(int bars) { cursor_ += bars * stepsPerBar_; }

  double stepSeconds() const { return 15.0 / bpm_; }
  int stepsPerBar() const { return stepsPerBar_; }
  // The piece up to the cursor. A loop shortens the last notes so that they have died away at its end.
  Score finish(bool loops);

 private:
  const Chord& chordAt(int step) const;
  void add(int track, int step, int steps, double hz, double velocity, double legato);
  void addDrum(int which, int step, double velocity);

  double bpm_;
  int stepsPerBar_;
  std::vector<Drum> drums_;  // kick, kick click, snare, snare body, hat, open hat, low tom, high tom
  int firstDrumTrack_ = 0;
  int cursor_ = 0;
  std::vector<std::pair<int, Chord>> chordStarts_;  // step, chord
  std::vector<double> legato_;
  std::uint32_t nextSeed_ = 1;
  Score score_;
};

}  // namespace audio
