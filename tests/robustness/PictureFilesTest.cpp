// SPDX-License-Identifier: GPL-3.0-or-later
// Picture files of every format a content folder may hold, loaded by the real drawing back end.
// What each header declares is ImageFileSizeTest's.
#include "ContentFiles.h"
#include "ExifJpeg.h"
#include "ResidentMemory.h"
#include "SoftwareCanvas.h"
#include "game/gfx/Picture.h"

#include <condition_variable>
#include <cstdio> // jpeglib.h needs FILE declared first
#include <cstdlib>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <mutex>
#include <png.h>

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

// A PNG in libpng's simplified format `format` (grey, grey and alpha, colour, colour and alpha, or
// 16 bits a channel with PNG_FORMAT_FLAG_LINEAR), or interlaced colour when `interlaced`: its
// left half `left`, its right half `right` (0xAARRGGBB; grey takes the green).
std::string pngOf(int width, int height, png_uint_32 format, bool interlaced, std::uint32_t left,
                  std::uint32_t right) {
    std::string bytes;
    if (interlaced) {
        png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        png_set_write_fn(
            png, &bytes,
            [](png_structp p, png_bytep data, png_size_t length) {
                static_cast<std::string*>(png_get_io_ptr(p))
                    ->append(reinterpret_cast<const char*>(data), length);
            },
            nullptr);
        png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height),
                     8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_ADAM7, PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        std::vector<png_byte> pixels(static_cast<std::size_t>(width) * height * 3);
        std::vector<png_bytep> rows;
        for (int y = 0; y < height; ++y) {
            png_bytep row = pixels.data() + static_cast<std::size_t>(y) * width * 3;
            rows.push_back(row);
            for (int x = 0; x < width; ++x) {
                const std::uint32_t argb = x < width / 2 ? left : right;
                for (int c = 0; c < 3; ++c) {
                    row[x * 3 + c] = static_cast<png_byte>(argb >> (16 - 8 * c));
                }
            }
        }
        png_set_rows(png, info, rows.data());
        png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
        png_destroy_write_struct(&png, &info);
        return bytes;
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = format;
    const bool wide = (format & PNG_FORMAT_FLAG_LINEAR) != 0;
    const int channels = static_cast<int>(PNG_IMAGE_PIXEL_CHANNELS(format));
    std::vector<png_uint_16> pixels(PNG_IMAGE_SIZE(image));
    auto* narrow = reinterpret_cast<png_bytep>(pixels.data());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t argb = x < width / 2 ? left : right;
            const std::uint32_t alpha = argb >> 24;
            const std::uint32_t values[] = {(argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF};
            for (int c = 0; c < channels; ++c) {
                const bool isAlpha = (format & PNG_FORMAT_FLAG_ALPHA) != 0 && c == channels - 1;
                std::uint32_t value = isAlpha ? alpha : values[channels < 3 ? 1 : c];
                // 16-bit samples are premultiplied by their alpha in libpng's memory format.
                if (wide && !isAlpha && (format & PNG_FORMAT_FLAG_ALPHA) != 0) {
                    value = value * alpha / 255;
                }
                const std::size_t at = (static_cast<std::size_t>(y) * width + x) * channels + c;
                if (wide) {
                    pixels[at] = static_cast<png_uint_16>(value * 257);
                } else {
                    narrow[at] = static_cast<png_byte>(value);
                }
            }
        }
    }
    png_alloc_size_t size = 0;
    png_image_write_get_memory_size(image, size, 0, pixels.data(), 0, nullptr);
    bytes.resize(size);
    png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels.data(), 0, nullptr);
    png_image_free(&image);
    bytes.resize(size);
    return bytes;
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

// A PNG of every kind shows in its colours, its transparency kept, at its own size and shrunk as it
// is decoded for a box a quarter as large: a picture of 1200 x 900 in two halves.
TEST_F(PictureFilesTest, APngOfEveryKindShowsInItsColoursAtItsOwnSizeAndShrunk) {
    constexpr std::uint32_t kClear = 0x00000000;
    const std::tuple<const char*, png_uint_32, bool, std::uint32_t, std::uint32_t> cases[] = {
        {"grey", PNG_FORMAT_GRAY, false, 0xFF00C000, 0xFF002000},
        {"grey and alpha", PNG_FORMAT_GA, false, 0xFF00C000, kClear},
        {"colour", PNG_FORMAT_RGB, false, 0xFF20C040, 0xFFFF0000},
        {"colour and alpha", PNG_FORMAT_RGBA, false, 0xFF20C040, kClear},
        {"16 bits a channel", PNG_FORMAT_LINEAR_RGB_ALPHA, false, 0xFF20C040, kClear},
        {"interlaced", PNG_FORMAT_RGB, true, 0xFF20C040, 0xFFFF0000},
    };
    const auto shown = [](std::uint32_t argb) {
        // Grey takes the green; a transparent half shows the black drawn under it.
        return (argb >> 24) == 0 ? 0u : argb & 0xFFFFFF;
    };
    for (const auto& [kind, format, interlaced, left, right] : cases) {
        SCOPED_TRACE(kind);
        folder.write("gfx/p.png", pngOf(1200, 900, format, interlaced, left, right));
        const bool grey = (format & PNG_FORMAT_FLAG_COLOR) == 0;
        const auto wanted = [&](std::uint32_t argb) {
            const std::uint32_t rgb = shown(argb);
            return grey ? (rgb >> 8 & 0xFF) * 0x010101u : rgb;
        };
        EXPECT_EQ(loadAndDraw(u"gfx\\p.png", true), std::make_pair(1200, 900));
        EXPECT_TRUE(near(canvas.pixel(300, 300), wanted(left), 0))
            << std::hex << canvas.pixel(300, 300);
        EXPECT_TRUE(near(canvas.pixel(750, 300), wanted(right), 0))
            << std::hex << canvas.pixel(750, 300);
        EXPECT_EQ(loadAndDraw(u"gfx\\p.png", false, 600, DrawnBox{300, 225}),
                  std::make_pair(1200, 900));
        EXPECT_TRUE(near(canvas.pixel(250, 325), wanted(left), 2))
            << std::hex << canvas.pixel(250, 325);
        EXPECT_TRUE(near(canvas.pixel(550, 325), wanted(right), 2))
            << std::hex << canvas.pixel(550, 325);
    }
}

// A large photo of the content is read and decoded on a worker: the frame goes on without it once
// the frame's wait for pictures is spent, the loop hears when it is ready, and the next frame
// shows it. One cut short in its image data keeps the size it declares, shows nothing, and is
// named on standard error.
TEST_F(PictureFilesTest, APhotoNotReadyWithinTheFramesWaitShowsInTheFrameAfter) {
    // What the workers tell, kept apart from this frame, which may end before they do.
    struct Heard {
        std::mutex mutex;
        std::condition_variable told;
        int ready = 0;
    };
    const auto heard = std::make_shared<Heard>();
    const auto readyCount = [heard](int count) {
        std::unique_lock<std::mutex> held(heard->mutex);
        return heard->told.wait_for(held, std::chrono::seconds(30),
                                    [&] { return heard->ready >= count; });
    };
    surfaces.vectorPictures().setTiming(kPictureBudget, 0);
    surfaces.vectorPictures().setDrawnHandler([heard] {
        const std::lock_guard<std::mutex> held(heard->mutex);
        ++heard->ready;
        heard->told.notify_all();
    });
    const std::string photo = pngOf(4000, 3000, PNG_FORMAT_RGB, false, 0xFF20C040, 0xFF20C040);
    folder.write("gfx/photo.png", photo);
    Picture picture(clock);
    picture.load(u"gfx\\photo.png", &surfaces.offscreen(), false, DrawnBox{600, 450});
    EXPECT_EQ(std::make_pair(picture.width, picture.height), std::make_pair(4000.0f, 3000.0f));
    picture.setPosition(100, 100);
    picture.setSize(600, 450);
    const auto drawn = [&] {
        surfaces.offscreen().clear(0xFF000000);
        picture.draw();
        showFrame();
        return canvas.pixel(400, 300);
    };
    if (drawn() != 0) {
        GTEST_SKIP() << "the photo was decoded before the frame's wait ran out";
    }
    ASSERT_TRUE(readyCount(1));
    EXPECT_TRUE(near(drawn(), kGreen, 2));

    // Noise, so that half the file is far more than its start.
    writePng("gfx/noise.png", 1200, 900, [](int x, int y) {
        return 0xFF000000u | static_cast<std::uint32_t>(x * 7919 ^ y * 104729) * 2654435761u >> 8;
    });
    const std::string noise = folder.read("gfx/noise.png");
    folder.write("gfx/cut.png", noise.substr(0, noise.size() / 2));
    surfaces.vectorPictures().setTiming(kPictureBudget, std::nullopt); // each waited for
    testing::internal::CaptureStderr();
    Picture cut(clock);
    cut.load(u"gfx\\cut.png", &surfaces.offscreen(), false, DrawnBox{600, 450});
    EXPECT_EQ(std::make_pair(cut.width, cut.height), std::make_pair(1200.0f, 900.0f));
    cut.setPosition(100, 100);
    cut.setSize(600, 450);
    surfaces.offscreen().clear(0xFF000000);
    cut.draw();
    showFrame();
    EXPECT_EQ(canvas.pixel(400, 300), 0u);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("gfx\\cut.png"), std::string::npos);
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
