// SPDX-License-Identifier: GPL-3.0-or-later
// Picture files of every format a content folder may hold, loaded by the real drawing back end.
// What each header declares is ImageFileSizeTest's.
#include "ContentFiles.h"
#include "SoftwareCanvas.h"
#include "game/gfx/Picture.h"

#include <gtest/gtest.h>

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
