// Parsing of the track notation. Errors throw with the offending token so a typo in a track
// stops the build with a clear message instead of a wrong note.
#include "notation.h"

#include <cctype>
#include <stdexcept>
#include <string>

namespace audio {

namespace {

std::vector<std::string_view> tokens(std::string_view text) {
  std::vector<std::string_view> out;
  std::size_t at = 0;
  while (at < text.size()) {
    while (at < text.size() && (std::isspace(static_cast<unsigned char>(text[at])) || text[at] == '|')) ++at;
    std::size_t end = at;
    while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end])) && text[end] != '|') ++end;
    if (end > at) out.push_back(text.substr(at, end - at));
    at = end;
  }
  return out;
}

[[noreturn]] void bad(std::string_view what, std::string_view token) {
  throw std::invalid_argument(std::string(what) + " '" + std::string(token) + "'");
}

int pitchClass(char letter) {
  switch (std::tolower(static_cast<unsigned char>(letter))) {
    case 'c': return 0;
    case 'd': return 2;
    case 'e': return 4;
    case 'f': return 5;
    case 'g': return 7;
    case 'a': return 9;
    case 'b': return 11;
    default: return -1;
  }
}

// Reads "<letter>[#|b]" from the front of `text`; returns the pitch class and how many characters it used.
std::pair<int, std::size_t> readNoteName(std::string_view text) {
  if (text.empty() || pitchClass(text[0]) < 0) return {-1, 0};
  int pc = pitchClass(text[0]);
  std::size_t used = 1;
  if (text.size() > 1 && text[1] == '#') { ++pc; ++used; }
  else if (text.size() > 1 && text[1] == 'b') { --pc; ++used; }  // nothing after a letter starts with 'b'
  return {(pc + 12) % 12, used};
}

int readLength(std::string_view token, std::size_t colon) {
  const std::string digits(token.substr(colon + 1));
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) bad("bad length in", token);
  const int value = std::stoi(digits);
  if (value <= 0) bad("zero length in", token);
  return value;
}

}  // namespace

int parsePitch(std::string_view text) {
  const auto [pc, used] = readNoteName(text);
  if (pc < 0 || used >= text.size()) bad("bad pitch", text);
  const std::string octave(text.substr(used));
  if (octave.find_first_not_of("0123456789") != std::string::npos) bad("bad pitch", text);
  // pitch class taken before wrapping so that "cb4" and "b#4" land in the right octave
  const int letterPc = pitchClass(text[0]);
  int shift = 0;
  if (used == 2) shift = text[1] == '#' ? 1 : -1;
  return (std::stoi(octave) + 1) * 12 + letterPc + shift;
}

std::vector<MelodyNote> parseMelody(std::string_view text) {
  std::vector<MelodyNote> notes;
  int steps = 2;
  for (const std::string_view token : tokens(text)) {
    const std::size_t colon = token.find(':');
    if (colon != std::string_view::npos) steps = readLength(token, colon);
    const std::string_view name = token.substr(0, colon);
    notes.push_back({name == "r" ? -1 : parsePitch(name), steps});
  }
  return notes;
}

Chord parseChord(std::string_view symbol) {
  const auto [root, used] = readNoteName(symbol);
  if (root < 0) bad("bad chord", symbol);
  const std::string_view quality = symbol.substr(used);
  Chord chord{root, {}};
  if (quality == "") chord.tones = {0, 4, 7};
  else if (quality == "m") chord.tones = {0, 3, 7};
  else if (quality == "7") chord.tones = {0, 4, 7, 10};
  else if (quality == "m7") chord.tones = {0, 3, 7, 10};
  else if (quality == "maj7") chord.tones = {0, 4, 7, 11};
  else if (quality == "dim") chord.tones = {0, 3, 6};
  else if (quality == "sus4") chord.tones = {0, 5, 7};
  else if (quality == "sus2") chord.tones = {0, 2, 7};
  else if (quality == "6") chord.tones = {0, 4, 7, 9};
  else if (quality == "5") chord.tones = {0, 7};
  else bad("unknown chord quality in", symbol);
  return chord;
}

std::vector<TimedChord> parseChords(std::string_view text, int beatsPerBar) {
  std::vector<TimedChord> chords;
  for (const std::string_view token : tokens(text)) {
    const std::size_t colon = token.find(':');
    const int beats = colon == std::string_view::npos ? beatsPerBar : readLength(token, colon);
    chords.push_back({parseChord(token.substr(0, colon)), beats});
  }
  return chords;
}

}  // namespace audio
