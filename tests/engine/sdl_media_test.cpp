// Media players: a missing or unreadable file leaves the player as it was; a real MP3 (encoded here
// with lame) loads, plays, stops and takes a volume, with the logical state headless runs rely on.
#include <gtest/gtest.h>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include "engine/media.h"

namespace {

namespace fs = std::filesystem;
using eng::MediaPlayer;
using eng::MediaState;

void writeLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A mono 16-bit 44.1 kHz sine tone of `seconds`.
void writeToneWav(const fs::path& path, double seconds) {
    const std::uint32_t rate = 44100, samples = static_cast<std::uint32_t>(rate * seconds);
    std::ofstream out(path, std::ios::binary);
    out << "RIFF";
    writeLittleEndian(out, 36 + samples * 2, 4);
    out << "WAVEfmt ";
    writeLittleEndian(out, 16, 4);
    writeLittleEndian(out, 1, 2);          // PCM
    writeLittleEndian(out, 1, 2);          // mono
    writeLittleEndian(out, rate, 4);
    writeLittleEndian(out, rate * 2, 4);   // bytes per second
    writeLittleEndian(out, 2, 2);          // block align
    writeLittleEndian(out, 16, 2);         // bits per sample
    out << "data";
    writeLittleEndian(out, samples * 2, 4);
    for (std::uint32_t i = 0; i < samples; ++i)
        writeLittleEndian(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(8000 * std::sin(i * 2 * M_PI * 440 / rate))), 2);
}

class MediaFiles : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("zorlin_sdl_media_" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    // A short MP3 encoded with lame; empty when lame is not installed.
    std::string encodedTone(double seconds) {
        if (std::system("command -v lame >/dev/null 2>&1") != 0) return {};
        const fs::path wav = dir / "tone.wav", mp3 = dir / "tone.mp3";
        writeToneWav(wav, seconds);
        const std::string command = "lame --quiet -b 64 '" + wav.string() + "' '" + mp3.string() + "'";
        return std::system(command.c_str()) == 0 ? mp3.string() : std::string();
    }
};

TEST_F(MediaFiles, PlayerWithoutMediaDoesNothing) {
    MediaPlayer player;
    EXPECT_FALSE(player.load((dir / "absent.mp3").string()));
    EXPECT_FALSE(player.load(""));
    std::ofstream(dir / "noise.mp3") << "not a sound at all";
    EXPECT_FALSE(player.load((dir / "noise.mp3").string()));
    EXPECT_FALSE(player.hasMedia());
    EXPECT_EQ(player.fileName(), "");
    EXPECT_EQ(player.state(), MediaState::None);
    player.play();
    EXPECT_EQ(player.state(), MediaState::None);
    player.stop();
    EXPECT_EQ(player.duration(), 0);
}

TEST_F(MediaFiles, DecodedMp3PlaysStopsAndKeepsItsMediaOnAFailedLoad) {
    const std::string mp3 = encodedTone(0.5);
    if (mp3.empty()) GTEST_SKIP() << "lame is not installed";
    MediaPlayer player;
    ASSERT_TRUE(player.load(mp3));
    EXPECT_TRUE(player.hasMedia());
    EXPECT_EQ(player.fileName(), mp3);
    EXPECT_NEAR(player.duration(), 0.5, 0.1);
    EXPECT_EQ(player.state(), MediaState::Stopped);
    player.play();
    EXPECT_EQ(player.state(), MediaState::Playing);
    player.play();  // playing again while playing changes nothing
    EXPECT_EQ(player.state(), MediaState::Playing);
    player.stop();
    EXPECT_EQ(player.state(), MediaState::Stopped);

    EXPECT_FALSE(player.load((dir / "absent.mp3").string()));
    EXPECT_EQ(player.fileName(), mp3);
    EXPECT_EQ(player.state(), MediaState::Stopped);
    EXPECT_TRUE(player.hasMedia());
}

TEST_F(MediaFiles, ManyPlayersSoundSideBySide) {
    const std::string mp3 = encodedTone(0.3);
    if (mp3.empty()) GTEST_SKIP() << "lame is not installed";
    std::vector<std::unique_ptr<MediaPlayer>> players;
    for (int i = 0; i < 12; ++i) {
        players.push_back(std::make_unique<MediaPlayer>());
        ASSERT_TRUE(players.back()->load(mp3));
        players.back()->play();
    }
    players[3]->stop();
    for (size_t i = 0; i < players.size(); ++i)
        EXPECT_EQ(players[i]->state(), i == 3 ? MediaState::Stopped : MediaState::Playing) << i;
    players.erase(players.begin() + 5);  // a freed channel is reused by the next player
    MediaPlayer late;
    ASSERT_TRUE(late.load(mp3));
    late.play();
    EXPECT_EQ(late.state(), MediaState::Playing);
    EXPECT_EQ(players[5]->state(), MediaState::Playing);
}

TEST(MediaVolume, StaysBetweenZeroAndOne) {
    MediaPlayer player;
    struct Case { float set, expected; };
    for (const Case c : {Case{0.7f, 0.7f}, Case{2.f, 1.f}, Case{-1.f, 0.f}, Case{NAN, 0.f}, Case{0.f, 0.f}, Case{1.f, 1.f}}) {
        player.setVolume(c.set);
        EXPECT_FLOAT_EQ(player.volume(), c.expected) << c.set;
    }
}

TEST(AudioDevice, SilentDriverLeavesPlayersLogical) {
    // The tests run on SDL's dummy audio driver: nothing is audible, so opening reports no device.
    EXPECT_FALSE(eng::AudioSystem::open());
    EXPECT_FALSE(eng::AudioSystem::isOpen());
    eng::AudioSystem::close();
    EXPECT_FALSE(eng::AudioSystem::isOpen());
}

}  // namespace
