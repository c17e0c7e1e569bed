// SPDX-License-Identifier: GPL-3.0-or-later
// Splits one log file's bytes, fed a piece at a time, into CSV records, so that a day of any size
// is read in the memory of one row: a quoted field may hold commas, doubled quotes and line
// breaks; CR LF and LF end a record; empty lines and a leading byte-order mark are passed over.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class LogRecordStream {
public:
    using Record = std::vector<std::string>;
    // Called with each whole record as soon as its line ends.
    explicit LogRecordStream(std::function<void(const Record&)> onRecord);

    // The next bytes of the file.
    void feed(std::string_view bytes);
    // The file has ended: a last record without a line end is given too, unless a quoted field
    // is still open, which means the file was cut in the middle of a row. True when it was.
    bool finish();

    // No log row comes near this; a record that grows past it (a quote never closed, a file that
    // is no log) is dropped rather than held.
    static constexpr std::size_t kLargestRecord = 64u << 10;

private:
    void add(char c);
    void endField();
    void endRecord();

    std::function<void(const Record&)> onRecord_;
    Record record_;
    std::string field_;
    std::size_t recordBytes_ = 0;
    bool quoted_ = false;
    bool quoteSeen_ = false; // a quote inside a quoted field: its end, or the first of a pair
    bool hasText_ = false;
    bool tooLarge_ = false;
    bool started_ = false; // past the byte-order mark, if any
    std::string start_;    // the first bytes, until it is known whether they are the mark
};
