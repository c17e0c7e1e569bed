// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundFormat.h"

#include "common/text/CaseFolding.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

bool holdsAt(std::span<const unsigned char> bytes, std::size_t at, std::string_view text) {
    return bytes.size() >= at + text.size() &&
           std::memcmp(bytes.data() + at, text.data(), text.size()) == 0;
}

// `format` when `name` has one of its `endings`, else Unknown.
SoundFormat ifNamed(SoundFormat format, std::u16string_view name,
                    std::initializer_list<std::u16string_view> endings) {
    const bool named = std::any_of(endings.begin(), endings.end(), [name](auto ending) {
        return name.size() >= ending.size() &&
               equalsIgnoringCase(name.substr(name.size() - ending.size()), ending);
    });
    return named ? format : SoundFormat::Unknown;
}

// The codec of an Ogg stream, from the first packet of its first page, which follows the page's
// 27-byte header and its table of segment sizes.
SoundFormat oggCodec(std::span<const unsigned char> bytes) {
    if (bytes.size() < 27) {
        return SoundFormat::Unknown;
    }
    const std::size_t packet = 27 + std::size_t{bytes[26]};
    if (holdsAt(bytes, packet, "\x01vorbis")) {
        return SoundFormat::OggVorbis;
    }
    return holdsAt(bytes, packet, "OpusHead") ? SoundFormat::OggOpus : SoundFormat::Unknown;
}

// The header of an MPEG audio frame: eleven sync bits, then a version and a layer that are not
// the reserved ones. Layer bits of zero mark AAC's ADTS frames instead.
bool startsMpegFrame(std::span<const unsigned char> bytes) {
    return bytes.size() >= 2 && bytes[0] == 0xFF && (bytes[1] & 0xE0) == 0xE0 &&
           ((bytes[1] >> 3) & 3) != 1 && ((bytes[1] >> 1) & 3) != 0;
}

bool startsAdtsFrame(std::span<const unsigned char> bytes) {
    return bytes.size() >= 2 && bytes[0] == 0xFF && (bytes[1] & 0xF6) == 0xF0;
}

} // namespace

SoundFormat soundFormatOf(std::u16string_view name, std::span<const unsigned char> start) {
    if (holdsAt(start, 0, "RIFF") && holdsAt(start, 8, "WAVE")) {
        return SoundFormat::Wave;
    }
    // The MPEG-4 file box (M4A, and the 3GP of some phones) or bare AAC frames.
    if (holdsAt(start, 4, "ftyp") || startsAdtsFrame(start)) {
        return SoundFormat::Mpeg4Audio;
    }
    if (holdsAt(start, 0, "OggS")) {
        return ifNamed(oggCodec(start), name, {u".ogg", u".oga", u".opus"});
    }
    if (holdsAt(start, 0, "fLaC")) {
        return ifNamed(SoundFormat::Flac, name, {u".flac"});
    }
    // MP3 has no signature of its own: a tag before the first frame, or that frame.
    if (holdsAt(start, 0, "ID3") || startsMpegFrame(start)) {
        return ifNamed(SoundFormat::Mp3, name, {u".mp3"});
    }
    return SoundFormat::Unknown;
}

SoundFormat soundFormatOfFile(const FileSystem& files, std::u16string_view path) {
    const std::unique_ptr<InputStream> in = files.openForReading(path);
    if (!in) {
        return SoundFormat::Unknown;
    }
    std::vector<unsigned char> start(kSoundSignatureBytes);
    std::size_t got = 0;
    std::uint32_t error = 0;
    while (got < start.size()) {
        const std::ptrdiff_t read = in->read(start.data() + got, start.size() - got, error);
        if (read < 0) {
            return SoundFormat::Unknown;
        }
        if (read == 0) {
            break;
        }
        got += static_cast<std::size_t>(read);
    }
    start.resize(got);
    return soundFormatOf(path, start);
}
