// Replays: the input events of a run with the game tick each arrived on, as plain text lines.
// "<tick> down <key>", "<tick> up <key>", "<tick> click <x> <y>"; blank lines and "#" comments ignored.
#pragma once
#include <cstdint>
#include <fstream>
#include <istream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

struct ReplayEvent {
    enum class Kind { Down, Up, Click };
    std::int64_t tick = 0;   // game ticks from the first frame of the level
    Kind kind = Kind::Down;
    std::string keyName;     // SDL's key name ("Right", "Space", "A") for Down and Up
    float x = 0, y = 0;      // window pixels for Click
    bool operator==(const ReplayEvent&) const = default;
};

// A replay line that cannot be read; the message names the source and the line.
class ReplayError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a whole replay. Events keep their file order; ticks must never go backwards.
// Throws ReplayError naming `sourceName` and the 1-based line number of the first bad line.
std::vector<ReplayEvent> lireReplay(std::istream& in, const std::string& sourceName);
std::vector<ReplayEvent> lireReplayFichier(const std::string& path);

// One event as the line a replay file holds (without the line end).
std::string formaterEvenementReplay(const ReplayEvent& event);

// Hands the events of each tick over in order: call prendreTick(k) once per tick, k rising.
class ReplayPlayer {
public:
    explicit ReplayPlayer(std::vector<ReplayEvent> events) : events_(std::move(events)) {}
    std::vector<ReplayEvent> prendreTick(std::int64_t tick);
    bool termine() const { return next_ >= events_.size(); }
    std::int64_t dernierTick() const { return events_.empty() ? 0 : events_.back().tick; }
private:
    std::vector<ReplayEvent> events_;
    size_t next_ = 0;
};

// Writes every event as it arrives, flushed line by line so a crash keeps what was played.
class ReplayRecorder {
public:
    explicit ReplayRecorder(const std::string& path);  // throws ReplayError when it cannot be created
    void enregistrer(const ReplayEvent& event);
private:
    std::ofstream out_;
};
