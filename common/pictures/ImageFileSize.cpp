// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/pictures/ImageFileSize.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

namespace {

constexpr std::uint64_t kLargestPicturePixels = 25'000'000;
constexpr std::uint32_t kLargestPictureSide = 16'384;

using Bytes = std::span<const unsigned char>;

bool startsWith(Bytes bytes, std::size_t at, const char* text) {
    const std::size_t length = std::strlen(text);
    return at + length <= bytes.size() && std::memcmp(bytes.data() + at, text, length) == 0;
}

std::uint32_t bigEndian(Bytes b, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
        value = value << 8 | b[at + static_cast<std::size_t>(i)];
    }
    return value;
}

std::uint32_t littleEndian(Bytes b, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | b[at + static_cast<std::size_t>(i)];
    }
    return value;
}

std::optional<ImageFileSize> sized(ImageFormat format, std::uint32_t width, std::uint32_t height) {
    if (width == 0 || height == 0) {
        return std::nullopt;
    }
    return ImageFileSize{format, width, height};
}

std::optional<ImageFileSize> png(Bytes b) {
    if (b.size() < 24 || !startsWith(b, 12, "IHDR")) {
        return std::nullopt;
    }
    return sized(ImageFormat::Png, bigEndian(b, 16, 4), bigEndian(b, 20, 4));
}

// The first start-of-frame segment holds the size; segments before it are skipped by length.
std::optional<ImageFileSize> jpeg(Bytes b) {
    std::size_t at = 2;
    while (at + 1 < b.size()) {
        if (b[at] != 0xFF) {
            return std::nullopt;
        }
        const unsigned marker = b[at + 1];
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        at += 2;
        if (marker == 0x01 || marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7)) {
            continue; // markers without a segment
        }
        if (marker == 0xD9 || marker == 0xDA || at + 2 > b.size()) {
            return std::nullopt; // the picture data or the end came before any frame
        }
        const std::uint32_t length = bigEndian(b, at, 2);
        const bool startOfFrame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (startOfFrame) {
            if (length < 7 || at + 7 > b.size()) {
                return std::nullopt;
            }
            return sized(ImageFormat::Jpeg, bigEndian(b, at + 5, 2), bigEndian(b, at + 3, 2));
        }
        if (length < 2) {
            return std::nullopt;
        }
        at += length;
    }
    return std::nullopt;
}

std::optional<ImageFileSize> gif(Bytes b) {
    if (b.size() < 13) {
        return std::nullopt;
    }
    const std::uint32_t canvasWidth = littleEndian(b, 6, 2);
    const std::uint32_t canvasHeight = littleEndian(b, 8, 2);
    std::size_t at = 13;
    if ((b[10] & 0x80) != 0) {
        at += std::size_t{3} << ((b[10] & 7) + 1); // the global colour table
    }
    while (at < b.size()) {
        if (b[at] == 0x21) { // an extension: label, then sub-blocks up to an empty one
            at += 2;
            while (at < b.size() && b[at] != 0) {
                at += std::size_t{b[at]} + 1;
            }
            ++at;
        } else if (b[at] == 0x2C) { // the first frame
            if (at + 9 > b.size()) {
                return std::nullopt;
            }
            return sized(ImageFormat::Gif, std::max(canvasWidth, littleEndian(b, at + 5, 2)),
                         std::max(canvasHeight, littleEndian(b, at + 7, 2)));
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<ImageFileSize> bmp(Bytes b) {
    if (b.size() < 26) {
        return std::nullopt;
    }
    if (littleEndian(b, 14, 4) == 12) { // the old header with 16-bit sizes
        return sized(ImageFormat::Bmp, littleEndian(b, 18, 2), littleEndian(b, 20, 2));
    }
    const auto width = static_cast<std::int32_t>(littleEndian(b, 18, 4));
    const auto height = static_cast<std::int32_t>(littleEndian(b, 22, 4));
    if (width <= 0 || height == INT32_MIN) {
        return std::nullopt;
    }
    // A negative height means rows stored top down.
    return sized(ImageFormat::Bmp, static_cast<std::uint32_t>(width),
                 static_cast<std::uint32_t>(height < 0 ? -height : height));
}

// The width and length tags of the first directory.
std::optional<ImageFileSize> tiff(Bytes b) {
    const bool little = b[0] == 'I';
    auto number = [&](std::size_t at, int count) {
        return little ? littleEndian(b, at, count) : bigEndian(b, at, count);
    };
    const std::size_t directory = number(4, 4);
    if (directory + 2 > b.size() || directory < 8) {
        return std::nullopt;
    }
    const std::size_t entries = number(directory, 2);
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t entry = directory + 2 + i * 12;
        if (entry + 12 > b.size()) {
            return std::nullopt;
        }
        const std::uint32_t tag = number(entry, 2);
        const std::uint32_t type = number(entry + 2, 2);
        if (tag != 256 && tag != 257) {
            continue;
        }
        std::uint32_t value = 0;
        if (type == 3) { // SHORT
            value = number(entry + 8, 2);
        } else if (type == 4) { // LONG
            value = number(entry + 8, 4);
        } else {
            return std::nullopt;
        }
        (tag == 256 ? width : height) = value;
    }
    return sized(ImageFormat::Tiff, width, height);
}

std::optional<ImageFileSize> webp(Bytes b) {
    if (b.size() < 30) {
        return std::nullopt;
    }
    if (startsWith(b, 12, "VP8 ")) {
        return sized(ImageFormat::WebP, littleEndian(b, 26, 2) & 0x3FFF,
                     littleEndian(b, 28, 2) & 0x3FFF);
    }
    if (startsWith(b, 12, "VP8L")) {
        const std::uint32_t bits = littleEndian(b, 21, 4);
        return sized(ImageFormat::WebP, (bits & 0x3FFF) + 1, ((bits >> 14) & 0x3FFF) + 1);
    }
    if (startsWith(b, 12, "VP8X")) {
        return sized(ImageFormat::WebP, littleEndian(b, 24, 3) + 1, littleEndian(b, 27, 3) + 1);
    }
    return std::nullopt;
}

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
    std::size_t at = startsWith(b, 0, "\xEF\xBB\xBF") ? 3 : 0;
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

std::optional<ImageFileSize> svg(Bytes b) {
    const std::optional<std::size_t> element = svgElement(b);
    if (!element) {
        return std::nullopt;
    }
    const std::optional<SvgAttributes> attributes = svgAttributes(b, *element);
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
    return sized(ImageFormat::Svg, svgPixels(*width), svgPixels(*height));
}

} // namespace

std::optional<ImageFileSize> readImageFileSize(std::span<const unsigned char> bytes) {
    if (startsWith(bytes, 0, "\x89PNG\r\n\x1a\n")) {
        return png(bytes);
    }
    if (startsWith(bytes, 0, "\xFF\xD8")) {
        return jpeg(bytes);
    }
    if (startsWith(bytes, 0, "GIF87a") || startsWith(bytes, 0, "GIF89a")) {
        return gif(bytes);
    }
    if (startsWith(bytes, 0, "BM")) {
        return bmp(bytes);
    }
    if (bytes.size() >= 8 && (std::memcmp(bytes.data(), "II*\0", 4) == 0 ||
                              std::memcmp(bytes.data(), "MM\0*", 4) == 0)) {
        return tiff(bytes);
    }
    if (startsWith(bytes, 0, "RIFF") && startsWith(bytes, 8, "WEBP")) {
        return webp(bytes);
    }
    return svg(bytes);
}

bool isDecodableSize(const ImageFileSize& size) {
    return size.width <= kLargestPictureSide && size.height <= kLargestPictureSide &&
           std::uint64_t{size.width} * size.height <= kLargestPicturePixels;
}
