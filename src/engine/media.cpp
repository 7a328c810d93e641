// Media players on SDL_mixer: each player decodes its file into a chunk when loaded and owns one
// mixer channel. Without an audible device the players keep a logical state, so headless runs stay exact.
#include "media.h"
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>
#include "sdl_handles.h"

namespace eng {
namespace {

constexpr int mixRate = 44100, mixChannels = 2, bytesPerSample = 2;

enum class MixerMode { Closed, Decoding, Audible };

struct MixerState {
    MixerMode mode = MixerMode::Closed;
    bool ownsAudioSubsystem = false;
    std::vector<bool> channelInUse;
};

MixerState& mixer() {
    static MixerState state;
    return state;
}

bool audible() { return mixer().mode == MixerMode::Audible; }

void allocateChannels() {
    if (mixer().mode != MixerMode::Closed) Mix_AllocateChannels(std::max<int>(static_cast<int>(mixer().channelInUse.size()), 1));
}

// The format is fixed (SDL converts for the device), so chunks decoded for one device play on the next.
bool openDevice() {
    if (SDL_WasInit(SDL_INIT_AUDIO) == 0) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        mixer().ownsAudioSubsystem = true;
    }
    return Mix_OpenAudioDevice(mixRate, AUDIO_S16SYS, mixChannels, 1024, nullptr, 0) == 0;
}

void closeDevice() {
    if (mixer().mode == MixerMode::Closed) return;
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    if (mixer().ownsAudioSubsystem) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    mixer().ownsAudioSubsystem = false;
    mixer().mode = MixerMode::Closed;
}

bool silentDriver() {
    const char* driver = SDL_GetCurrentAudioDriver();
    return !driver || std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "disk") == 0;
}

// Decoding needs an open mixer: without one, open it on SDL's silent driver.
bool ensureDecoder() {
    if (mixer().mode != MixerMode::Closed) return true;
    if (SDL_WasInit(SDL_INIT_AUDIO) == 0) SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    const bool opened = openDevice();
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    if (!opened) return false;
    mixer().mode = MixerMode::Decoding;
    allocateChannels();
    return true;
}

int claimChannel() {
    auto& used = mixer().channelInUse;
    const auto free = std::find(used.begin(), used.end(), false);
    const int channel = static_cast<int>(free - used.begin());
    if (free == used.end()) used.push_back(true);
    else *free = true;
    allocateChannels();
    return channel;
}

void releaseChannel(int channel) {
    if (channel >= 0 && channel < static_cast<int>(mixer().channelInUse.size())) mixer().channelInUse[channel] = false;
}

}  // namespace

bool AudioSystem::open() {
    if (audible()) return true;
    closeDevice();  // a decoding-only mixer on the silent driver makes way for the real device
    if (openDevice()) {
        mixer().mode = silentDriver() ? MixerMode::Decoding : MixerMode::Audible;
        allocateChannels();
    } else {
        ensureDecoder();
    }
    return audible();
}

void AudioSystem::close() { closeDevice(); }

bool AudioSystem::isOpen() { return audible(); }

struct MediaPlayer::Impl {
    sdl::ChunkPtr chunk;
    int channel = -1;
    bool logicalPlaying = false;  // the state kept when nothing is audible

    bool sounding() const {
        return audible() && chunk && Mix_Playing(channel) && Mix_GetChunk(channel) == chunk.get();
    }
};

MediaPlayer::MediaPlayer() : impl_(std::make_unique<Impl>()) { impl_->channel = claimChannel(); }

MediaPlayer::~MediaPlayer() {
    stop();
    impl_->chunk.reset();
    releaseChannel(impl_->channel);
}

bool MediaPlayer::load(const std::string& path) {
    if (path.empty() || !ensureDecoder()) return false;
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (!file) return false;
    sdl::ChunkPtr decoded(Mix_LoadWAV_RW(file, 1));
    if (!decoded) return false;
    stop();
    impl_->chunk = std::move(decoded);
    fileName_ = path;
    return true;
}

bool MediaPlayer::hasMedia() const { return impl_->chunk != nullptr; }

void MediaPlayer::play() {
    if (!impl_->chunk) return;
    if (!audible()) {
        impl_->logicalPlaying = true;
        return;
    }
    if (impl_->sounding()) return;
    Mix_Volume(impl_->channel, static_cast<int>(std::lround(volume_ * MIX_MAX_VOLUME)));
    Mix_PlayChannel(impl_->channel, impl_->chunk.get(), 0);
}

void MediaPlayer::stop() {
    impl_->logicalPlaying = false;
    if (impl_->sounding()) Mix_HaltChannel(impl_->channel);
}

MediaState MediaPlayer::state() const {
    if (!impl_->chunk) return MediaState::None;
    const bool playing = audible() ? impl_->sounding() : impl_->logicalPlaying;
    return playing ? MediaState::Playing : MediaState::Stopped;
}

void MediaPlayer::setVolume(float v) {
    volume_ = std::clamp(std::isfinite(v) ? v : 0.f, 0.f, 1.f);
    if (audible()) Mix_Volume(impl_->channel, static_cast<int>(std::lround(volume_ * MIX_MAX_VOLUME)));
}

void MediaPlayer::setCurrentTime(double seconds) {
    // A chunk cannot seek: rewinding a sounding player restarts it; otherwise play starts at the beginning anyway.
    if (seconds <= 0 && impl_->sounding()) Mix_PlayChannel(impl_->channel, impl_->chunk.get(), 0);
}

double MediaPlayer::duration() const {
    if (!impl_->chunk) return 0;
    return static_cast<double>(impl_->chunk->alen) / (mixRate * mixChannels * bytesPerSample);
}

}  // namespace eng
