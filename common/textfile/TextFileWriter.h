// SPDX-License-Identifier: GPL-3.0-or-later
// Writes line-oriented text in a chosen encoding, with its byte-order mark. The file on disk is
// replaced only when `close` succeeds: a failure part-way through raises CTextFileException and
// leaves the previous file whole.
#pragma once

#include "common/files/FileSystem.h"
#include "common/textfile/TextEncoding.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

class TextFileWriter {
public:
    TextFileWriter() = default;
    // Closes the file if the caller did not; a failure then is swallowed and the previous file
    // stays, so callers that must know call close() themselves.
    ~TextFileWriter();
    TextFileWriter(const TextFileWriter&) = delete;
    TextFileWriter& operator=(const TextFileWriter&) = delete;

    // False (and nothing written) when the file cannot be created or replaced; `error` then
    // holds the system's reason.
    bool openForWriting(FileSystem& files, std::u16string_view path, int encoding,
                        std::uint32_t& error);
    bool openForWriting(FileSystem& files, std::u16string_view path, int encoding);

    void write(std::u16string_view text);
    // 8-bit text in the system code page.
    void write(std::string_view bytes);
    void write(int value);
    // A 32-bit long, as on the system this format comes from.
    void write(long value);
    // 12 significant digits in the shortest form ("0.20000000298", "1.").
    void write(double value);
    void writeEndOfLine();

    // Flushes and puts the file in place; raises CTextFileException when that fails.
    void close();

    bool isOpen() const { return output_ != nullptr; }
    int encoding() const { return encoding_; }

private:
    void writeByte(unsigned char byte) {
        if (used_ == buffer_.size()) {
            flush();
        }
        buffer_[used_++] = byte;
    }
    void writeUnit(char16_t unit);
    void flush();
    [[noreturn]] void failWrite(std::uint32_t error);

    std::unique_ptr<OutputStream> output_;
    int encoding_ = AnsiText;
    std::array<unsigned char, kTextFileBlockSize> buffer_{};
    std::size_t used_ = 0; // bytes waiting in the buffer
};
