// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/content/LogRecordStream.h"

#include <utility>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

LogRecordStream::LogRecordStream(std::function<void(const Record&)> onRecord)
    : onRecord_(std::move(onRecord)) {}

void LogRecordStream::feed(std::string_view bytes) {
    while (!started_ && !bytes.empty()) {
        start_ += bytes.front();
        bytes.remove_prefix(1);
        if (start_ == kByteOrderMark) {
            started_ = true;
        } else if (kByteOrderMark.substr(0, start_.size()) != start_) {
            started_ = true;
            for (const char c : start_) {
                add(c);
            }
        }
    }
    for (const char c : bytes) {
        add(c);
    }
}

bool LogRecordStream::finish() {
    if (!started_) {
        started_ = true;
        for (const char c : std::exchange(start_, {})) {
            add(c);
        }
    }
    if (quoteSeen_) {
        quoted_ = quoteSeen_ = false; // the file ends right after a closing quote
    }
    const bool cut = quoted_;
    if (cut) {
        tooLarge_ = true; // the torn row is not given
    }
    endRecord();
    quoted_ = false;
    return cut;
}

void LogRecordStream::add(char c) {
    if (++recordBytes_ > kLargestRecord && !tooLarge_) {
        tooLarge_ = true;
        record_.clear();
        field_.clear();
    }
    if (quoted_) {
        if (!std::exchange(quoteSeen_, false)) {
            if (c == '"') {
                quoteSeen_ = true;
            } else if (!tooLarge_) {
                field_ += c;
            }
            return;
        }
        if (c == '"') {
            field_ += tooLarge_ ? "" : "\"";
            return;
        }
        quoted_ = false; // the quote before was the field's end
    }
    switch (c) {
    case '"':
        quoted_ = true;
        hasText_ = true;
        break;
    case ',':
        endField();
        hasText_ = true;
        break;
    case '\r':
        break;
    case '\n':
        endRecord();
        break;
    default:
        if (!tooLarge_) {
            field_ += c;
        }
        hasText_ = true;
    }
}

void LogRecordStream::endField() {
    if (!tooLarge_) {
        record_.push_back(std::move(field_));
    }
    field_.clear();
}

void LogRecordStream::endRecord() {
    if (hasText_ && !tooLarge_) {
        endField();
        onRecord_(record_);
    }
    record_.clear();
    field_.clear();
    recordBytes_ = 0;
    hasText_ = false;
    tooLarge_ = false;
}
