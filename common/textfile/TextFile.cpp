#include "TextFile.h"

#include "common/text/CodePage.h"
#include "common/textfile/CTextFileException.h"

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
    if (open_) {
        detectEncoding();
    }
    return open_;
}

void TextFile::close() {
    input_.reset();
    open_ = false;
}

void TextFile::detectEncoding() {
    const unsigned char b0 = readByte();
    const unsigned char b1 = readByte();
    if (b0 == 0xFF && b1 == 0xFE) {
        encoding_ = Utf16LittleEndian;
    } else if (b0 == 0xFE && b1 == 0xFF) {
        encoding_ = Utf16BigEndian;
    } else if (b0 == 0xEF && b1 == 0xBB && readByte() == 0xBF) {
        encoding_ = Utf8Text;
    } else {
        encoding_ = AnsiText;
        rewind();
    }
}

void TextFile::rewind() {
    std::uint32_t error = 0;
    if (!input_->rewind(error)) {
        failRead(error);
    }
    position_ = -1;
    bytesInBuffer_ = 0;
    endOfFile_ = false;
    pushedBack_ = false;
    firstLine_ = true;
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
