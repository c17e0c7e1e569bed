// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

bool isCSpace(char32_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}
bool isDigit(char32_t c) {
    return c >= u'0' && c <= u'9';
}

template <typename Char> std::int32_t parseLongImpl(std::basic_string_view<Char> text) {
    std::size_t i = 0;
    while (i < text.size() && isCSpace(static_cast<char32_t>(text[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint32_t value = 0;
    while (i < text.size() && isDigit(static_cast<char32_t>(text[i]))) {
        value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
        ++i;
    }
    if (negative) {
        value = 0u - value;
    }
    return static_cast<std::int32_t>(value);
}

} // namespace

std::int32_t parseLong(std::u16string_view text) {
    return parseLongImpl(text);
}
std::int32_t parseLong(std::string_view text) {
    return parseLongImpl(text);
}

double parseDecimal(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isCSpace(text[i])) {
        ++i;
    }
    // Only the characters a decimal number can hold; anything else ends it.
    std::string ascii;
    for (; i < text.size() && ascii.size() < 512; ++i) {
        const char16_t c = text[i];
        if (!(isDigit(c) || c == u'.' || c == u'e' || c == u'E' || c == u'+' || c == u'-')) {
            break;
        }
        ascii.push_back(static_cast<char>(c));
    }
    std::size_t start = 0;
    bool negative = false;
    if (!ascii.empty() && (ascii[0] == '-' || ascii[0] == '+')) {
        negative = ascii[0] == '-';
        start = 1;
    }
    if (start >= ascii.size() || !(isDigit(ascii[start]) || ascii[start] == '.')) {
        return 0.0;
    }
    double value = 0.0;
    const char* first = ascii.data() + start;
    const char* last = ascii.data() + ascii.size();
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Like strtod: too large gives infinity, too small gives zero.
        std::string_view digits(first, static_cast<std::size_t>(result.ptr - first));
        const auto exponentAt = digits.find_first_of("eE");
        const bool tiny = exponentAt != std::string_view::npos && exponentAt + 1 < digits.size() &&
                          digits[exponentAt + 1] == '-';
        value = tiny ? 0.0 : HUGE_VAL;
    } else if (result.ec != std::errc()) {
        return 0.0;
    }
    return negative ? -value : value;
}

std::string formatSignificant(double value, int digits) {
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-inf" : "inf";
    }
    std::string sign = std::signbit(value) && value != 0.0 ? "-" : "";
    const double magnitude = std::fabs(value);
    if (magnitude == 0.0) {
        return "0.";
    }
    // Round to `digits` significant digits first; the exponent is the one after rounding.
    char scientific[64];
    std::snprintf(scientific, sizeof scientific, "%.*e", digits - 1, magnitude);
    std::string mantissa;
    int exponent = 0;
    {
        const char* p = scientific;
        for (; *p && *p != 'e'; ++p) {
            if (isDigit(static_cast<unsigned char>(*p))) { // any decimal point is skipped
                mantissa.push_back(*p);
            }
        }
        exponent = std::atoi(p + 1);
    }
    while (mantissa.size() > 1 && mantissa.back() == '0') {
        mantissa.pop_back();
    }
    std::string text;
    if (magnitude >= 0.1 && exponent < digits) {
        if (exponent < 0) { // 0.1 <= value < 1
            text = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
        } else {
            const auto whole = static_cast<std::size_t>(exponent + 1);
            if (mantissa.size() <= whole) {
                text = mantissa + std::string(whole - mantissa.size(), '0') + ".";
            } else {
                text = mantissa.substr(0, whole) + "." + mantissa.substr(whole);
            }
        }
    } else {
        char exponentText[16];
        std::snprintf(exponentText, sizeof exponentText, "e%c%03d", exponent < 0 ? '-' : '+',
                      exponent < 0 ? -exponent : exponent);
        text = mantissa.substr(0, 1) + "." + mantissa.substr(1) + exponentText;
    }
    return sign + text;
}
