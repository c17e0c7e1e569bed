// SPDX-License-Identifier: GPL-3.0-or-later
// Sound files made by the tests themselves: wave files of 16-bit mono PCM holding a square wave,
// so the mixer has real samples to play, and MP3 files of silent frames.
#pragma once

#include <cstdint>
#include <string>

inline std::string pcmWave(std::uint32_t sampleRate, std::uint32_t frames) {
    std::string bytes;
    const auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) {
            bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
        }
    };
    const std::uint32_t dataBytes = frames * 2;
    bytes += "RIFF";
    put(36 + dataBytes, 4);
    bytes += "WAVEfmt ";
    put(16, 4);
    put(1, 2); // PCM
    put(1, 2); // mono
    put(sampleRate, 4);
    put(sampleRate * 2, 4);
    put(2, 2);
    put(16, 2);
    bytes += "data";
    put(dataBytes, 4);
    for (std::uint32_t i = 0; i < frames; ++i) {
        put((i / 50) % 2 == 0 ? 8000u : static_cast<std::uint16_t>(-8000), 2);
    }
    return bytes;
}

// MPEG-1 layer III frames at 128 kbit/s, 44.1 kHz, mono, of 1152 samples each: a header and zeros.
inline std::string mp3Frames(std::size_t count) {
    std::string frame("\xFF\xFB\x90\xC0", 4);
    frame.resize(417, '\0');
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i) {
        bytes += frame;
    }
    return bytes;
}
