// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFile.h"

#include "common/text/CodePage.h"
#include "common/textfile/CTextFileException.h"
#include "common/textfile/Utf8Validator.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <span>

namespace {

// Enough of a file's opening to see its first line's zero bytes.
constexpr std::size_t kOpeningBytes = 64;

bool isLineEnd(unsigned unit) {
    return unit == 13 || unit == 10;
}

// UTF-16 written without a mark still shows itself: text in Latin letters has a zero byte in
// every unit, the high one. Every other byte of the first line (or of the opening, when that line
// is empty) must be zero, and the other bytes not all zero.
std::optional<int> utf16FromZeros(std::span<const unsigned char> bytes) {
    const std::size_t size = std::min(bytes.size(), kOpeningBytes) & ~std::size_t{1};
    for (const int order : {Utf16LittleEndian, Utf16BigEndian}) {
        const std::size_t high = order == Utf16LittleEndian ? 1 : 0;
        auto unit = [&](std::size_t at) {
            return unsigned{bytes[at + 1 - high]} | unsigned{bytes[at + high]} << 8;
        };
        auto zeroEveryOther = [&](std::size_t end) {
            bool text = false;
            for (std::size_t at = 0; at < end; at += 2) {
                if (bytes[at + high] != 0) {
                    return false;
                }
                text = text || bytes[at + 1 - high] != 0;
            }
            return text;
        };
        std::size_t lineEnd = 0;
        while (lineEnd < size && !isLineEnd(unit(lineEnd))) {
            lineEnd += 2;
        }
        if (zeroEveryOther(lineEnd) || zeroEveryOther(size)) {
            return order;
        }
    }
    return std::nullopt;
}

} // namespace

bool TextFile::openForReading(const FileSystem& files, std::u16string_view path) {
    close();
    input_ = files.openForReading(path);
    open_ = input_ != nullptr;
    endOfFile_ = !open_;
    firstLine_ = true;
    pushedBack_ = false;
    position_ = -1;
    bytesInBuffer_ = 0;
    encoding_ = AnsiText;
    bytesTaken_ = 0;
    if (open_) {
        if (input_->size() > kLargestFile) {
            failRead(EFBIG);
        }
        detectEncoding();
    }
    return open_;
}

void TextFile::close() {
    input_.reset();
    open_ = false;
}

void TextFile::detectEncoding() {
    std::array<unsigned char, kBufferSize> block{};
    const std::span<const unsigned char> opening = readBlock(block);
    std::size_t markLength = 0;
    for (const int marked : {Utf16LittleEndian, Utf16BigEndian, Utf8Text}) {
        const std::string_view mark = byteOrderMark(marked);
        if (opening.size() >= mark.size() &&
            std::equal(mark.begin(), mark.end(), opening.begin(), [](char a, unsigned char b) {
                return static_cast<unsigned char>(a) == b;
            })) {
            encoding_ = marked;
            markLength = mark.size();
            break;
        }
    }
    if (markLength == 0) {
        if (const std::optional<int> order = utf16FromZeros(opening)) {
            encoding_ = *order;
        } else if (isUtf8Throughout(opening, block)) {
            encoding_ = Utf8Text;
        }
    }
    rewind();
    for (std::size_t i = 0; i < markLength; ++i) {
        readByte();
    }
}

std::span<const unsigned char> TextFile::readBlock(std::array<unsigned char, kBufferSize>& block) {
    std::uint32_t error = 0;
    const std::ptrdiff_t got = input_->read(block.data(), block.size(), error);
    if (got < 0) {
        failRead(error);
    }
    countTaken(got);
    return {block.data(), static_cast<std::size_t>(got)};
}

bool TextFile::isUtf8Throughout(std::span<const unsigned char> opening,
                                std::array<unsigned char, kBufferSize>& block) {
    Utf8Validator validator;
    std::span<const unsigned char> bytes = opening;
    while (!bytes.empty()) {
        if (!validator.feed(bytes)) {
            return false;
        }
        std::uint32_t error = 0;
        const std::ptrdiff_t got = input_->read(block.data(), block.size(), error);
        if (got < 0) {
            // The lines before the failing block are still read, in the encoding they show;
            // the failure itself comes when the reading reaches it.
            return validator.isUtf8TextSoFar();
        }
        countTaken(got);
        bytes = std::span<const unsigned char>(block.data(), static_cast<std::size_t>(got));
    }
    return validator.isUtf8Text();
}

void TextFile::rewind() {
    std::uint32_t error = 0;
    if (!input_->rewind(error)) {
        failRead(error);
    }
    position_ = -1;
    bytesInBuffer_ = 0;
    bytesTaken_ = 0;
    endOfFile_ = false;
    pushedBack_ = false;
    firstLine_ = true;
}

void TextFile::countTaken(std::ptrdiff_t bytes) {
    // The size was checked at opening; this holds for a file that grows while it is read.
    bytesTaken_ += static_cast<std::uint64_t>(bytes);
    if (bytesTaken_ > kLargestFile) {
        failRead(EFBIG);
    }
}

void TextFile::refill() {
    if (!input_) {
        endOfFile_ = true;
        return;
    }
    std::uint32_t error = 0;
    const std::ptrdiff_t got = input_->read(buffer_.data(), buffer_.size(), error);
    if (got < 0) {
        failRead(error);
    }
    countTaken(got);
    if (got == 0) {
        endOfFile_ = true;
        return;
    }
    bytesInBuffer_ = static_cast<int>(got);
    position_ = 0;
}

void TextFile::failRead(std::uint32_t error) {
    close();
    endOfFile_ = true;
    throw CTextFileException(error);
}

char16_t TextFile::readChar() {
    if (pushedBack_) {
        pushedBack_ = false;
        return pushedBackChar_;
    }
    if (encoding_ == Utf8Text) {
        const unsigned a = readByte();
        if (a < 0x80) {
            return static_cast<char16_t>(a);
        }
        if ((a & 0xE0) == 0xC0) {
            const unsigned c = readByte();
            return static_cast<char16_t>(((a << 6) & 0x7FF) | (c & 0x3F));
        }
        if ((a & 0xF0) == 0xE0) {
            const unsigned c = readByte();
            const unsigned d = readByte();
            return static_cast<char16_t>((((a << 6) | (c & 0x3F)) << 6) | (d & 0x3F));
        }
        return 0xFFFD; // a stray continuation byte or a lead of four bytes or more
    }
    const unsigned first = readByte();
    const unsigned second = readByte();
    return static_cast<char16_t>(encoding_ == Utf16BigEndian ? (first << 8) | second
                                                             : first | (second << 8));
}

template <typename Unit, typename Next>
bool TextFile::readUnits(std::basic_string<Unit>& line, Next next) {
    line.clear();
    if (endOfFile_) {
        return false;
    }
    char16_t ch = next();
    if (firstLine_) {
        firstLine_ = false;
    } else {
        // The terminator that ended the previous line comes first: CR LF, CR or LF.
        if (ch == 13) {
            ch = next();
        }
        if (ch == 10) {
            ch = next();
        }
    }
    while (ch != 13 && ch != 10) {
        if (endOfFile_) {
            break;
        }
        if (line.size() >= kLongestLineBytes / sizeof(Unit)) {
            failRead(EFBIG);
        }
        line.push_back(static_cast<Unit>(ch));
        ch = next();
    }
    pushedBackChar_ = ch;
    pushedBack_ = true;
    return true;
}

bool TextFile::readLine(std::u16string& line) {
    if (encoding_ == AnsiText) {
        std::string bytes;
        const bool got = readUnits(bytes, [this] { return static_cast<char16_t>(readByte()); });
        line = ansiToWide(bytes);
        return got;
    }
    return readUnits(line, [this] { return readChar(); });
}

bool TextFile::readLine(std::string& line) {
    if (encoding_ == AnsiText) {
        return readUnits(line, [this] { return static_cast<char16_t>(readByte()); });
    }
    std::u16string wide;
    const bool got = readUnits(wide, [this] { return readChar(); });
    line = wideToAnsi(wide);
    return got;
}
