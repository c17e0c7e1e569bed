// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFileWriter.h"

#include "common/text/CodePage.h"
#include "common/text/NumberText.h"
#include "common/textfile/CTextFileException.h"

#include <cerrno>
#include <string>

TextFileWriter::~TextFileWriter() {
    try {
        close();
    } catch (const CTextFileException&) {
        // Nothing reached the target; the previous file is whole.
    }
}

bool TextFileWriter::openForWriting(FileSystem& files, std::u16string_view path, int encoding) {
    std::uint32_t error = 0;
    return openForWriting(files, path, encoding, error);
}

bool TextFileWriter::openForWriting(FileSystem& files, std::u16string_view path, int encoding,
                                    std::uint32_t& error) {
    close();
    output_ = files.openForReplacing(path, error);
    encoding_ = encoding;
    used_ = 0;
    if (!output_) {
        return false;
    }
    for (char byte : byteOrderMark(encoding_)) {
        writeByte(static_cast<unsigned char>(byte));
    }
    return true;
}

void TextFileWriter::write(std::u16string_view text) {
    if (encoding_ == AnsiText) {
        write(std::string_view(wideToAnsi(text)));
        return;
    }
    for (char16_t unit : text) {
        writeUnit(unit);
    }
}

void TextFileWriter::write(std::string_view bytes) {
    if (encoding_ != AnsiText) {
        write(std::u16string_view(ansiToWide(bytes)));
        return;
    }
    for (char byte : bytes) {
        writeByte(static_cast<unsigned char>(byte));
    }
}

void TextFileWriter::write(int value) {
    const std::string digits = std::to_string(value);
    write(std::u16string(digits.begin(), digits.end()));
}

void TextFileWriter::write(long value) {
    write(static_cast<int>(static_cast<std::int32_t>(value)));
}

void TextFileWriter::write(double value) {
    write(std::string_view(formatSignificant(value, 12)));
}

void TextFileWriter::writeEndOfLine() {
    if (encoding_ == AnsiText) {
        writeByte(13), writeByte(10);
    } else {
        writeUnit(13), writeUnit(10);
    }
}

void TextFileWriter::writeUnit(char16_t unit) {
    switch (encoding_) {
    case Utf16BigEndian:
        writeByte(static_cast<unsigned char>(unit >> 8));
        writeByte(static_cast<unsigned char>(unit & 0xFF));
        break;
    case Utf16LittleEndian:
        writeByte(static_cast<unsigned char>(unit & 0xFF));
        writeByte(static_cast<unsigned char>(unit >> 8));
        break;
    default: // UTF-8; surrogate pairs are written unit by unit, as the reader reads them back
        if (unit <= 0x7F) {
            writeByte(static_cast<unsigned char>(unit));
        } else if (unit <= 0x7FF) {
            writeByte(static_cast<unsigned char>((unit >> 6) | 0xC0));
            writeByte(static_cast<unsigned char>((unit & 0x3F) | 0x80));
        } else {
            writeByte(static_cast<unsigned char>((unit >> 12) | 0xE0));
            writeByte(static_cast<unsigned char>(((unit >> 6) & 0x3F) | 0x80));
            writeByte(static_cast<unsigned char>((unit & 0x3F) | 0x80));
        }
        break;
    }
}

void TextFileWriter::flush() {
    if (!output_) {
        failWrite(EBADF);
    }
    std::uint32_t error = 0;
    if (used_ > 0 && !output_->write(buffer_.data(), used_, error)) {
        failWrite(error);
    }
    used_ = 0;
}

void TextFileWriter::close() {
    if (output_) {
        flush();
        std::uint32_t error = 0;
        if (!output_->commit(error)) {
            failWrite(error);
        }
        output_.reset();
    }
    used_ = 0;
}

void TextFileWriter::failWrite(std::uint32_t error) {
    output_.reset(); // discards what was written; the previous file stays
    used_ = 0;
    throw CTextFileException(error);
}
