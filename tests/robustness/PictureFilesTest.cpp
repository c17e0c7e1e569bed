// SPDX-License-Identifier: GPL-3.0-or-later
// Picture files of every format a content folder may hold, whole, cut short, or declaring sizes
// no game needs, loaded by the real drawing back end: what can show, shows; what would take
// gigabytes to decode is turned away before it is decoded. What each header declares is
// ImageFileSizeTest's.
#include "ContentFiles.h"
#include "SoftwareCanvas.h"
#include "game/gfx/Picture.h"

#include <SDL_image.h>
#include <gtest/gtest.h>
#include <tuple>

namespace {

constexpr std::uint32_t kGreen = 0x20C040;
constexpr std::uint32_t kRed = 0xFF0000;

class PictureFilesTest : public ::testing::Test, public DrawingFixture {
protected:
    // The picture loaded as the screens load theirs, drawn scaled into 100 x 100 at (100, 100).
    std::pair<int, int> loadAndDraw(const std::string& bytes, bool cached) {
        folder.write("gfx/picture.png", bytes);
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

} // namespace

// Each 6 x 4 sample: plain, it fills the 100 x 100 it is drawn into; cached, it keeps its own
// 6 x 4. Cut short at any byte, it loads whole or as nothing.
TEST_F(PictureFilesTest, EveryFormatLoadsAtItsSizeWholeOrAsNothingWhenCutShort) {
    std::vector<std::pair<std::string, std::string>> samples = {
        {"made.png", solidPng(kGreen, 6, 4)}};
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(VIMO_TEST_DATA) + "/robustness")) {
        const std::string stem = entry.path().stem().string();
        if (stem.starts_with("green") && stem != "green-viewbox") { // that one is 60 x 40
            samples.emplace_back(entry.path().filename().string(),
                                 TemporaryFolder::readFile(entry.path()));
        }
    }
    for (const auto& [name, bytes] : samples) {
        SCOPED_TRACE(name);
        // Lossy formats come back a little off.
        const bool lossy = name.ends_with(".jpg") ||
                           (name.ends_with(".webp") && name.find("lossless") == std::string::npos);
        const int tolerance = lossy ? 12 : 0;
        for (const bool cached : {false, true}) {
            EXPECT_EQ(loadAndDraw(bytes, cached), std::make_pair(6, 4));
            const int x = cached ? 103 : 170;
            const int y = cached ? 102 : 170;
            EXPECT_TRUE(near(canvas.pixel(x, y), kGreen, tolerance))
                << std::hex << canvas.pixel(x, y);
        }
        for (std::size_t length = 0; length < bytes.size(); ++length) {
            const auto size = loadAndDraw(bytes.substr(0, length), false);
            EXPECT_TRUE(size == std::make_pair(0, 0) || size == std::make_pair(6, 4)) << length;
        }
    }
    for (const std::string& huge : {png::solidRgb(10000, 10000, kRed), hugeVectorPicture()}) {
        for (const bool cached : {false, true}) {
            EXPECT_EQ(loadAndDraw(huge, cached), std::make_pair(0, 0));
        }
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
        // At its own size the columns stand where the file has them.
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
