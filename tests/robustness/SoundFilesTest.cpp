// SPDX-License-Identifier: GPL-3.0-or-later
// Wave files of odd lengths and rates on the real sound back end (SDL_mixer on SDL's dummy
// driver): a sound plays unless decoding it would take more memory than the largest sound file
// the game reads, whatever the file's own size.
#include "ResidentMemory.h"
#include "TemporaryFolder.h"
#include "common/audio/sdl/SdlSound.h"
#include "common/files/DiskFileSystem.h"

#include <gtest/gtest.h>

namespace {

std::string littleEndian(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
    return out;
}

// A PCM wave file of silence; `declared` is the size its data chunk claims (the real size when
// 0).
std::string pcmSilence(std::uint32_t rate, std::uint32_t channels, std::uint32_t bits,
                       std::uint32_t dataBytes, std::uint32_t declared = 0) {
    const std::uint32_t blockAlign = channels * bits / 8;
    return "RIFF" + littleEndian(36 + dataBytes, 4) + "WAVEfmt " + littleEndian(16, 4) +
           littleEndian(1, 2) + littleEndian(channels, 2) + littleEndian(rate, 4) +
           littleEndian(rate * blockAlign, 4) + littleEndian(blockAlign, 2) +
           littleEndian(bits, 2) + "data" + littleEndian(declared != 0 ? declared : dataBytes, 4) +
           std::string(dataBytes, bits == 8 ? '\x80' : '\0');
}

} // namespace

TEST(SoundFiles, ASoundPlaysUnlessDecodingItWouldTakeMoreThanTheLargestFile) {
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    struct Case {
        const char* what;
        std::string bytes;
        bool plays;
        long budgetMiB; // 0: a long sound takes what it takes
    };
    const Case cases[] = {
        // 4 MB that the mixer's 44.1 kHz 16-bit stereo makes 350 MB of (and SDL's conversion
        // buffers twice that).
        {"35 minutes of speech at 2 kHz, 8 bits, mono", pcmSilence(2000, 1, 8, 4u << 20), false,
         40},
        {"two minutes at the mixer's own rate", pcmSilence(44100, 2, 16, 20u << 20), true, 0},
        {"a second at 8 kHz", pcmSilence(8000, 1, 8, 8000), true, 20},
        {"a data chunk that claims 4 GB", pcmSilence(22050, 1, 16, 44100, 0xFFFFFFF0u), true, 20},
        {"no format chunk",
         "RIFF" + littleEndian(12 + 1000, 4) + "WAVEdata" + littleEndian(1000, 4) +
             std::string(1000, '\0'),
         false, 20},
        {"a format of no channels", pcmSilence(22050, 0, 16, 1000), false, 20},
    };
    TemporaryFolder folder;
    DiskFileSystem files(folder.path());
    SdlSound sound(files);
    ASSERT_TRUE(sound.isOpen());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        folder.write("sound.wav", c.bytes);
        ResidentMemory::restartPeak();
        const long before = ResidentMemory::currentMiB();
        sound.playOnce(u"sound.wav");
        EXPECT_EQ(sound.sharedChannelSound() == u"sound.wav", c.plays);
        EXPECT_EQ(sound.sendCommand(u"Open sound.wav ALIAS sound TYPE Waveaudio wait") == 0,
                  c.plays);
        EXPECT_EQ(sound.sendCommand(u"Close sound") == 0, c.plays);
        sound.stop();
        if (c.budgetMiB != 0) {
            EXPECT_LE(ResidentMemory::peakMiB() - before, c.budgetMiB);
        }
    }
}
