// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/pictures/ImageFileSize.h"

#include "ContentFiles.h"
#include "TemporaryFolder.h"
#include "common/files/DiskFileSystem.h"
#include "common/pictures/PictureFile.h"

#include <gtest/gtest.h>
#include <map>
#include <unistd.h>

namespace {

using Declared = std::optional<std::pair<std::uint32_t, std::uint32_t>>;

std::optional<ImageFileSize> probe(const std::string& bytes) {
    return readImageFileSize(
        std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
}

std::string littleEndian(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
    return out;
}

std::string bigEndian(std::uint32_t value, int bytes) {
    std::string out = littleEndian(value, bytes);
    return std::string(out.rbegin(), out.rend());
}

// Headers as the formats lay them out, declaring the size asked for, followed by a little data.
std::string pngDeclaring(std::uint32_t width, std::uint32_t height) {
    return std::string("\x89PNG\r\n\x1a\n", 8) +
           png::chunk("IHDR", bigEndian(width, 4) + bigEndian(height, 4) +
                                  std::string("\x08\x02\x00\x00\x00", 5)) +
           png::chunk("IDAT", std::string(64, '\0')) + png::chunk("IEND", "");
}

std::string bmpDeclaring(std::int32_t width, std::int32_t height) {
    return "BM" + littleEndian(54 + 64, 4) + littleEndian(0, 4) + littleEndian(54, 4) +
           littleEndian(40, 4) + littleEndian(static_cast<std::uint32_t>(width), 4) +
           littleEndian(static_cast<std::uint32_t>(height), 4) + littleEndian(1, 2) +
           littleEndian(24, 2) + std::string(24, '\0') + std::string(64, '\x7f');
}

std::string gifDeclaring(std::uint32_t canvasWidth, std::uint32_t canvasHeight,
                         std::uint32_t frameWidth, std::uint32_t frameHeight) {
    return "GIF89a" + littleEndian(canvasWidth, 2) + littleEndian(canvasHeight, 2) +
           std::string("\x80\x00\x00\x20\xc0\x40\x00\x00\x00", 9) +
           std::string("\x21\xf9\x04\x00\x00\x00\x00\x00", 8) + "\x2c" + littleEndian(0, 4) +
           littleEndian(frameWidth, 2) + littleEndian(frameHeight, 2) +
           std::string("\x00\x02\x02\x44\x01\x00\x3b", 7);
}

std::string tiffDeclaring(std::uint32_t width, std::uint32_t height) {
    auto entry = [](std::uint32_t tag, std::uint32_t value) {
        return littleEndian(tag, 2) + littleEndian(4, 2) + littleEndian(1, 4) +
               littleEndian(value, 4);
    };
    return std::string("II*\0", 4) + littleEndian(8, 4) + littleEndian(2, 2) + entry(256, width) +
           entry(257, height) + littleEndian(0, 4) + std::string(64, '\0');
}

std::string webpDeclaring(std::uint32_t width, std::uint32_t height) {
    return "RIFF" + littleEndian(4 + 18 + 64, 4) + "WEBPVP8X" + littleEndian(10, 4) +
           littleEndian(0, 4) + littleEndian(width - 1, 3) + littleEndian(height - 1, 3) +
           std::string(64, '\0');
}

std::string svg(const std::string& attributes) {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" " + attributes +
           "><rect width=\"9\" height=\"9\" fill=\"red\"/></svg>";
}

} // namespace

// The 6 x 4 sample of every format and header variant, whole and cut short at any byte: whole it
// declares 6 x 4, cut short 6 x 4 or nothing.
TEST(ImageFileSizeTest, EverySampleDeclaresItsSizeWholeOrCutShort) {
    const std::map<std::string, ImageFormat> formats = {
        {".gif", ImageFormat::Gif},  {".jpg", ImageFormat::Jpeg},  {".bmp", ImageFormat::Bmp},
        {".tif", ImageFormat::Tiff}, {".webp", ImageFormat::WebP}, {".svg", ImageFormat::Svg},
        {".png", ImageFormat::Png}};
    std::vector<std::pair<std::string, std::string>> samples = {
        {"made.png", solidPng(0x20C040, 6, 4)}};
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(VIMO_TEST_DATA) + "/robustness")) {
        if (entry.path().stem().string().starts_with("green-viewbox") ||
            !formats.contains(entry.path().extension().string())) {
            continue; // 60 x 40, in the table below
        }
        samples.emplace_back(entry.path().filename().string(),
                             TemporaryFolder::readFile(entry.path()));
    }
    ASSERT_EQ(samples.size(), 15u);
    for (const auto& [name, bytes] : samples) {
        SCOPED_TRACE(name);
        const auto size = probe(bytes);
        ASSERT_TRUE(size.has_value());
        EXPECT_EQ(size->format, formats.at(std::filesystem::path(name).extension().string()));
        EXPECT_EQ(std::make_pair(size->width, size->height), std::make_pair(6u, 4u));
        for (std::size_t length = 0; length < bytes.size(); ++length) {
            if (const auto cut = probe(bytes.substr(0, length))) {
                EXPECT_EQ(std::make_pair(cut->width, cut->height), std::make_pair(6u, 4u))
                    << length;
            }
        }
    }
}

// Sizes no game needs are read from the header alone and are not decodable; an SVG's size comes
// from its outer element, in pixels at 96 per inch, or its view box where they are not lengths.
TEST(ImageFileSizeTest, HeadersDeclaringAnySizeAreReadAndHugeOnesAreNotDecoded) {
    struct Case {
        const char* what;
        std::string bytes;
        Declared declared;
        bool decodable;
    };
    const Case cases[] = {
        {"a real PNG of 10000 x 10000",
         png::solidRgb(10000, 10000, 0xFF0000),
         {{10000, 10000}},
         false},
        {"a PNG declaring 4 x 2^31", pngDeclaring(4, 0x80000000u), {{4, 0x80000000u}}, false},
        {"a PNG declaring 20000 x 1", pngDeclaring(20000, 1), {{20000, 1}}, false},
        {"a camera photo", pngDeclaring(6000, 4000), {{6000, 4000}}, true},
        {"a BMP stored top down", bmpDeclaring(30000, -30000), {{30000, 30000}}, false},
        {"a BMP of negative width", bmpDeclaring(-5, 4), std::nullopt, false},
        {"a BMP of the lowest height", bmpDeclaring(5, INT32_MIN), std::nullopt, false},
        {"a GIF canvas of 60000 x 60000",
         gifDeclaring(60000, 60000, 6, 4),
         {{60000, 60000}},
         false},
        {"a GIF frame larger than its canvas",
         gifDeclaring(6, 4, 60000, 60000),
         {{60000, 60000}},
         false},
        {"a TIFF of 100000 x 100000", tiffDeclaring(100000, 100000), {{100000, 100000}}, false},
        {"a WebP of 16000 x 16000", webpDeclaring(16000, 16000), {{16000, 16000}}, false},
        {"a pixmap in text", "/* XPM */\nstatic char *x[] = {\n\"10 10 1 1\",\n", std::nullopt,
         false},
        {"SVG of 100000 x 100000", hugeVectorPicture(), {{100000, 100000}}, false},
        {"SVG in pixels", svg("width=\"6\" height=\"4px\""), {{6, 4}}, true},
        {"SVG in physical units", svg("width=\"2in\" height='25.4mm'"), {{192, 96}}, true},
        {"SVG fractions round up", svg("width=\"10.2\" height=\"1e1\""), {{11, 10}}, true},
        {"SVG view box alone",
         TemporaryFolder::readFile(std::string(VIMO_TEST_DATA) + "/robustness/green-viewbox.svg"),
         {{60, 40}},
         true},
        {"SVG percentages take the view box",
         svg("width=\"100%\" viewBox=\"0,0,30 20\""),
         {{30, 20}},
         true},
        {"SVG after a mark, a declaration, a comment and a document type",
         "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- <svg width=\"1\" height=\"1\"> -->\n"
         "<!DOCTYPE svg>\n" +
             svg("width=\"8\" height=\"5\""),
         {{8, 5}},
         true},
        {"SVG of no size at all", svg(""), std::nullopt, false},
        {"SVG of zero width", svg("width=\"0\" height=\"4\" viewBox=\"0 0 6 4\""), std::nullopt,
         false},
        {"SVG cut inside the element", svg("width=\"6\" height=\"4\"").substr(0, 60), std::nullopt,
         false},
        {"text before the SVG", "hello " + svg("width=\"6\" height=\"4\""), std::nullopt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto size = probe(c.bytes);
        ASSERT_EQ(size.has_value(), c.declared.has_value());
        if (size) {
            EXPECT_EQ(std::make_pair(size->width, size->height), *c.declared);
            EXPECT_EQ(isDecodableSize(*size), c.decodable);
        }
    }
}

// A file of gigabytes with a small picture's header (sparse, so the test costs no disk) is passed
// over at once, as a file that cannot be read; the same picture of its own size is read.
TEST(PictureFileTest, AFileOfGigabytesIsNeverRead) {
    TemporaryFolder folder;
    DiskFileSystem files{folder.path()};
    folder.write("big.png", solidPng(0x20C040, 6, 4));
    ASSERT_EQ(::truncate((folder.path() / "big.png").c_str(), off_t{2} << 30), 0);
    folder.write("small.png", solidPng(0x20C040, 6, 4));
    EXPECT_FALSE(readPictureFile(*files.openForReading(u"big.png")).has_value());
    EXPECT_TRUE(readPictureFile(*files.openForReading(u"small.png")).has_value());
}
