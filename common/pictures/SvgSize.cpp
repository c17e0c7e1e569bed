// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/pictures/SvgSize.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>
#include <utility>

namespace {

using Bytes = std::span<const unsigned char>;

// An SVG is text: markup from its first character (after a byte-order mark and white space), with
// its outer element soon after whatever declaration, comment or document type comes first.
constexpr std::size_t kSvgElementWithin = 65536;

bool isSpace(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isSpace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

// Where the outer element's attributes begin, just after "<svg". Comments are skipped, since the
// element may appear inside one as text.
std::optional<std::size_t> svgElement(Bytes b) {
    std::size_t at = b.size() >= 3 && std::memcmp(b.data(), "\xEF\xBB\xBF", 3) == 0 ? 3 : 0;
    while (at < b.size() && isSpace(b[at])) {
        ++at;
    }
    if (at >= b.size() || b[at] != '<') {
        return std::nullopt;
    }
    const std::string_view text(reinterpret_cast<const char*>(b.data()),
                                std::min(b.size(), kSvgElementWithin));
    while ((at = text.find('<', at)) != std::string_view::npos) {
        if (text.compare(at, 4, "<!--") == 0) {
            at = text.find("-->", at + 4);
            if (at == std::string_view::npos) {
                return std::nullopt;
            }
            continue;
        }
        if (text.compare(at, 4, "<svg") == 0 && at + 4 < text.size()) {
            const auto next = static_cast<unsigned char>(text[at + 4]);
            if (isSpace(next) || next == '>' || next == '/') {
                return at + 4;
            }
        }
        ++at;
    }
    return std::nullopt;
}

struct SvgAttributes {
    std::string_view width;
    std::string_view height;
    std::string_view viewBox;
};

// The attributes of the element from `at` up to its closing '>'; nothing when cut short.
std::optional<SvgAttributes> svgAttributes(Bytes b, std::size_t at) {
    const std::string_view text(reinterpret_cast<const char*>(b.data()), b.size());
    SvgAttributes found;
    for (;;) {
        while (at < text.size() && isSpace(static_cast<unsigned char>(text[at]))) {
            ++at;
        }
        if (at >= text.size()) {
            return std::nullopt;
        }
        if (text[at] == '>' || text[at] == '/') {
            return found;
        }
        const std::size_t nameEnd = text.find_first_of("= \t\r\n/>", at);
        if (nameEnd == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view name = text.substr(at, nameEnd - at);
        at = nameEnd;
        while (at < text.size() && isSpace(static_cast<unsigned char>(text[at]))) {
            ++at;
        }
        if (at >= text.size() || text[at] != '=') {
            continue; // an attribute without a value
        }
        ++at;
        while (at < text.size() && isSpace(static_cast<unsigned char>(text[at]))) {
            ++at;
        }
        if (at >= text.size() || (text[at] != '"' && text[at] != '\'')) {
            return std::nullopt;
        }
        const std::size_t close = text.find(text[at], at + 1);
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view value = text.substr(at + 1, close - at - 1);
        at = close + 1;
        if (name == "width") {
            found.width = value;
        } else if (name == "height") {
            found.height = value;
        } else if (name == "viewBox") {
            found.viewBox = value;
        }
    }
}

// A number at the start of the text, and what follows it.
std::optional<double> leadingNumber(std::string_view& text) {
    text = trimmed(text);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || !std::isfinite(value)) {
        return std::nullopt;
    }
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

// A length in pixels at 96 per inch; nothing for a percentage, a unit relative to the text, or
// anything that is not a length.
std::optional<double> svgLength(std::string_view text) {
    const std::optional<double> number = leadingNumber(text);
    if (!number) {
        return std::nullopt;
    }
    const std::string_view unit = trimmed(text);
    const std::pair<std::string_view, double> units[] = {
        {"", 1.0},           {"px", 1.0},         {"pt", 96.0 / 72.0}, {"pc", 16.0},
        {"mm", 96.0 / 25.4}, {"cm", 96.0 / 2.54}, {"in", 96.0},
    };
    for (const auto& [name, pixels] : units) {
        if (unit == name) {
            return *number * pixels;
        }
    }
    return std::nullopt;
}

// The view box's width and height, its third and fourth numbers.
std::optional<std::pair<double, double>> svgViewBoxSize(std::string_view text) {
    double numbers[4] = {};
    for (double& number : numbers) {
        text = trimmed(text);
        if (!text.empty() && text.front() == ',') {
            text.remove_prefix(1);
        }
        const std::optional<double> value = leadingNumber(text);
        if (!value) {
            return std::nullopt;
        }
        number = *value;
    }
    return std::pair{numbers[2], numbers[3]};
}

std::uint32_t svgPixels(double length) {
    if (!(length > 0)) {
        return 0;
    }
    // Up to whole pixels, but a length that converts to whole pixels save for rounding stays so.
    return length >= 4294967295.0 ? UINT32_MAX
                                  : static_cast<std::uint32_t>(std::ceil(length - 1e-6));
}

} // namespace

std::optional<SvgSize> readSvgSize(std::span<const unsigned char> bytes) {
    const std::optional<std::size_t> element = svgElement(bytes);
    if (!element) {
        return std::nullopt;
    }
    const std::optional<SvgAttributes> attributes = svgAttributes(bytes, *element);
    if (!attributes) {
        return std::nullopt;
    }
    std::optional<double> width = svgLength(attributes->width);
    std::optional<double> height = svgLength(attributes->height);
    if (!width || !height) {
        const auto box = svgViewBoxSize(attributes->viewBox);
        if (!box) {
            return std::nullopt;
        }
        if (!width) {
            width = box->first;
        }
        if (!height) {
            height = box->second;
        }
    }
    return SvgSize{svgPixels(*width), svgPixels(*height)};
}
