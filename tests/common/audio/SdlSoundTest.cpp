// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/audio/sdl/SdlSound.h"

#include "FaultyFileSystem.h"
#include "PcmWave.h"
#include "TemporaryFolder.h"
#include "common/audio/NullSound.h"
#include "common/audio/WavePlayer.h"

#include <array>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <thread>

namespace {

using namespace std::chrono_literals;
using SharedForm = void (Sound::*)(std::u16string_view);

constexpr std::u16string_view kIntro = u"music\\intro1.wav";
constexpr std::u16string_view kLong = u"sfx\\long.wav";
constexpr std::u16string_view kShort = u"sfx\\short.wav";
constexpr std::array<SharedForm, 4> kSharedForms = {&Sound::playOnce, &Sound::playOnceUnlessBusy,
                                                    &Sound::playLooping, &Sound::playToEnd};

// Whether any of the ways to play on the shared channel makes it play `path`.
bool anySharedFormPlays(SdlSound& sound, std::u16string_view path) {
    bool played = false;
    for (SharedForm form : kSharedForms) {
        (sound.*form)(path);
        played = played || sound.sharedChannelPlaying();
    }
    return played;
}

class SdlSoundTest : public ::testing::Test {
protected:
    SdlSoundTest() {
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        folder.write("music/intro1.wav", pcmWave(22050, 44100)); // two seconds
        folder.write("sfx/long.wav", pcmWave(44100, 88200));     // two seconds
        folder.write("sfx/short.wav", pcmWave(22050, 2205));     // a tenth of a second
    }

    TemporaryFolder folder;
    FaultyFileSystem files{folder.path()};
};

// Every wave device plays on a channel of its own, beside the others and the shared channel.
TEST_F(SdlSoundTest, WaveDevicesAndTheSharedChannelPlayIndependently) {
    const std::unique_ptr<Sound> opened = openSound(files);
    auto& sound = dynamic_cast<SdlSound&>(*opened);
    {
        WavePlayer intro(sound);
        WavePlayer other(sound);
        intro.open(kIntro);
        other.open(kLong);
        intro.play();
        other.play();
        sound.playOnce(kShort);
        EXPECT_TRUE(sound.devicePlaying(kIntro) && sound.devicePlaying(kLong));
        EXPECT_EQ(sound.sharedChannelSound(), kShort);
        other.stop();
        sound.stop();
        EXPECT_TRUE(sound.devicePlaying(kIntro));
        EXPECT_FALSE(sound.devicePlaying(kLong) || sound.sharedChannelPlaying());
        EXPECT_EQ(intro.lastResult(), 0);
    }
    // A player closes its device when it goes.
    EXPECT_NE(sound.sendCommand(u"Play music\\intro1.wav"), 0);
}

TEST_F(SdlSoundTest, ANewSoundCutsOffTheSharedChannelUnlessAskedNotTo) {
    struct TwoRequests {
        SharedForm first;
        SharedForm second;
        std::u16string_view heard;
    };
    const std::vector<TwoRequests> cases = {
        {&Sound::playOnce, &Sound::playOnce, kShort},
        {&Sound::playOnce, &Sound::playOnceUnlessBusy, kLong},
        {&Sound::playLooping, &Sound::playOnceUnlessBusy, kLong},
        {&Sound::playLooping, &Sound::playOnce, kShort},
        {&Sound::playOnceUnlessBusy, &Sound::playLooping, kShort},
    };
    SdlSound sound(files);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        (sound.*cases[i].first)(kLong);
        (sound.*cases[i].second)(kShort);
        EXPECT_EQ(sound.sharedChannelSound(), cases[i].heard) << "case " << i;
        sound.stop();
        EXPECT_FALSE(sound.sharedChannelPlaying());
    }
}

TEST_F(SdlSoundTest, LoopingKeepsPlayingPastTheSoundsLengthAndPlayToEndWaitsForTheEnd) {
    SdlSound sound(files);
    const auto start = std::chrono::steady_clock::now();
    sound.playToEnd(kShort);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 80ms);
    EXPECT_FALSE(sound.sharedChannelPlaying());
    sound.playLooping(kShort);
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(sound.sharedChannelSound(), kShort);
}

// A PCM wave file of silence; `declared` is the size its data chunk claims (the real size when
// 0).
std::string pcmSilence(std::uint32_t rate, std::uint32_t channels, std::uint32_t bits,
                       std::uint32_t dataBytes, std::uint32_t declared = 0) {
    const auto put = [](std::uint32_t value, int size) {
        std::string out;
        for (int i = 0; i < size; ++i) {
            out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
        }
        return out;
    };
    const std::uint32_t blockAlign = channels * bits / 8;
    return "RIFF" + put(36 + dataBytes, 4) + "WAVEfmt " + put(16, 4) + put(1, 2) +
           put(channels, 2) + put(rate, 4) + put(rate * blockAlign, 4) + put(blockAlign, 2) +
           put(bits, 2) + "data" + put(declared != 0 ? declared : dataBytes, 4) +
           std::string(dataBytes, bits == 8 ? '\x80' : '\0');
}

// A file that cannot be played stays silent without failing, and so does one whose decoding would
// take more memory than the largest sound file the game reads, whatever the file's own size; odd
// files that can play, play. A folder by the name reads as a missing file (DiskFileSystemTest).
TEST_F(SdlSoundTest, AFileThatCannotBePlayedOrWouldDecodeTooLargeStaysSilentWithoutFailing) {
    struct Case {
        const char* what;
        std::function<std::string(FaultyFileSystem&)> make; // the file's bytes; none: missing
        bool plays;
    };
    const auto bytes = [](std::string content) {
        return [content](FaultyFileSystem&) { return content; };
    };
    const Case cases[] = {
        {"missing", [](auto&) { return std::string(); }, false},
        {"not a wave file", bytes("just some text"), false},
        {"no samples", bytes(pcmWave(22050, 0)), false},
        {"cut short", bytes(pcmWave(22050, 2205).substr(0, 40)), false},
        {"the disk fails",
         [](auto& disk) {
             disk.readFailsAfter = 100;
             return pcmWave(22050, 2205);
         },
         false},
        {"no format chunk",
         bytes("RIFF" + std::string("\xF4\x03\0\0WAVEdata\xE8\x03\0\0", 16) +
               std::string(1000, '\0')),
         false},
        {"a format of no channels", bytes(pcmSilence(22050, 0, 16, 1000)), false},
        // 4 MB that the mixer's 44.1 kHz 16-bit stereo makes 350 MB of
        {"35 minutes of speech at 2 kHz, 8 bits, mono", bytes(pcmSilence(2000, 1, 8, 4u << 20)),
         false},
        {"two minutes at the mixer's own rate", bytes(pcmSilence(44100, 2, 16, 20u << 20)), true},
        {"a second at 8 kHz", bytes(pcmSilence(8000, 1, 8, 8000)), true},
        {"a data chunk that claims 4 GB", bytes(pcmSilence(22050, 1, 16, 44100, 0xFFFFFFF0u)),
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(folder.path() / "sfx/odd.wav");
        FaultyFileSystem disk(folder.path());
        if (const std::string content = c.make(disk); !content.empty()) {
            folder.write("sfx/odd.wav", content);
        }
        SdlSound sound(disk);
        sound.playOnce(u"sfx\\odd.wav");
        EXPECT_EQ(sound.sharedChannelSound() == u"sfx\\odd.wav", c.plays);
        if (!c.plays) {
            EXPECT_FALSE(anySharedFormPlays(sound, u"sfx\\odd.wav"));
        }
        EXPECT_EQ(sound.sendCommand(u"Open sfx\\odd.wav ALIAS odd TYPE Waveaudio wait") == 0,
                  c.plays);
        EXPECT_EQ(sound.sendCommand(u"Play odd") == 0, c.plays);
        EXPECT_EQ(sound.sendCommand(u"Close odd") == 0, c.plays);
    }
}

TEST_F(SdlSoundTest, WaveDevicesAnswerEachCommand) {
    folder.write("music/intro1.mp3", pcmWave(22050, 44100));
    const std::u16string open =
        u"Open music\\intro1.wav ALIAS music\\intro1.wav TYPE Waveaudio wait";
    const std::u16string play = u"Play music\\intro1.wav";
    const std::u16string close = u"Close music\\intro1.wav";
    struct Step {
        std::u16string command;
        int answeredZero;
    };
    // Each run ends with whether music\intro1.wav plays.
    const std::vector<std::pair<std::vector<Step>, bool>> runs = {
        {{{u"Open music\\intro1.mp3 ALIAS music\\intro1.mp3 TYPE .mp3 wait", 0},
          {u"Play music\\intro1.mp3", 0}},
         false},
        {{{u"open music\\intro1.wav alias music\\intro1.wav type waveaudio wait", 1},
          {u"play music\\intro1.wav", 1}},
         true},
        {{{open, 1}, {u"Seek music\\intro1.wav to 1000", 1}, {play, 1}}, true},
        {{{open, 1}, {u"Seek music\\intro1.wav to 2001", 0}}, false},
        {{{open, 1}, {play, 1}, {u"Seek music\\intro1.wav to 0", 1}}, false},
        {{{open, 1}, {play, 1}, {open, 0}}, true},
        {{{open, 1}, {close, 1}, {play, 0}, {close, 0}, {open, 1}, {play, 1}}, true},
    };
    for (std::size_t i = 0; i < runs.size(); ++i) {
        SdlSound sound(files);
        for (const Step& step : runs[i].first) {
            EXPECT_EQ(sound.sendCommand(step.command) == 0, step.answeredZero == 1)
                << "run " << i << ": " << std::string(step.command.begin(), step.command.end());
        }
        EXPECT_EQ(sound.devicePlaying(kIntro), runs[i].second) << "run " << i;
    }
}

// A sound that comes back, on the shared channel or as a screen's start music on a wave device,
// is played from memory: a disk failing meanwhile does not silence it. A file replaced on disk is
// read again.
TEST_F(SdlSoundTest, ASoundThatComesBackIsNotReadAgainUnlessReplacedOnDisk) {
    struct Way {
        const char* name;
        std::function<bool(SdlSound&, std::u16string_view)> plays;
    };
    const std::vector<Way> ways = {
        {"shared channel",
         [](SdlSound& sound, std::u16string_view path) {
             sound.playOnce(path);
             return sound.sharedChannelSound() == path;
         }},
        {"wave device",
         [](SdlSound& sound, std::u16string_view path) {
             WavePlayer player(sound);
             player.open(path);
             player.play();
             return player.lastResult() == 0 && sound.devicePlaying(path);
         }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        folder.write("sfx/short.wav", pcmWave(22050, 2205));
        FaultyFileSystem disk(folder.path());
        SdlSound sound(disk);
        EXPECT_TRUE(way.plays(sound, kShort));
        EXPECT_TRUE(way.plays(sound, kIntro)); // another sound in between
        disk.readFailsAfter = 0;
        EXPECT_TRUE(way.plays(sound, kShort));
        disk.readFailsAfter = std::numeric_limits<std::size_t>::max();
        folder.write("sfx/short.wav", "no longer a sound");
        EXPECT_FALSE(way.plays(sound, kShort));
    }
}

// The output device closes once nothing has played for the quiet time, and not while anything
// plays; the next sound, on the shared channel or a wave device opened before, opens it again
// and plays whole.
TEST_F(SdlSoundTest, TheDeviceClosesWhenQuietAndTheNextSoundOpensItAgain) {
    constexpr auto kQuiet = 100ms;
    struct Case {
        const char* name;
        std::function<void(SdlSound&, WavePlayer&)> before;
        bool staysOpen;
    };
    const std::vector<Case> cases = {
        {"a sound that ended", [](SdlSound& sound, auto&) { sound.playOnce(kShort); }, false},
        {"a device opened, never played", [](auto&, auto&) {}, false},
        {"a looping sound", [](SdlSound& sound, auto&) { sound.playLooping(kShort); }, true},
        {"start music", [](auto&, WavePlayer& music) { music.play(); }, true},
        {"stopped start music", [](auto&, WavePlayer& music) { music.play(), music.stop(); },
         false},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        SdlSound sound(files, kQuiet);
        WavePlayer music(sound);
        music.open(kIntro);
        each.before(sound, music);
        const auto start = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(4 * kQuiet);
        while (!each.staysOpen && sound.deviceOpen() &&
               std::chrono::steady_clock::now() - start < 5s) {
            std::this_thread::sleep_for(10ms);
        }
        EXPECT_EQ(sound.deviceOpen(), each.staysOpen);
        EXPECT_EQ(sound.sharedChannelPlaying() || sound.devicePlaying(kIntro), each.staysOpen);
        sound.playOnce(kLong);
        EXPECT_EQ(sound.sharedChannelSound(), kLong);
        EXPECT_EQ(sound.sendCommand(u"Seek music\\intro1.wav to 1000"), 0);
        EXPECT_EQ(sound.sendCommand(u"Play music\\intro1.wav"), 0);
        EXPECT_TRUE(sound.devicePlaying(kIntro) && sound.deviceOpen());
    }
}

// A second back end while the first lives finds the device taken, and one without a usable
// driver finds none: both stay silent, and the first plays on.
TEST_F(SdlSoundTest, ABackEndWithoutADeviceIsSilentAndLeavesTheOtherPlaying) {
    {
        SdlSound first(files);
        SdlSound second(files);
        EXPECT_FALSE(second.isOpen());
        first.playOnce(kLong);
        EXPECT_FALSE(anySharedFormPlays(second, kShort));
        second.stop();
        EXPECT_EQ(first.sharedChannelSound(), kLong);
    }
    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_NE(dynamic_cast<NullSound*>(openSound(files).get()), nullptr);
    SdlSound sound(files);
    EXPECT_FALSE(sound.isOpen());
    EXPECT_FALSE(anySharedFormPlays(sound, kShort));
    WavePlayer player(sound);
    player.open(kIntro);
    player.play();
    EXPECT_EQ(player.lastResult(), 0);
    EXPECT_FALSE(sound.devicePlaying(kIntro));
}

} // namespace
