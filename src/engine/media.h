// Media players: one decoded sound on one mixer channel each, so many can sound at once.
// A file is decoded when loaded, never when played; a player without media does nothing.
#pragma once
#include <memory>
#include <string>

namespace eng {

enum class MediaState { None, Playing, Stopped };

class MediaPlayer {
public:
    MediaPlayer();
    ~MediaPlayer();
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    // Decode the file now. Returns false (and keeps the previous media) when it is missing or unreadable.
    bool load(const std::string& path);
    const std::string& fileName() const { return fileName_; }
    bool hasMedia() const;

    void play();                 // from the current position (the start after load or stop)
    void stop();                 // halt and rewind
    MediaState state() const;    // None without media; Playing while sounding; Stopped otherwise
    void setVolume(float v);     // 0..1
    float volume() const { return volume_; }
    void setCurrentTime(double seconds);  // only 0 is supported exactly (rewind)
    double duration() const;     // seconds, 0 without media

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::string fileName_;
    float volume_ = 1;
};

// Opens the audio device once (SDL_mixer); without a device every player is silent but keeps its state.
class AudioSystem {
public:
    static bool open();          // idempotent; false when no audio device could be opened
    static void close();
    static bool isOpen();
};

}  // namespace eng
// Note: without an open device (headless runs, tests) a player keeps a purely logical state:
// play() makes it Playing until stop(), so runs stay deterministic.
