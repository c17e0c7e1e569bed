// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/audio/WavePlayer.h"

#include "RecordingSound.h"
#include "common/audio/HeldSound.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

// Runs the calls named in `script` ("open play stop", "open6" opens intro6, "seek" seeks to
// 1500) on a player for music\intro1.wav, destroys the player and returns what it sent.
std::vector<std::string> lifeOf(const std::string& script) {
    RecordingSound sound;
    {
        WavePlayer player(sound);
        std::istringstream calls(script);
        for (std::string call; calls >> call;) {
            call == "open"    ? player.open(u"music\\intro1.wav")
            : call == "open6" ? player.open(u"music\\intro6.wav")
            : call == "play"  ? player.play()
            : call == "stop"  ? player.stop()
            : call == "seek"  ? player.seek(1500)
                              : player.close();
        }
    }
    return sound.calls;
}

const std::string kOpen = "Open music\\intro1.wav ALIAS music\\intro1.wav TYPE Waveaudio wait";
const std::string kSeek = "Seek music\\intro1.wav to 0";
const std::string kPlay = "Play music\\intro1.wav";
const std::string kStop = "Stop music\\intro1.wav";
const std::string kClose = "Close music\\intro1.wav";

TEST(WavePlayerTest, SendsTheCommandsOfEachLife) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> lives = {
        {"open play stop", {kOpen, kSeek, kPlay, kStop, kClose}},
        {"open play", {kOpen, kSeek, kPlay, kStop, kClose}},
        {"open play stop stop", {kOpen, kSeek, kPlay, kStop, kClose}},
        {"open play stop play play",
         {kOpen, kSeek, kPlay, kStop, kSeek, kPlay, kSeek, kPlay, kStop, kClose}},
        {"open play open6",
         {kOpen, kSeek, kPlay, kClose,
          "Open music\\intro6.wav ALIAS music\\intro6.wav TYPE Waveaudio wait",
          "Stop music\\intro6.wav", "Close music\\intro6.wav"}},
        {"open seek", {kOpen, "Seek music\\intro1.wav to 1500", kStop, kClose}},
        {"play stop seek close", {}},
        {"open close play stop", {kOpen, kClose}},
    };
    for (const auto& [script, sent] : lives) {
        EXPECT_EQ(lifeOf(script), sent) << script;
    }
}

TEST(WavePlayerTest, TheDeviceTypeIsTheNamesLastFourCharactersUnlessExactlyWav) {
    const std::vector<std::pair<std::u16string, std::string>> names = {
        {u"music\\intro1.wav", "Waveaudio"},
        {u"music\\intro1.WAV", ".WAV"},
        {u"music\\intro1.mp3", ".mp3"},
        {u"sfx\\a b.wave", "wave"},
        {u"ab", "ab"},
    };
    for (const auto& [name, type] : names) {
        RecordingSound sound;
        WavePlayer player(sound);
        sound.commandResult = 263;
        player.open(name);
        ASSERT_EQ(sound.calls.size(), 1u);
        EXPECT_EQ(sound.calls[0],
                  "Open " + toUtf8(name) + " ALIAS " + toUtf8(name) + " TYPE " + type + " wait");
        EXPECT_EQ(player.lastResult(), 263);
    }
}

} // namespace

// A screen's start music is held until its first frame shows: the calls reach the back end in
// the order made, once released; outside a hold, and from playToEnd, at once.
TEST(HeldSoundTest, HeldCallsReachTheBackEndInOrderOnRelease) {
    RecordingSound sound;
    HeldSound held(sound);
    held.stop();
    EXPECT_EQ(sound.calls, std::vector<std::string>{"stop"});
    held.hold();
    {
        WavePlayer music(held);
        music.open(u"music\\intro1.wav");
        music.play();
        EXPECT_EQ(music.lastResult(), 0);
        held.playOnceUnlessBusy(u"sfx\\a.wav");
        held.playLooping(u"sfx\\b.wav");
        EXPECT_EQ(sound.calls.size(), 1u) << "nothing reaches the back end while held";
        held.release();
        held.playOnce(u"sfx\\c.wav");
    }
    EXPECT_EQ(sound.calls,
              (std::vector<std::string>{
                  "stop", "Open music\\intro1.wav ALIAS music\\intro1.wav TYPE Waveaudio wait",
                  "Seek music\\intro1.wav to 0", "Play music\\intro1.wav",
                  "playOnceUnlessBusy sfx\\a.wav", "playLooping sfx\\b.wav", "playOnce sfx\\c.wav",
                  "Stop music\\intro1.wav", "Close music\\intro1.wav"}));
    held.hold();
    held.playOnce(u"sfx\\d.wav");
    held.playToEnd(u"sfx\\e.wav");
    EXPECT_FALSE(held.holding());
    EXPECT_EQ(std::vector<std::string>(sound.calls.end() - 2, sound.calls.end()),
              (std::vector<std::string>{"playOnce sfx\\d.wav", "playToEnd sfx\\e.wav"}));
}
