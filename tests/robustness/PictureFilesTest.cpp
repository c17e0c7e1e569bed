// SPDX-License-Identifier: GPL-3.0-or-later
// Picture files of every format a content folder may hold, loaded by the real drawing back end.
// What each header declares is ImageFileSizeTest's.
#include "ContentFiles.h"
#include "ExifJpeg.h"
#include "ResidentMemory.h"
#include "SoftwareCanvas.h"
#include "game/gfx/Picture.h"

#include <cstdio> // jpeglib.h needs FILE declared first
#include <cstdlib>
#include <gtest/gtest.h>
#include <jpeglib.h>

namespace {

constexpr std::uint32_t kGreen = 0x20C040;
constexpr std::uint32_t kRed = 0xFF0000;

bool near(std::uint32_t seen, std::uint32_t wanted, int tolerance) {
    for (int shift = 0; shift <= 16; shift += 8) {
        if (std::abs(int((seen >> shift) & 0xFF) - int((wanted >> shift) & 0xFF)) > tolerance) {
            return false;
        }
    }
    return true;
}

// A JPEG of three channels written a row at a time, each pixel's RGB from `colour`: a photo of
// any size costs a row of memory to make.
std::string jpegOf(int width, int height, int quality, std::uint32_t (*colour)(int, int)) {
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* bytes = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &bytes, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * 3);
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t rgb = colour(x, static_cast<int>(info.next_scanline));
            for (int c = 0; c < 3; ++c) {
                row[static_cast<std::size_t>(x) * 3 + static_cast<std::size_t>(c)] =
                    static_cast<JSAMPLE>(rgb >> (16 - 8 * c));
            }
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::string jpeg(reinterpret_cast<const char*>(bytes), size);
    jpeg_destroy_compress(&info);
    std::free(bytes);
    return jpeg;
}

class PictureFilesTest : public ::testing::Test, public DrawingFixture {
protected:
    // The picture loaded as the screens load theirs, drawn in `box` at (100, 100); its size.
    std::pair<int, int> loadAndDraw(const std::u16string& path, bool cached, float box = 100,
                                    DrawnBox drawnIn = {}) {
        Picture picture(clock);
        picture.load(path, &surfaces.offscreen(), cached, drawnIn);
        const std::pair<int, int> size{static_cast<int>(picture.width),
                                       static_cast<int>(picture.height)};
        picture.setPosition(100, 100);
        picture.setSize(box, box * 0.75f);
        surfaces.offscreen().clear(0xFF000000);
        picture.draw();
        showFrame();
        return size;
    }
};

} // namespace

// Each 6 x 4 sample shows green, scaled to its box or, cached, at its own size; cut short at any
// byte, it loads whole or as nothing. One
// larger than the game shows is kept smaller (a JPEG decoded at a fraction of its size), for the
// whole screen or for the box it is drawn into, yet laid out at its own size and drawn as before:
// columns of 400 pixels, red and green by turns, a quarter as wide in 600 x 450.
TEST_F(PictureFilesTest, EveryFormatShowsInItsColoursWholeCutShortOrLargerThanTheGameShows) {
    const std::filesystem::path samples = std::string(VIMO_TEST_DATA) + "/robustness";
    for (const auto& entry : std::filesystem::directory_iterator(samples)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with("green") || name.starts_with("green-viewbox")) { // 60 x 40
            continue;
        }
        SCOPED_TRACE(name);
        const std::string bytes = TemporaryFolder::readFile(entry.path());
        const bool lossy =
            name.ends_with(".jpg") || name == "green.webp" || name == "green-alpha.webp";
        for (const bool cached : {false, true}) {
            folder.write("gfx/p.png", bytes);
            EXPECT_EQ(loadAndDraw(u"gfx\\p.png", cached), std::make_pair(6, 4));
            const std::uint32_t seen = canvas.pixel(cached ? 103 : 170, cached ? 102 : 160);
            EXPECT_TRUE(near(seen, kGreen, lossy ? 12 : 0)) << std::hex << seen;
        }
        for (std::size_t length = 0; length < bytes.size(); ++length) {
            folder.write("gfx/p.png", bytes.substr(0, length));
            const auto size = loadAndDraw(u"gfx\\p.png", false);
            EXPECT_TRUE(size == std::make_pair(0, 0) || size == std::make_pair(6, 4)) << length;
        }
    }
    writePng("gfx/big.png", 2400, 1800,
             [](int x, int) { return 0xFF000000 | ((x / 400) % 2 == 0 ? kRed : kGreen); });
    const SurfacePtr png(IMG_Load((folder.path() / "gfx/big.png").c_str()));
    ASSERT_EQ(IMG_SaveJPG(png.get(), (folder.path() / "gfx/big.jpg").c_str(), 95), 0);
    for (const char16_t* path : {u"gfx\\big.png", u"gfx\\big.jpg"}) {
        for (const DrawnBox box : {DrawnBox{}, DrawnBox{600, 450}}) {
            EXPECT_EQ(loadAndDraw(path, false, 600, box), std::make_pair(2400, 1800));
            EXPECT_TRUE(near(canvas.pixel(150, 300), kRed, 8));
            EXPECT_TRUE(near(canvas.pixel(250, 300), kGreen, 8));
            EXPECT_TRUE(near(canvas.pixel(650, 300), kGreen, 8));
            EXPECT_EQ(canvas.pixel(50, 300), 0u);
        }
    }
}

// A photo stands upright as its camera recorded, in all eight ways, and is laid out at its upright
// size: a 40 x 30 photo of red, green, blue and white quarters (clockwise from the top left), drawn
// at its own size, shows the quarters its orientation brings to its top corners.
TEST_F(PictureFilesTest, APhotoStandsUprightAsItsCameraRecorded) {
    constexpr std::uint32_t kBlue = 0x0000FF;
    constexpr std::uint32_t kWhite = 0xFFFFFF;
    const std::string stored = jpegOf(40, 30, 95, [](int x, int y) {
        return y < 15 ? (x < 20 ? kRed : 0x00FF00u) : (x < 20 ? 0x0000FFu : 0xFFFFFFu);
    });
    const std::tuple<std::uint32_t, std::pair<int, int>, std::uint32_t, std::uint32_t> cases[] = {
        {1, {40, 30}, kRed, 0x00FF00},   {2, {40, 30}, 0x00FF00, kRed},
        {3, {40, 30}, kWhite, kBlue},    {4, {40, 30}, kBlue, kWhite},
        {5, {30, 40}, kRed, kBlue},      {6, {30, 40}, kBlue, kRed},
        {7, {30, 40}, kWhite, 0x00FF00}, {8, {30, 40}, 0x00FF00, kWhite},
    };
    for (const auto& [orientation, size, topLeft, topRight] : cases) {
        SCOPED_TRACE(orientation);
        folder.write("gfx/photo.jpg",
                     withSegment(stored, exifSegment(orientation, orientation % 2)));
        EXPECT_EQ(loadAndDraw(u"gfx\\photo.jpg", true), size);
        EXPECT_TRUE(near(canvas.pixel(103, 103), topLeft, 16))
            << std::hex << canvas.pixel(103, 103);
        EXPECT_TRUE(near(canvas.pixel(96 + size.first, 103), topRight, 16));
    }
}

// A phone's 48-megapixel photo, stored on its side, shows upright in the box it is drawn in,
// decoded straight at a fraction of its size: it costs the memory of the picture drawn, not of the
// file's 192 megabytes of pixels.
TEST_F(PictureFilesTest, APhonesLargePhotoShowsAtTheSizeItIsDrawn) {
    folder.write(
        "gfx/photo.jpg",
        withSegment(jpegOf(8000, 6000, 10, [](int x, int) { return x < 4000 ? kRed : kGreen; }),
                    exifSegment(6)));
    ResidentMemory::restartPeak();
    const long before = ResidentMemory::currentMiB();
    EXPECT_EQ(loadAndDraw(u"gfx\\photo.jpg", false, 600, DrawnBox{600, 450}),
              std::make_pair(6000, 8000));
    EXPECT_LE(ResidentMemory::peakMiB() - before, 32);
    EXPECT_TRUE(near(canvas.pixel(400, 200), kRed, 8)); // the stored left half, now on top
    EXPECT_TRUE(near(canvas.pixel(400, 450), kGreen, 8));
}
