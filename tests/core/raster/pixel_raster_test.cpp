// The raster's figures: which pixels a line, a disc and a fill set, that a picture cutting a
// figure keeps exactly its pixels, and the changed box.
#include "core/raster/pixel_raster.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace globulon {
namespace {

constexpr std::uint32_t Ink = 0xFFFFFF;
constexpr std::uint32_t Inside = 0x123456;

struct Picture {
    Picture(std::int32_t width, std::int32_t height)
        : Width(width),
          Height(height),
          Pixels(static_cast<std::size_t>(width * height), 0),
          Raster(Pixels.data(), width, height, width) {}
    std::uint32_t At(std::int32_t x, std::int32_t y) const {
        return Pixels[static_cast<std::size_t>(y * Width + x)];
    }
    int Count(std::uint32_t value) const {
        int count = 0;
        for (const std::uint32_t pixel : Pixels) count += pixel == value;
        return count;
    }
    std::int32_t Width, Height;
    std::vector<std::uint32_t> Pixels;
    PixelRaster Raster;
};

// --- lines -------------------------------------------------------------------------------------

TEST(Line, OnePixelPerStepOfTheLongerAxisWithoutTheLast) {
    Picture picture(40, 30);
    picture.Raster.Line({2, 3}, {31, 10}, Ink);  // 29 steps along x
    EXPECT_EQ(picture.Count(Ink), 29);
    EXPECT_EQ(picture.At(2, 3), Ink);
    EXPECT_EQ(picture.At(31, 10), 0u);
    for (std::int32_t x = 2; x < 31; ++x) {
        int inColumn = 0;
        for (std::int32_t y = 0; y < 30; ++y) inColumn += picture.At(x, y) == Ink;
        EXPECT_EQ(inColumn, 1) << x;
    }
    picture.Raster.Line({5, 5}, {5, 5}, Inside);
    EXPECT_EQ(picture.Count(Inside), 0);
}

TEST(Line, FromEitherEndTheSamePixelsButTheEnds) {
    Picture forth(50, 50), back(50, 50);
    forth.Raster.Line({3, 40}, {45, 7}, Ink);
    back.Raster.Line({45, 7}, {3, 40}, Ink);
    forth.Pixels[40 * 50 + 3] = back.Pixels[7 * 50 + 45] = 0;
    int differing = 0;
    for (std::size_t i = 0; i < forth.Pixels.size(); ++i)
        differing += forth.Pixels[i] != back.Pixels[i];
    // Only a pixel exactly half way between two rows may round the other way.
    EXPECT_LE(differing, 2);
}

// A figure cut by the picture's edges keeps, inside it, exactly the pixels it has in a picture
// large enough for all of it.
void ExpectCutLikeWhole(void (*draw)(PixelRaster&, std::int32_t dx, std::int32_t dy)) {
    Picture cut(200, 150), whole(800, 500);
    const std::int32_t dx = 300, dy = 170;  // where cut lies in whole
    draw(cut.Raster, 0, 0);
    draw(whole.Raster, dx, dy);
    int differing = 0;
    for (std::int32_t y = 0; y < 150; ++y) {
        for (std::int32_t x = 0; x < 200; ++x)
            differing += cut.At(x, y) != whole.At(x + dx, y + dy);
    }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(cut.Count(Ink), 0);
}

TEST(Line, CutByThePictureKeepsItsPixels) {
    ExpectCutLikeWhole([](PixelRaster& raster, std::int32_t dx, std::int32_t dy) {
        raster.Line({-280 + dx, -150 + dy}, {460 + dx, 290 + dy}, Ink);
        raster.Line({230 + dx, -160 + dy}, {-40 + dx, 300 + dy}, Ink);  // steep, right to left
    });
}

TEST(Line, OnesReachingMillionsOfPixelsAwayStopAtThePicture) {
    Picture picture(64, 48);
    picture.Raster.Line({-2000000, -1500000}, {2000000, 1500000}, Ink);
    picture.Raster.Line({-2000000000, 10}, {2000000000, 10}, Ink);
    EXPECT_EQ(picture.Count(Ink), 64 + 63);                    // the diagonal meets the row once
    picture.Raster.Line({-5000, -5000}, {-10, 5000}, Inside);  // wholly beside the picture
    EXPECT_EQ(picture.Count(Inside), 0);
}

// --- the disc ------------------------------------------------------------------------------------

TEST(Disc, ClosedOutlineOnTheBoxEdgesFilledInsideSymmetric) {
    Picture picture(60, 40);
    picture.Raster.Disc({5, 4, 56, 35}, Inside, Ink);  // pixels 5..55 by 4..34
    for (std::int32_t y = 0; y < 40; ++y) {
        for (std::int32_t x = 0; x < 60; ++x) {
            const std::uint32_t pixel = picture.At(x, y);
            if (x < 5 || x > 55 || y < 4 || y > 34) {
                EXPECT_EQ(pixel, 0u) << x << "," << y;
                continue;
            }
            EXPECT_EQ(pixel, picture.At(60 - x, y)) << x << "," << y;  // about x = 30
            EXPECT_EQ(pixel, picture.At(x, 38 - y)) << x << "," << y;  // about y = 19
            // No gap in the outline: an inside pixel's four neighbours are inside or outline.
            if (pixel != Inside) continue;
            for (const auto& [nx, ny] : {std::pair{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}}) {
                EXPECT_NE(picture.At(nx, ny), 0u) << nx << "," << ny;
            }
        }
    }
    EXPECT_EQ(picture.At(30, 4), Ink);
    EXPECT_EQ(picture.At(5, 19), Ink);
    EXPECT_EQ(picture.At(30, 19), Inside);
}

TEST(Disc, CutByThePictureKeepsItsPixels) {
    ExpectCutLikeWhole([](PixelRaster& raster, std::int32_t dx, std::int32_t dy) {
        raster.Disc({-100 + dx, -60 + dy, 180 + dx, 130 + dy}, Inside, Ink);
    });
}

TEST(Disc, FarLargerThanThePictureCostsOnlyItsRows) {
    Picture picture(64, 48);
    picture.Raster.Disc({-3000000, -3000000, 3000064, 3000048}, Inside, Ink);
    EXPECT_EQ(picture.Count(Inside), 64 * 48);
}

// --- fills and the changed box -------------------------------------------------------------------

TEST(Changed, TheBoxRoundWhatWasWrittenThenEmpty) {
    Picture picture(100, 80);
    EXPECT_TRUE(IsEmptyBox(picture.Raster.TakeChanged()));
    picture.Raster.FillBox({-10, 70, 20, 200}, Ink);
    picture.Raster.Dot({50, 5}, Ink);
    picture.Raster.Dot({500, 5}, Ink);  // outside: nothing written
    const PixelBox changed = picture.Raster.TakeChanged();
    EXPECT_EQ(changed.Left, 0);
    EXPECT_EQ(changed.Top, 5);
    EXPECT_EQ(changed.Right, 51);
    EXPECT_EQ(changed.Bottom, 80);
    EXPECT_EQ(picture.Count(Ink), 20 * 10 + 1);
    EXPECT_TRUE(IsEmptyBox(picture.Raster.TakeChanged()));
    const PixelBox joined = UnionBox({1, 2, 3, 4}, {10, 0, 11, 1});
    EXPECT_EQ(joined.Left, 1);
    EXPECT_EQ(joined.Bottom, 4);
    EXPECT_EQ(UnionBox({}, {1, 2, 3, 4}).Right, 3);
}

}  // namespace
}  // namespace globulon
