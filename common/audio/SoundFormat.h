// SPDX-License-Identifier: GPL-3.0-or-later
// The kinds of sound file the programs play, told from a file's first bytes and its name before
// any decoder sees it: a decoder handed a file of another kind may take its noise for sound.
#pragma once

#include "common/files/FileSystem.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

enum class SoundFormat {
    Unknown, // nothing the programs play
    Wave,
    OggVorbis,
    OggOpus,
    Mp3,
    Flac,
    // M4A or AAC, as phones record voice memos: told apart only to say how to get a file that
    // plays, since no decoder of the sound back end reads them.
    Mpeg4Audio,
};

// The name endings of the kinds that play, in the order the editor's file dialog lists them.
inline constexpr std::array<std::u16string_view, 6> kPlayableSoundEndings{
    u".wav", u".ogg", u".oga", u".opus", u".mp3", u".flac"};

// How many first bytes of a file soundFormatOf looks at, at most.
inline constexpr std::size_t kSoundSignatureBytes = 512;

// What the file named `name` holds, from its first bytes. A wave file is one under any name, as
// it always was; the compressed kinds only under an ending of their own (.ogg, .oga or .opus
// for Ogg, .mp3, .flac, in any letter case), so that a name says what its file holds: an MP3
// renamed .wav is Unknown, as it would be to other programs.
SoundFormat soundFormatOf(std::u16string_view name, std::span<const unsigned char> start);

// The same for the file `path` of the content folder; Unknown when it cannot be read.
SoundFormat soundFormatOfFile(const FileSystem& files, std::u16string_view path);

inline bool playable(SoundFormat format) {
    return format != SoundFormat::Unknown && format != SoundFormat::Mpeg4Audio;
}
