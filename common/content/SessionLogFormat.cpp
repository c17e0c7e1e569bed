// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionLogFormat.h"

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    quoted += '"';
    return quoted;
}

std::vector<std::vector<std::string>> readCsv(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record;
    std::string field;
    bool quoted = false;
    bool recordHasText = false;
    auto endRecord = [&] {
        if (recordHasText) {
            record.push_back(std::move(field));
            records.push_back(std::move(record));
        }
        record.clear();
        field.clear();
        recordHasText = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"') {
                field += c;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else {
                quoted = false;
            }
            continue;
        }
        switch (c) {
        case '"':
            quoted = true;
            recordHasText = true;
            break;
        case ',':
            record.push_back(std::move(field));
            field.clear();
            recordHasText = true;
            break;
        case '\r':
            break;
        case '\n':
            endRecord();
            break;
        default:
            field += c;
            recordHasText = true;
        }
    }
    endRecord();
    return records;
}
