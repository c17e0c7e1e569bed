// SPDX-License-Identifier: GPL-3.0-or-later
// Reads line-oriented text (lists, settings, language texts) in whatever encoding the file was
// saved: the byte-order mark tells UTF-8 or UTF-16 in either byte order. A file without one is
// UTF-16 when every other byte of its first line is zero, UTF-8 when it is well-formed UTF-8
// with a byte above 127 (as editors on Linux save it), and otherwise 8-bit text in the system
// code page. Lines may end in CR, LF or CR LF.
// A read failure part-way through closes the file and raises CTextFileException; so does a line
// longer than 16 MB or a file larger than 64 MB (EFBIG), which no list or text of these programs
// comes near and which would otherwise take memory without end.
#pragma once

#include "common/files/FileSystem.h"
#include "common/textfile/TextEncoding.h"

#include <array>
#include <memory>
#include <span>
#include <string>
#include <string_view>

class TextFile {
public:
    TextFile() = default;
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    // Opens `path` and detects its encoding; false when it cannot be opened, and then every
    // readLine returns false.
    bool openForReading(const FileSystem& files, std::u16string_view path);

    bool isOpen() const { return open_; }
    bool isAtEnd() const { return endOfFile_; }
    int encoding() const { return encoding_; }

    // The next line without its terminator; false at the end. A file whose last line ends with a
    // terminator yields one more, empty, line.
    bool readLine(std::u16string& line);
    // The same, in the system code page (the list reader takes its colour lines this way).
    bool readLine(std::string& line);

    void close();

private:
    static constexpr int kBufferSize = kTextFileBlockSize;
    static constexpr std::size_t kLongestLineBytes = 16u << 20; // as the line is held
    static constexpr std::uint64_t kLargestFile = 64u << 20;    // bytes

    void detectEncoding();
    // The next block straight from the file, for telling its encoding before lines are read.
    std::span<const unsigned char> readBlock(std::array<unsigned char, kBufferSize>& block);
    bool isUtf8Throughout(std::span<const unsigned char> opening,
                          std::array<unsigned char, kBufferSize>& block);
    void rewind();
    void refill();
    void countTaken(std::ptrdiff_t bytes);
    [[noreturn]] void failRead(std::uint32_t error);

    unsigned char readByte() {
        if (pushedBack_) {
            pushedBack_ = false;
            return static_cast<unsigned char>(pushedBackChar_);
        }
        if (position_ == -1 || position_ == kBufferSize - 1) {
            refill();
            if (endOfFile_) {
                return 0;
            }
        } else if (position_ + 1 >= bytesInBuffer_) {
            endOfFile_ = true;
            return 0;
        } else {
            ++position_;
        }
        return buffer_[static_cast<std::size_t>(position_)];
    }

    char16_t readChar();

    template <typename Unit, typename Next>
    bool readUnits(std::basic_string<Unit>& line, Next next);

    std::unique_ptr<InputStream> input_;
    int encoding_ = AnsiText;
    bool open_ = false;
    bool endOfFile_ = true;
    std::array<unsigned char, kBufferSize> buffer_{};
    int position_ = -1;     // index of the last byte taken
    int bytesInBuffer_ = 0; // what the last read delivered
    std::uint64_t bytesTaken_ = 0;
    bool pushedBack_ = false;
    bool firstLine_ = true;
    char16_t pushedBackChar_ = 0;
};
