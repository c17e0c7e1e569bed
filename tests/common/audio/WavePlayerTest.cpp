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
        {"open play", {kOpen, kSeek, kPlay, kStop, kClose}},
        {"open play stop play", {kOpen, kSeek, kPlay, kStop, kSeek, kPlay, kStop, kClose}},
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

// A screen's start music is held until its first frame shows, then goes in the order made.
TEST(HeldSoundTest, HeldCallsReachTheBackEndInOrderOnRelease) {
    RecordingSound sound;
    HeldSound held(sound);
    held.hold();
    {
        WavePlayer music(held);
        music.open(u"music\\intro1.wav");
        music.play();
        held.playLooping(u"sfx\\b.wav");
        EXPECT_TRUE(sound.calls.empty()) << "nothing reaches the back end while held";
        EXPECT_TRUE(held.playing()) << "as the held sound will leave the channel";
        held.release();
        held.playOnce(u"sfx\\c.wav");
    }
    EXPECT_EQ(sound.calls, (std::vector<std::string>{kOpen, kSeek, kPlay, "playLooping sfx\\b.wav",
                                                     "playOnce sfx\\c.wav", kStop, kClose}));
    held.hold();
    held.playToEnd(u"sfx\\e.wav"); // it waits for its end, so it cannot be held
    EXPECT_EQ(sound.calls.back(), "playToEnd sfx\\e.wav");
    sound.sharedChannelBusy = true;
    held.hold();
    held.stop();
    EXPECT_FALSE(held.playing());
}

} // namespace
