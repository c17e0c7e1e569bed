// SPDX-License-Identifier: GPL-3.0-or-later
// Picture files of every format a content folder may hold, whole, cut short, or declaring sizes
// no game needs, loaded by the real drawing back end: what can show, shows; what would take
// gigabytes to decode is turned away before it is decoded.
#include "ContentFiles.h"
#include "ResidentMemory.h"
#include "SoftwareCanvas.h"
#include "common/pictures/ImageFileSize.h"
#include "game/gfx/Picture.h"

#include <SDL_image.h>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace {

constexpr std::uint32_t kGreen = 0x20C040;
constexpr std::uint32_t kRed = 0xFF0000;

std::string dataFile(const std::string& name) {
    return TemporaryFolder::readFile(std::string(VIMO_TEST_DATA) + "/robustness/" + name);
}

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
           std::string("\x80\x00\x00", 3) + std::string("\x20\xc0\x40\x00\x00\x00", 6) +
           std::string("\x21\xf9\x04\x00\x00\x00\x00\x00", 8) + "\x2c" + littleEndian(0, 4) +
           littleEndian(frameWidth, 2) + littleEndian(frameHeight, 2) +
           std::string("\x00\x02\x02\x44\x01\x00\x3b", 7);
}

std::string jpegDeclaring(std::uint32_t width, std::uint32_t height) {
    return std::string("\xff\xd8\xff\xe0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 20) +
           std::string("\xff\xc0\x00\x11\x08", 5) + bigEndian(height, 2) + bigEndian(width, 2) +
           std::string("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01", 10) +
           std::string("\xff\xda\x00\x08\x01\x01\x00\x00\x3f\x00", 10) + std::string(64, '\x55') +
           "\xff\xd9";
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

class PictureFilesTest : public ::testing::Test, public DrawingFixture {
protected:
    // The picture loaded as the screens load theirs, drawn scaled into 100 x 100 at (100, 100).
    std::pair<int, int> loadAndDraw(const std::string& bytes, bool cached) {
        folder.write("gfx/picture.png", bytes);
        return loadAndDrawPictureFile(cached);
    }
    // The same, with gfx/picture.png already in place.
    std::pair<int, int> loadAndDrawPictureFile(bool cached) {
        Picture picture(clock);
        picture.load(u"gfx\\picture.png", &surfaces.offscreen(), cached);
        const std::pair<int, int> size{static_cast<int>(picture.width),
                                       static_cast<int>(picture.height)};
        picture.setPosition(100, 100);
        picture.setSize(100, 100);
        surfaces.offscreen().clear(0xFF000000);
        picture.draw();
        showFrame();
        return size;
    }
};

bool near(std::uint32_t seen, std::uint32_t wanted, int tolerance) {
    for (int shift = 0; shift <= 16; shift += 8) {
        const int a = static_cast<int>((seen >> shift) & 0xFF);
        const int b = static_cast<int>((wanted >> shift) & 0xFF);
        if (std::abs(a - b) > tolerance) {
            return false;
        }
    }
    return true;
}

struct FormatFile {
    const char* name;
    ImageFormat format;
    int tolerance; // lossy formats come back a little off
};

const FormatFile kFormatFiles[] = {
    {"green.gif", ImageFormat::Gif, 0},          {"green-extension.gif", ImageFormat::Gif, 0},
    {"green.jpg", ImageFormat::Jpeg, 6},         {"green-progressive.jpg", ImageFormat::Jpeg, 6},
    {"green.bmp", ImageFormat::Bmp, 0},          {"green-old.bmp", ImageFormat::Bmp, 0},
    {"green.tif", ImageFormat::Tiff, 0},         {"green-msb.tif", ImageFormat::Tiff, 0},
    {"green.webp", ImageFormat::WebP, 12},       {"green-lossless.webp", ImageFormat::WebP, 0},
    {"green-alpha.webp", ImageFormat::WebP, 12}, {"green-cmyk.jpg", ImageFormat::Jpeg, 6},
    {"green-ycck.jpg", ImageFormat::Jpeg, 6},    {"green.svg", ImageFormat::Svg, 0},
};

} // namespace

TEST_F(PictureFilesTest, EveryFormatLoadsAtTheSizeItsHeaderDeclares) {
    for (const FormatFile& file : kFormatFiles) {
        SCOPED_TRACE(file.name);
        const std::string bytes = dataFile(file.name);
        const auto size = probe(bytes);
        ASSERT_TRUE(size.has_value());
        EXPECT_EQ(size->format, file.format);
        EXPECT_EQ(size->width, 6u);
        EXPECT_EQ(size->height, 4u);
        // Plain, it fills the 100 x 100 it is drawn into; cached, it keeps its own 6 x 4.
        for (const bool cached : {false, true}) {
            EXPECT_EQ(loadAndDraw(bytes, cached), std::make_pair(6, 4));
            const int x = cached ? 103 : 170;
            const int y = cached ? 102 : 170;
            EXPECT_TRUE(near(canvas.pixel(x, y), kGreen, file.tolerance))
                << std::hex << canvas.pixel(x, y);
        }
    }
    const auto png = probe(solidPng(kGreen, 6, 4));
    ASSERT_TRUE(png.has_value());
    EXPECT_EQ(png->format, ImageFormat::Png);
    EXPECT_EQ(loadAndDraw(solidPng(kGreen, 6, 4), false), std::make_pair(6, 4));
}

TEST_F(PictureFilesTest, APictureCutShortAtAnyByteLoadsWholeOrAsNothing) {
    std::vector<std::pair<std::string, std::string>> pictures = {{"png", solidPng(kGreen, 6, 4)}};
    for (const FormatFile& file : kFormatFiles) {
        pictures.emplace_back(file.name, dataFile(file.name));
    }
    for (const auto& [name, bytes] : pictures) {
        SCOPED_TRACE(name);
        for (std::size_t length = 0; length < bytes.size(); ++length) {
            const std::string cut = bytes.substr(0, length);
            if (const auto size = probe(cut)) {
                EXPECT_EQ(size->width, 6u) << length;
                EXPECT_EQ(size->height, 4u) << length;
            }
            const auto [width, height] = loadAndDraw(cut, false);
            EXPECT_TRUE((width == 0 && height == 0) || (width == 6 && height == 4)) << length;
        }
    }
}

TEST_F(PictureFilesTest, HugePicturesAreTurnedAwayBeforeDecoding) {
    struct Case {
        const char* what;
        std::string bytes;
        std::optional<std::pair<std::uint32_t, std::uint32_t>> declared;
    };
    const Case cases[] = {
        {"a real PNG of 10000 x 10000", png::solidRgb(10000, 10000, kRed), {{10000, 10000}}},
        {"a PNG declaring 100000 x 100000", pngDeclaring(100000, 100000), {{100000, 100000}}},
        {"a PNG declaring 20000 x 1", pngDeclaring(20000, 1), {{20000, 1}}},
        {"a PNG declaring 4 x 2^31", pngDeclaring(4, 0x80000000u), {{4, 0x80000000u}}},
        {"a BMP of 30000 x 30000", bmpDeclaring(30000, 30000), {{30000, 30000}}},
        {"a BMP stored top down", bmpDeclaring(30000, -30000), {{30000, 30000}}},
        {"a BMP of negative width", bmpDeclaring(-5, 4), std::nullopt},
        {"a BMP of the lowest height", bmpDeclaring(5, INT32_MIN), std::nullopt},
        {"a GIF canvas of 60000 x 60000", gifDeclaring(60000, 60000, 6, 4), {{60000, 60000}}},
        {"a GIF frame larger than its canvas", gifDeclaring(6, 4, 60000, 60000), {{60000, 60000}}},
        {"a JPEG of 60000 x 60000", jpegDeclaring(60000, 60000), {{60000, 60000}}},
        {"a TIFF of 100000 x 100000", tiffDeclaring(100000, 100000), {{100000, 100000}}},
        {"a WebP of 16000 x 16000", webpDeclaring(16000, 16000), {{16000, 16000}}},
        {"a vector picture of 100000 x 100000", hugeVectorPicture(), {{100000, 100000}}},
        {"a pixmap in text of 10000 x 10000",
         "/* XPM */\nstatic char *x[] = {\n\"10000 10000 1 1\",\n\"a c #ff0000\",\n", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto size = probe(c.bytes);
        ASSERT_EQ(size.has_value(), c.declared.has_value());
        if (size) {
            EXPECT_EQ(std::make_pair(size->width, size->height), *c.declared);
        }
        ResidentMemory::restartPeak();
        const long before = ResidentMemory::currentMiB();
        for (const bool cached : {false, true}) {
            EXPECT_EQ(loadAndDraw(c.bytes, cached), std::make_pair(0, 0));
        }
        EXPECT_LE(ResidentMemory::peakMiB() - before, 20);
    }
}

// A file of gigabytes with a small picture's header (sparse, so the test costs no disk) and a
// pipe in a picture's place are passed over at once, as missing pictures, at little memory.
TEST_F(PictureFilesTest, HugeFilesAndPipesAreNeverReadAsPictures) {
    const std::filesystem::path file = folder.path() / "gfx/picture.png";
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"a 2 GB picture file",
         [&] {
             folder.write("gfx/picture.png", png::solidRgb(6, 4, kGreen));
             ASSERT_EQ(::truncate(file.c_str(), off_t{2} << 30), 0);
         }},
        {"a pipe", [&] { ASSERT_EQ(::mkfifo(file.c_str(), 0666), 0); }},
    };
    for (const auto& [what, make] : cases) {
        SCOPED_TRACE(what);
        std::filesystem::remove(file);
        make();
        ResidentMemory::restartPeak();
        const long before = ResidentMemory::currentMiB();
        EXPECT_EQ(loadAndDrawPictureFile(false), std::make_pair(0, 0));
        EXPECT_LE(ResidentMemory::peakMiB() - before, 64);
    }
}

// A picture larger than anything the 800 x 600 game shows is kept smaller, yet laid out and drawn
// at its own size as before: one drawn scaled fits in 800 x 600, or in the box its screen draws it
// into, a cached one in 1600 a side. One no larger than that is kept whole.
// Columns of 400 pixels, red and green by turns, as a PNG or (decoded at a fraction of its size
// where it is kept smaller) a JPEG.
void writeColumns(TemporaryFolder& folder, const std::string& name, std::uint32_t width,
                  std::uint32_t height) {
    const auto colour = [](std::uint32_t x) { return (x / 400) % 2 == 0 ? kRed : kGreen; };
    if (name.ends_with(".png")) {
        folder.write("gfx/" + name, png::columnsRgb(width, height, colour));
        return;
    }
    const SurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(
        0, static_cast<int>(width), static_cast<int>(height), 32, SDL_PIXELFORMAT_RGB888));
    ASSERT_NE(surface, nullptr);
    for (std::uint32_t x = 0; x < width; ++x) {
        const SDL_Rect column{static_cast<int>(x), 0, 1, static_cast<int>(height)};
        SDL_FillRect(surface.get(), &column, colour(x));
    }
    ASSERT_EQ(IMG_SaveJPG(surface.get(), (folder.path() / "gfx" / name).c_str(), 95), 0);
}

TEST_F(PictureFilesTest, PicturesLargerThanTheGameShowsAreKeptSmallerAndDrawnAsBefore) {
    struct Kept {
        int width, height;
    };
    struct Case {
        std::uint32_t width, height;
        Kept cached, plain, inBox; // plain, drawn in a 200 x 150 box
    };
    const std::pair<std::string, std::u16string> kBigPictures[] = {{"big.png", u"gfx\\big.png"},
                                                                   {"big.jpg", u"gfx\\big.jpg"}};
    const Case cases[] = {
        {2400, 1800, {1600, 1200}, {800, 600}, {200, 150}},
        {1600, 1200, {1600, 1200}, {800, 600}, {200, 150}},
        {1200, 1601, {1199, 1600}, {450, 600}, {112, 150}},
        {16000, 10, {1600, 1}, {800, 1}, {200, 1}},
        {8, 3000, {4, 1600}, {2, 600}, {1, 150}},
        {800, 600, {800, 600}, {800, 600}, {200, 150}},
        {201, 100, {201, 100}, {201, 100}, {200, 100}},
        {150, 100, {150, 100}, {150, 100}, {150, 100}},
    };
    for (const auto& [name, path] : kBigPictures) {
        for (const Case& c : cases) {
            SCOPED_TRACE(name + " of " + std::to_string(c.width) + " x " +
                         std::to_string(c.height));
            writeColumns(folder, name, c.width, c.height);
            const std::tuple<bool, DrawnBox, Kept> loads[] = {{true, DrawnBox{}, c.cached},
                                                              {false, DrawnBox{}, c.plain},
                                                              {false, DrawnBox{200, 150}, c.inBox}};
            for (const auto& [cached, box, kept] : loads) {
                const std::unique_ptr<Image> image =
                    surfaces.offscreen().loadImage(path, cached, box);
                EXPECT_EQ(image->width(), static_cast<int>(c.width));
                EXPECT_EQ(image->height(), static_cast<int>(c.height));
                const auto* sdlImage = dynamic_cast<const SdlImage*>(image.get());
                ASSERT_NE(sdlImage, nullptr);
                ASSERT_NE(sdlImage->texture(), nullptr);
                int width = 0;
                int height = 0;
                SDL_QueryTexture(sdlImage->texture(), nullptr, nullptr, &width, &height);
                EXPECT_EQ(width, kept.width);
                EXPECT_EQ(height, kept.height);
            }
        }
    }

    // At its own size the columns stand where the file has them; scaled into 600 x 450 they are
    // a quarter as wide.
    for (const auto& [name, path] : kBigPictures) {
        SCOPED_TRACE(name);
        writeColumns(folder, name, 2400, 1800);
        for (const bool cached : {false, true}) {
            const std::unique_ptr<Image> image =
                surfaces.offscreen().loadImage(path, cached, DrawnBox{});
            surfaces.offscreen().clear(0xFF000000);
            surfaces.offscreen().drawImage(*image, 0, 0);
            showFrame();
            EXPECT_TRUE(near(canvas.pixel(200, 300), kRed, 8));
            EXPECT_TRUE(near(canvas.pixel(600, 300), kGreen, 8));
        }
        // Kept for the whole screen, or for the box it is drawn in: the same columns.
        for (const DrawnBox box : {DrawnBox{}, DrawnBox{600, 450}}) {
            Picture picture(clock);
            picture.load(path, &surfaces.offscreen(), false, box);
            picture.setPosition(100, 100);
            picture.setSize(600, 450);
            surfaces.offscreen().clear(0xFF000000);
            picture.draw();
            showFrame();
            EXPECT_TRUE(near(canvas.pixel(150, 300), kRed, 8));
            EXPECT_TRUE(near(canvas.pixel(250, 300), kGreen, 8));
            EXPECT_TRUE(near(canvas.pixel(650, 300), kGreen, 8));
            EXPECT_EQ(canvas.pixel(50, 300), 0u);
        }
    }
}

// An SVG's size comes from its outer element: its width and height in pixels at 96 per inch, or
// its view box where they are not lengths. Without either it has no size and does not show.
TEST_F(PictureFilesTest, AnSvgIsAsLargeAsItsOuterElementDeclares) {
    const auto svg = [](const std::string& attributes) {
        return "<svg xmlns=\"http://www.w3.org/2000/svg\" " + attributes +
               "><rect width=\"9\" height=\"9\" fill=\"red\"/></svg>";
    };
    const std::tuple<const char*, std::string,
                     std::optional<std::pair<std::uint32_t, std::uint32_t>>>
        cases[] = {
            {"pixels", svg("width=\"6\" height=\"4px\""), {{6, 4}}},
            {"physical units", svg("width=\"2in\" height='25.4mm'"), {{192, 96}}},
            {"fractions round up", svg("width=\"10.2\" height=\"1e1\""), {{11, 10}}},
            {"the view box alone", dataFile("green-viewbox.svg"), {{60, 40}}},
            {"percentages take the view box",
             svg("width=\"100%\" viewBox=\"0,0,30 20\""),
             {{30, 20}}},
            {"after a mark, a declaration, a comment and a document type",
             "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- <svg width=\"1\" height=\"1\"> -->\n"
             "<!DOCTYPE svg>\n" +
                 svg("width=\"8\" height=\"5\""),
             {{8, 5}}},
            {"no size at all", svg(""), std::nullopt},
            {"a zero width", svg("width=\"0\" height=\"4\" viewBox=\"0 0 6 4\""), std::nullopt},
            {"cut inside the element", svg("width=\"6\" height=\"4\"").substr(0, 60), std::nullopt},
            {"text that is not markup", "hello " + svg("width=\"6\" height=\"4\""), std::nullopt},
        };
    for (const auto& [what, bytes, declared] : cases) {
        SCOPED_TRACE(what);
        const auto size = probe(bytes);
        ASSERT_EQ(size.has_value(), declared.has_value());
        if (size) {
            EXPECT_EQ(size->format, ImageFormat::Svg);
            EXPECT_EQ(std::make_pair(size->width, size->height), *declared);
        }
    }
}

// An SVG is rasterised at the size it is drawn, so its edges stay sharp at any size, and again
// when it is drawn at another.
TEST_F(PictureFilesTest, AnSvgIsDrawnSharpAtTheSizeItIsDrawn) {
    folder.write("gfx/halves.svg",
                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"4\" "
                 "height=\"3\"><rect width=\"2\" height=\"3\" fill=\"#ff0000\"/>"
                 "<rect x=\"2\" width=\"2\" height=\"3\" fill=\"#20c040\"/></svg>");
    Picture picture(clock);
    picture.load(u"gfx\\halves.svg", &surfaces.offscreen(), false);
    EXPECT_EQ(picture.width, 4);
    EXPECT_EQ(picture.height, 3);
    for (const auto& [left, width] : {std::pair{100, 600}, {200, 200}}) {
        picture.setPosition(static_cast<float>(left), 100);
        picture.setSize(static_cast<float>(width), static_cast<float>(width) * 0.75f);
        surfaces.offscreen().clear(0xFF000000);
        picture.draw();
        showFrame();
        const int middle = left + width / 2;
        EXPECT_EQ(canvas.pixel(middle - 2, 120), kRed) << width;
        EXPECT_EQ(canvas.pixel(middle + 1, 120), kGreen) << width;
        EXPECT_EQ(canvas.pixel(left + width + 1, 120), 0u) << width;
    }
}

// A picture file that is there but cannot be shown draws nothing and is named once on standard
// error however often it is loaded; a missing one is not named.
TEST_F(PictureFilesTest, AFileThatCannotBeShownIsNamedOnceOnStandardError) {
    folder.write("gfx/notes.png", "not a picture");
    folder.write("gfx/huge.svg", hugeVectorPicture());
    testing::internal::CaptureStderr();
    for (int times = 0; times < 3; ++times) {
        for (const char16_t* name : {u"gfx\\notes.png", u"gfx\\huge.svg", u"gfx\\missing.png"}) {
            EXPECT_EQ(surfaces.offscreen().loadImage(name, false, DrawnBox{})->width(), 0);
        }
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Vimo: cannot show the picture gfx\\notes.png\n"
              "Vimo: cannot show the picture gfx\\huge.svg\n");
}
