// The sequencer: turns chord timelines, melodies and patterns written in the track notation into notes.
// Time is counted in sixteenths from the start; each note gets its own noise seed in writing order.
#include "composer.h"

#include <algorithm>
#include <stdexcept>

namespace audio {

namespace {

enum DrumIndex { kKick, kKickClick, kSnare, kSnareBody, kHat, kOpenHat, kLowTom, kHighTom };

std::string compact(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c != ' ' && c != '|') out.push_back(c);
  }
  return out;
}

double drumVelocity(char mark) {
  switch (mark) {
    case 'X': case 'O': case 'T': return 1.0;
    case 'x': case 't': return 0.75;
    case 'o': return 0.45;
    default: return 0.0;
  }
}

}  // namespace

Composer::Composer(double bpm, int beatsPerBar, const DrumKit& kit)
    : bpm_(bpm), stepsPerBar_(beatsPerBar * 4) {
  drums_ = {kit.kick, kit.kickClick, kit.snare, kit.snareBody, kit.hat, kit.openHat, kit.lowTom, kit.highTom};
  firstDrumTrack_ = static_cast<int>(score_.tracks.size());
  for (Drum& drum : drums_) {
    drum.instrument.gain *= kit.level;
    addTrack(drum.instrument, 1.0);
  }
}

int Composer::addTrack(const Instrument& instrument, double legato, double echoSend) {
  score_.tracks.push_back({instrument, echoSend});
  legato_.push_back(legato);
  return static_cast<int>(score_.tracks.size()) - 1;
}

void Composer::chords(std::string_view symbols) {
  int step = cursor_;
  for (const TimedChord& timed : parseChords(symbols, stepsPerBar_ / 4)) {
    chordStarts_.emplace_back(step, timed.chord);
    step += timed.beats * 4;
  }
}

const Chord& Composer::chordAt(int step) const {
  const std::pair<int, Chord>* found = nullptr;
  for (const auto& start : chordStarts_) {
    if (start.first <= step) found = &start;
  }
  if (!found) throw std::logic_error("a pattern was written before any chord");
  return found->second;
}

void Composer::add(int track, int step, int steps, double hz, double velocity, double legato) {
  Note note;
  note.start = step * stepSeconds();
  note.gate = steps * stepSeconds() * legato;
  note.hz = hz;
  note.velocity = velocity;
  note.seed = nextSeed_++;
  score_.notes.push_back({track, note});
}

void Composer::melody(int track, std::string_view notes, int transpose, double velocity) {
  int step = cursor_;
  for (const MelodyNote& note : parseMelody(notes)) {
    if (note.midi >= 0) add(track, step, note.steps, midiToHz(note.midi + transpose), velocity, legato_[track]);
    step += note.steps;
  }
}

void Composer::pattern(int track, std::string_view steps, int lowestMidi, int bars, double velocity) {
  const std::string marks = compact(steps);
  if (marks.empty()) return;
  const int total = bars * stepsPerBar_;
  for (int i = 0; i < total; ++i) {
    const char mark = marks[i % marks.size()];
    if (mark < '1' || mark > '9') continue;
    int held = 1;
    while (i + held < total && marks[(i + held) % marks.size()] == '-') ++held;
    const Chord& chord = chordAt(cursor_ + i);
    const int index = mark - '1';
    const int size = static_cast<int>(chord.tones.size());
    const int root = lowestMidi + ((chord.root - lowestMidi) % 12 + 12) % 12;
    const int midi = root + chord.tones[index % size] + 12 * (index / size);
    // the first beat of each bar a little stronger, as a player would
    const double accent = (i % stepsPerBar_ == 0) ? 1.0 : 0.85;
    add(track, cursor_ + i, held, midiToHz(midi), velocity * accent, legato_[track]);
  }
}

void Composer::addDrum(int which, int step, double velocity) {
  Note note = drums_[which].shape;
  note.start = step * stepSeconds();
  note.velocity = velocity;
  note.seed = nextSeed_++;
  score_.notes.push_back({firstDrumTrack_ + which, note});
}

void Composer::drums(std::string_view kick, std::string_view snare, std::string_view hat, int bars) {
  const std::string kicks = compact(kick), snares = compact(snare), hats = compact(hat);
  const int total = bars * stepsPerBar_;
  for (int i = 0; i < total; ++i) {
    const int step = cursor_ + i;
    if (!kicks.empty()) {
      if (const double v = drumVelocity(kicks[i % kicks.size()]); v > 0) {
        addDrum(kKick, step, v);
        addDrum(kKickClick, step, v);
      }
    }
    if (!snares.empty()) {
      const char mark = snares[i % snares.size()];
      if (mark == 't' || mark == 'T') addDrum(mark == 't' ? kLowTom : kHighTom, step, 0.9);
      else if (const double v = drumVelocity(mark); v > 0) {
        addDrum(kSnare, step, v);
        addDrum(kSnareBody, step, v);
      }
    }
    if (!hats.empty()) {
      const char mark = hats[i % hats.size()];
      if (const double v = drumVelocity(mark); v > 0) addDrum(mark == 'O' ? kOpenHat : kHat, step, v);
    }
  }
}

Score Composer::finish(bool loops) {
  Score score = score_;
  score.length = cursor_ * stepSeconds();
  score.loops = loops;
  if (loops) {
    for (ScoredNote& scored : score.notes) {
      const double release = score.tracks[scored.track].instrument.envelope.release;
      const double room = score.length - scored.note.start - release;
      scored.note.gate = std::clamp(room, 0.01, std::max(scored.note.gate, 0.01));
    }
  }
  return score;
}

}  // namespace audio
