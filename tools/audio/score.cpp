// Mixes a score: each track's notes, the echo bus, then the loudness mastering.
// Loops are mixed into a circular buffer, and the echo runs twice round it, so the end flows into the start.
#include "score.h"

#include <algorithm>
#include <cmath>

#include "loudness.h"

namespace audio {

namespace {

void addEcho(Samples& mix, const Samples& send, const Echo& echo, bool loops) {
  const std::size_t delay = static_cast<std::size_t>(std::lround(echo.delay * kSampleRate));
  if (delay == 0 || send.empty()) return;
  const std::size_t size = send.size();
  Samples line(size, 0.0f);
  // a circular loop needs two turns so that the first samples hear the echo of the last ones
  const int turns = loops ? 2 : 1;
  for (int turn = 0; turn < turns; ++turn) {
    for (std::size_t i = 0; i < size; ++i) {
      float previous = 0.0f;
      if (i >= delay) previous = line[i - delay];
      else if (loops && delay <= size) previous = line[size - delay + i];
      line[i] = send[i] + static_cast<float>(echo.feedback) * previous;
    }
  }
  for (std::size_t i = 0; i < size; ++i) {
    float delayed = 0.0f;
    if (i >= delay) delayed = line[i - delay];
    else if (loops && delay <= size) delayed = line[size - delay + i];
    mix[i] += static_cast<float>(echo.level) * delayed;
  }
}

}  // namespace

Samples renderScore(const Score& score) {
  const std::size_t length = static_cast<std::size_t>(std::lround(score.length * kSampleRate));
  Samples mix(length, 0.0f);
  Samples send(length, 0.0f);
  for (std::size_t track = 0; track < score.tracks.size(); ++track) {
    Samples voice(length, 0.0f);
    for (const ScoredNote& scored : score.notes) {
      if (scored.track == static_cast<int>(track)) mixNote(voice, score.tracks[track].instrument, scored.note, score.loops);
    }
    if (voice.size() > mix.size()) {
      mix.resize(voice.size(), 0.0f);
      send.resize(voice.size(), 0.0f);
    }
    const float sendLevel = static_cast<float>(score.tracks[track].echoSend);
    for (std::size_t i = 0; i < voice.size(); ++i) {
      mix[i] += voice[i];
      send[i] += voice[i] * sendLevel;
    }
  }
  if (!score.loops && score.echo.delay > 0.0) {
    // room for the echo to die away after the last note of a one-shot piece
    const std::size_t tail = static_cast<std::size_t>(score.echo.delay * kSampleRate * 4);
    mix.resize(mix.size() + tail, 0.0f);
    send.resize(send.size() + tail, 0.0f);
  }
  addEcho(mix, send, score.echo, score.loops);
  master(mix, kMusicLufs);
  return mix;
}

}  // namespace audio
