// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/audio/sdl/SdlSound.h"

#include "FaultyFileSystem.h"
#include "PcmWave.h"
#include "TemporaryFolder.h"
#include "common/audio/NullSound.h"
#include "common/audio/WavePlayer.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <thread>

namespace {

using namespace std::chrono_literals;
using SharedForm = void (Sound::*)(std::u16string_view);

// The start music's name holds a word of the commands that a wave device reads from their ends.
constexpr std::u16string_view kIntro = u"music\\walk to school.wav";
constexpr std::u16string_view kLong = u"sfx\\long.wav";
constexpr std::u16string_view kShort = u"sfx\\short.wav";

class SdlSoundTest : public ::testing::Test {
protected:
    SdlSoundTest() {
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        folder.write("music/walk to school.wav", pcmWave(22050, 44100)); // two seconds
        folder.write("sfx/long.wav", pcmWave(44100, 88200));             // two seconds
        folder.write("sfx/short.wav", pcmWave(22050, 2205));             // a tenth of a second
    }

    TemporaryFolder folder;
    FaultyFileSystem files{folder.path()};
};

// A wave device plays beside the shared channel and closes when its player goes.
TEST_F(SdlSoundTest, WaveDevicesAndTheSharedChannelPlayIndependently) {
    const std::unique_ptr<Sound> opened = openSound(files);
    auto& sound = dynamic_cast<SdlSound&>(*opened);
    {
        WavePlayer intro(sound);
        intro.open(kIntro);
        intro.play();
        sound.playOnce(kShort);
        EXPECT_TRUE(sound.devicePlaying(kIntro));
        EXPECT_EQ(sound.sharedChannelSound(), kShort);
        sound.stop();
        EXPECT_TRUE(sound.devicePlaying(kIntro));
        intro.stop();
        EXPECT_FALSE(sound.devicePlaying(kIntro));
        EXPECT_NE(sound.sendCommand(u"Seek music\\walk to school.wav to 2001"), 0)
            << "past its end";
    }
    EXPECT_NE(sound.sendCommand(u"Play music\\walk to school.wav"), 0);
}

TEST_F(SdlSoundTest, ANewSoundCutsOffTheSharedChannelUnlessAskedNotTo) {
    const std::tuple<SharedForm, SharedForm, std::u16string_view> cases[] = {
        {&Sound::playOnce, &Sound::playOnce, kShort},
        {&Sound::playLooping, &Sound::playOnceUnlessBusy, kLong},
        {&Sound::playOnceUnlessBusy, &Sound::playLooping, kShort},
    };
    SdlSound sound(files);
    for (const auto& [first, second, heard] : cases) {
        (sound.*first)(kLong);
        (sound.*second)(kShort);
        EXPECT_EQ(sound.sharedChannelSound(), heard);
        sound.stop();
        EXPECT_FALSE(sound.playing());
    }
    const auto start = std::chrono::steady_clock::now();
    sound.playToEnd(kShort);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 80ms);
    EXPECT_FALSE(sound.playing());
}

// Files that cannot play, or would decode larger than the largest sound file read, stay silent;
// the editor's test of a file says the same.
TEST_F(SdlSoundTest, AFileThatCannotBePlayedOrWouldDecodeTooLargeStaysSilentWithoutFailing) {
    std::string claims4GB = pcmWave(22050, 2205);
    claims4GB.replace(40, 4, "\xF0\xFF\xFF\xFF");
    std::string gsm = pcmWave(8000, 8000);
    gsm[20] = 0x31; // the format tag of GSM 6.10, which no decoder here reads
    const std::tuple<const char*, const char*, std::string, bool> cases[] = {
        {"missing", "odd.wav", "", false},
        {"not a wave file", "odd.wav", "just some text", false},
        {"cut short", "odd.wav", pcmWave(22050, 2205).substr(0, 40), false},
        // 4 MB that the mixer's 44.1 kHz 16-bit stereo makes 176 MB of
        {"17 minutes at 2 kHz", "odd.wav", pcmWave(2000, 2u << 20), false},
        {"a second at 8 kHz", "odd.wav", pcmWave(8000, 8000), true},
        {"a data chunk that claims 4 GB", "odd.wav", claims4GB, true},
        {"GSM in a wave file", "odd.wav", gsm, false},
        {"an MP3 file", "odd.mp3", mp3Frames(40), true},
        {"an MP3 file renamed .wav", "odd.wav", mp3Frames(40), false},
        {"13 minutes of MP3, 138 MB decoded", "odd.mp3", mp3Frames(30000), false},
    };
    for (const auto& [what, name, content, plays] : cases) {
        SCOPED_TRACE(what);
        for (const char* old : {"sfx/odd.wav", "sfx/odd.mp3"}) {
            std::filesystem::remove(folder.path() / old);
        }
        if (!content.empty()) {
            folder.write(std::string("sfx/") + name, content);
        }
        const std::u16string path = u"sfx\\" + std::u16string(name, name + std::strlen(name));
        SdlSound sound(files);
        sound.playOnce(path);
        EXPECT_EQ(sound.playing(), plays);
        EXPECT_EQ(sound.sendCommand(u"Open " + path + u" ALIAS odd TYPE Waveaudio wait") == 0,
                  plays);
        EXPECT_EQ(sound.decodes(path), plays);
    }
}

// A sound that comes back plays from memory, even from a failing disk, unless replaced on disk.
TEST_F(SdlSoundTest, ASoundThatComesBackIsNotReadAgainUnlessReplacedOnDisk) {
    SdlSound sound(files);
    const auto plays = [&sound](std::u16string_view path) {
        sound.playOnce(path);
        return sound.sharedChannelSound() == path;
    };
    EXPECT_TRUE(plays(kShort));
    EXPECT_TRUE(plays(kIntro)); // another sound in between
    files.readFailsAfter = 0;
    EXPECT_TRUE(plays(kShort));
    files.readFailsAfter = std::numeric_limits<std::size_t>::max();
    folder.write("sfx/short.wav", "no longer a sound");
    EXPECT_FALSE(plays(kShort));
}

// The output device closes after the quiet time, not while anything plays, and opens again.
TEST_F(SdlSoundTest, TheDeviceClosesWhenQuietAndTheNextSoundOpensItAgain) {
    constexpr auto kQuiet = 100ms;
    const std::tuple<const char*, std::function<void(SdlSound&, WavePlayer&)>, bool> cases[] = {
        {"a sound that ended", [](SdlSound& sound, auto&) { sound.playOnce(kShort); }, false},
        {"a looping sound", [](SdlSound& sound, auto&) { sound.playLooping(kShort); }, true},
        {"start music", [](auto&, WavePlayer& music) { music.play(); }, true},
    };
    for (const auto& [what, before, staysOpen] : cases) {
        SCOPED_TRACE(what);
        SdlSound sound(files, kQuiet);
        WavePlayer music(sound);
        music.open(kIntro);
        before(sound, music);
        const auto start = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(4 * kQuiet);
        while (!staysOpen && sound.deviceOpen() && std::chrono::steady_clock::now() - start < 5s) {
            std::this_thread::sleep_for(10ms);
        }
        EXPECT_EQ(sound.deviceOpen(), staysOpen);
        sound.playOnce(kLong);
        EXPECT_EQ(sound.sharedChannelSound(), kLong);
        EXPECT_EQ(sound.sendCommand(u"Play music\\walk to school.wav"), 0);
        EXPECT_TRUE(sound.devicePlaying(kIntro) && sound.deviceOpen());
    }
}

// Without a usable driver the game goes on silent.
TEST_F(SdlSoundTest, ABackEndWithoutADeviceIsSilent) {
    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_NE(dynamic_cast<NullSound*>(openSound(files).get()), nullptr);
    SdlSound sound(files);
    sound.playOnce(kShort);
    EXPECT_FALSE(sound.playing());
    folder.write("sfx/renamed.wav", mp3Frames(4));
    EXPECT_TRUE(sound.decodes(kShort)) << "a wave file, told by its kind";
    EXPECT_FALSE(sound.decodes(u"sfx\\renamed.wav"));
}

} // namespace
