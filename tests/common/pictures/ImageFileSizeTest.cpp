// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/pictures/ImageFileSize.h"

#include "ContentFiles.h"
#include "ExifJpeg.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>
#include <map>

namespace {

using Declared = std::optional<std::pair<std::uint32_t, std::uint32_t>>;

std::optional<ImageFileSize> probe(const std::string& bytes) {
    return readImageFileSize(
        std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
}

// Headers as the formats lay them out, declaring the size asked for, followed by a little data.
std::string pngDeclaring(std::uint32_t width, std::uint32_t height) {
    std::string sides;
    for (const std::uint32_t side : {width, height}) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            sides.push_back(static_cast<char>(side >> shift));
        }
    }
    return std::string("\x89PNG\r\n\x1a\n", 8) +
           png::chunk("IHDR", sides + std::string("\x08\x02\x00\x00\x00", 5)) +
           png::chunk("IDAT", std::string(64, '\0')) + png::chunk("IEND", "");
}

std::string svg(const std::string& attributes) {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" " + attributes +
           "><rect width=\"9\" height=\"9\" fill=\"red\"/></svg>";
}

} // namespace

// Every 6 x 4 sample, whole or cut short anywhere, declares 6 x 4 or nothing.
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
    ASSERT_EQ(samples.size(), 18u);
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
    const std::tuple<const char*, std::string, Declared, bool> cases[] = {
        {"a PNG declaring 4 x 2^31", pngDeclaring(4, 0x80000000u), {{4, 0x80000000u}}, false},
        {"a camera photo", pngDeclaring(6000, 4000), {{6000, 4000}}, true},
        {"a strip as high as decoded", pngDeclaring(1, 16384), {{1, 16384}}, true},
        {"a strip too high", pngDeclaring(1, 16385), {{1, 16385}}, false},
        {"a phone's 48-megapixel photo", jpegDeclaring(8000, 6000), {{8000, 6000}}, true},
        {"a photo of over 60 megapixels", jpegDeclaring(10000, 6001), {{10000, 6001}}, false},
        {"a PNG of 48 megapixels", pngDeclaring(8000, 6000), {{8000, 6000}}, false},
        {"SVG of 100000 x 100000", hugeVectorPicture(), {{100000, 100000}}, false},
        {"SVG in physical units", svg("width=\"2in\" height='25.4mm'"), {{192, 96}}, true},
        {"SVG percentages take the view box",
         svg("width=\"100%\" viewBox=\"0,0,30 20\""),
         {{30, 20}},
         true},
        {"SVG of no size at all", svg(""), std::nullopt, false},
    };
    for (const auto& [what, bytes, declared, decodable] : cases) {
        SCOPED_TRACE(what);
        const auto size = probe(bytes);
        ASSERT_EQ(size.has_value(), declared.has_value());
        if (size) {
            EXPECT_EQ(std::make_pair(size->width, size->height), *declared);
            EXPECT_EQ(isDecodableSize(*size), decodable);
        }
    }
}

// A JPEG's orientation comes from its camera metadata in either byte order, and turns its size;
// metadata that is damaged or hostile (offsets out of range, a directory that claims more than
// the segment holds; every row's directory links back to itself) leaves it upright.
TEST(ImageFileSizeTest, APhotosOrientationIsReadFromSoundMetadataOnly) {
    using O = PictureOrientation;
    const std::tuple<const char*, std::string, O> cases[] = {
        {"big-endian, a quarter turn", exifSegment(6), O::TurnClockwise},
        {"little-endian, mirrored", exifSegment(2, true), O::MirroredLeftRight},
        {"little-endian, a quarter turn back", exifSegment(8, true), O::TurnAnticlockwise},
        {"a value out of range", exifSegment(9), O::Upright},
        {"a value of the wrong type", exifSegment(6, false, 8, 1, 4), O::Upright},
        {"the directory past the segment", exifSegment(6, true, 0xFFFFFFF0u), O::Upright},
        {"the directory inside the header", exifSegment(6, false, 4), O::Upright},
        {"more entries than held", exifSegment(6, true, 8, 0xFFFF, 3, 0x0110), O::Upright},
        {"other metadata", std::string("\xFF\xE1\x00\x08Other\0", 10), O::Upright},
    };
    for (const auto& [what, segment, orientation] : cases) {
        SCOPED_TRACE(what);
        const std::string photo = withSegment(jpegDeclaring(400, 300), segment);
        const auto size = probe(photo);
        ASSERT_TRUE(size.has_value());
        EXPECT_EQ(size->orientation, orientation);
        EXPECT_EQ(std::make_pair(size->uprightWidth(), size->uprightHeight()),
                  swapsSides(orientation) ? std::make_pair(300u, 400u)
                                          : std::make_pair(400u, 300u));
        for (std::size_t length = 0; length < photo.size(); ++length) {
            const auto cut = probe(photo.substr(0, length));
            EXPECT_TRUE(!cut || cut->orientation == orientation) << length;
        }
    }
}
