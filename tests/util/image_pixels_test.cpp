// Image copies with their clipping and mirroring, the blend onto a pixmap,
// partial drawing and the ARGB packing.
#include "util/image_pixels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "platform/canvas_fixture.h"

namespace {

namespace test = platform::test;
using Grid = std::vector<std::vector<Int>>;

// A one-frame image whose pixel (x, y) is ARGB(255, x + 1, y + 1, 7).
Ref<TImage> Numbered(Int width, Int height) {
  Ref<TImage> image = CreateImage(width, height, 1, 0);
  const Ref<TPixmap> pixmap = LockImage(image, 0);
  for (Int y = 0; y < height; ++y) {
    for (Int x = 0; x < width; ++x) WritePixel(pixmap, x, y, ARGB_Color(255, x + 1, y + 1, 7));
  }
  return image;
}

Grid Pixels(const Ref<TImage>& image, Int frame = 0) {
  const Ref<TPixmap> pixmap = LockImage(image, frame, 1, 0);
  Grid grid(PixmapHeight(pixmap), std::vector<Int>(PixmapWidth(pixmap)));
  for (Int y = 0; y < PixmapHeight(pixmap); ++y) {
    for (Int x = 0; x < PixmapWidth(pixmap); ++x) grid[y][x] = ReadPixel(pixmap, x, y);
  }
  return grid;
}

TEST(ImagePixels, CopyImageCopiesEveryFrameHandleMaskAndFlags) {
  Ref<TImage> source = CreateImage(4, 3, 3, MASKEDIMAGE);
  MidHandleImage(source);
  source->mask_r = 10;
  source->mask_g = 20;
  source->mask_b = 30;
  for (Int frame = 0; frame < 3; ++frame) {
    WritePixel(LockImage(source, frame), frame, 1, ARGB_Color(255, frame, 2, 3));
  }
  const Ref<TImage> copy = ccCopyImage(source);
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->frames.size(), 3u);
  EXPECT_EQ(ImageWidth(copy), 4);
  EXPECT_EQ(ImageHeight(copy), 3);
  EXPECT_EQ(copy->flags, MASKEDIMAGE);
  EXPECT_EQ(copy->handle_x, 2.0f);
  EXPECT_EQ(copy->handle_y, 1.5f);
  EXPECT_EQ((std::vector<Int>{copy->mask_r, copy->mask_g, copy->mask_b}),
            (std::vector<Int>{10, 20, 30}));
  for (Int frame = 0; frame < 3; ++frame) EXPECT_EQ(Pixels(copy, frame), Pixels(source, frame));

  WritePixel(LockImage(copy, 1), 1, 1, 0);
  EXPECT_EQ(ReadPixel(LockImage(source, 1), 1, 1), ARGB_Color(255, 1, 2, 3));
  EXPECT_FALSE(ccCopyImage(nullptr));
}

// Both rectangle copies clip alike: what lands in an 0-filled destination
// is the source rectangle (sx, sy) of the copied size at (dx, dy), or
// nothing.
TEST(ImagePixels, RectangleCopiesClipAtTheRightAndBottomOnly) {
  struct Case {
    const char* name;
    Int sw, sh, dw, dh;
    Int sx, sy, w, h, dx, dy;
    Int copiedW, copiedH;  // 0: nothing copied
  };
  const Case cases[] = {
      {"inside", 8, 6, 8, 6, 1, 1, 3, 2, 2, 3, 3, 2},
      {"start at the source's right edge", 8, 6, 8, 6, 8, 0, 2, 2, 0, 0, 0, 0},
      {"start at the destination's bottom edge", 8, 6, 8, 6, 0, 0, 2, 2, 0, 6, 0, 0},
      {"10 past the source's right edge", 8, 6, 30, 6, 2, 0, 16, 1, 0, 0, 6, 1},
      {"cut further by the destination", 8, 6, 8, 6, 2, 0, 16, 1, 5, 0, 3, 1},
      {"cut at both bottoms", 8, 6, 8, 4, 0, 4, 2, 9, 0, 1, 2, 2},
      {"negative source x", 8, 6, 8, 6, -1, 0, 3, 3, 0, 0, 0, 0},
      {"negative destination y", 8, 6, 8, 6, 0, 0, 3, 3, 0, -2, 0, 0},
      {"negative width", 8, 6, 8, 6, 1, 1, -3, 2, 0, 0, 0, 0},
      {"zero height", 8, 6, 8, 6, 1, 1, 3, 0, 0, 0, 0, 0},
      {"huge size", 8, 6, 8, 6, 7, 5, std::numeric_limits<Int>::max(),
       std::numeric_limits<Int>::max(), 0, 0, 1, 1},
  };
  for (const Case& c : cases) {
    for (bool rows : {true, false}) {
      const Ref<TImage> source = Numbered(c.sw, c.sh);
      const Ref<TImage> dest = CreateImage(c.dw, c.dh, 1, 0);
      const Int result =
          rows ? ccCopyImageRect(source, c.sx, c.sy, c.w, c.h, dest, c.dx, c.dy)
               : ccCopyImageToImage(source, c.sx, c.sy, c.w, c.h, dest, c.dx, c.dy, 0);
      EXPECT_EQ(result, 0);
      Grid expected(c.dh, std::vector<Int>(c.dw, 0));
      for (Int j = 0; j < c.copiedH; ++j) {
        for (Int i = 0; i < c.copiedW; ++i) {
          expected[c.dy + j][c.dx + i] = ARGB_Color(255, c.sx + i + 1, c.sy + j + 1, 7);
        }
      }
      EXPECT_EQ(Pixels(dest), expected) << c.name << (rows ? " (rows)" : " (pixels)");
    }
  }
}

TEST(ImagePixels, PixelCopyMirrorsFlipsOrTurnsByMode) {
  const Int a = ARGB_Color(255, 1, 1, 7), b = ARGB_Color(255, 2, 1, 7),
            c = ARGB_Color(255, 3, 1, 7);
  const Int d = ARGB_Color(255, 1, 2, 7), e = ARGB_Color(255, 2, 2, 7),
            f = ARGB_Color(255, 3, 2, 7);
  const std::vector<std::pair<Int, Grid>> cases = {
      {0, {{a, b, c}, {d, e, f}}}, {1, {{c, b, a}, {f, e, d}}}, {2, {{d, e, f}, {a, b, c}}},
      {3, {{f, e, d}, {c, b, a}}}, {4, {{0, 0, 0}, {0, 0, 0}}}, {-1, {{0, 0, 0}, {0, 0, 0}}}};
  for (const auto& [mode, expected] : cases) {
    const Ref<TImage> dest = CreateImage(3, 2, 1, 0);
    ccCopyImageToImage(Numbered(3, 2), 0, 0, 3, 2, dest, 0, 0, mode);
    EXPECT_EQ(Pixels(dest), expected) << "mode " << mode;
  }
}

// One source pixel over one destination pixel.
TEST(ImagePixels, BlendScalesAlphaAndLightAndSkipsWhatItCannotDivide) {
  struct Case {
    const char* name;
    std::uint32_t source, dest;
    Float alpha, light;
    std::uint32_t expected;
  };
  const Case cases[] = {
      {"opaque source replaces", 0xFF102030, 0x80FFFFFF, 1, 1, 0xFF102030},
      {"transparent source leaves", 0x00102030, 0x80FFFFFF, 1, 1, 0x80FFFFFF},
      {"half over nothing keeps its colour", 0x80C86432, 0x00FFFFFF, 1, 1, 0x80C86432},
      // sC * 128 / 383 + dC * (255 / 383) * (255 / 383): 111.17, 51.15, 127.53.
      {"half over opaque", 0x80C86432, 0xFF6428FA, 1, 1, 0xFF6F337F},
      {"light halves the colour", 0xFFC86433, 0xFF000000, 1, 0.5f, 0xFF643219},
      {"alpha 0 leaves", 0xFF102030, 0x80FFFFFF, 0, 1, 0x80FFFFFF},
      {"total alpha rounds to 0", 0xFF102030, 0x00FFFFFF, 0.001f, 1, 0x00FFFFFF},
      {"negative alpha cancels", 0xFF102030, 0xFF000000, -1, 1, 0xFF000000},
      {"NaN alpha", 0xFF102030, 0x00FFFFFF, std::nanf(""), 1, 0x00FFFFFF},
  };
  for (const Case& c : cases) {
    const Ref<TImage> image = CreateImage(1, 1, 1, 0);
    WritePixel(LockImage(image), 0, 0, static_cast<Int>(c.source));
    const Ref<TPixmap> dest = CreatePixmap(1, 1);
    WritePixel(dest, 0, 0, static_cast<Int>(c.dest));
    EXPECT_EQ(ccDrawOnPixmap(image, 0, dest, 0, 0, c.alpha, c.light), 0);
    EXPECT_EQ(static_cast<std::uint32_t>(ReadPixel(dest, 0, 0)), c.expected) << c.name;
  }
}

TEST(ImagePixels, BlendDrawsOnlyTheFrameInsideThePixmap) {
  const Int o = ARGB_Color(255, 9, 9, 9);
  struct Case {
    Int frame, x, y;
    Grid expected;
  };
  const Case cases[] = {
      {0, -1, -1, {{ARGB_Color(255, 2, 2, 7), o, o}, {o, o, o}, {o, o, o}}},
      {0, 2, 2, {{o, o, o}, {o, o, o}, {o, o, ARGB_Color(255, 1, 1, 7)}}},
      {0, 3, 0, {{o, o, o}, {o, o, o}, {o, o, o}}},
      {0,
       std::numeric_limits<Int>::max(),
       std::numeric_limits<Int>::min(),
       {{o, o, o}, {o, o, o}, {o, o, o}}},
      {1, 0, 0, {{o, o, o}, {o, o, o}, {o, o, o}}},
      {-1, 0, 0, {{o, o, o}, {o, o, o}, {o, o, o}}},
  };
  for (const Case& c : cases) {
    const Ref<TImage> dest = CreateImage(3, 3, 1, 0);
    for (Int y = 0; y < 3; ++y) {
      for (Int x = 0; x < 3; ++x) WritePixel(LockImage(dest), x, y, o);
    }
    ccDrawOnPixmap(Numbered(2, 2), c.frame, LockImage(dest), c.x, c.y, 1, 1);
    EXPECT_EQ(Pixels(dest), c.expected) << "frame " << c.frame << " at " << c.x << "," << c.y;
  }
}

TEST(ImagePixels, BlendOfANullImageEndsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(ccDrawOnPixmap(nullptr, 0, CreatePixmap(1, 1), 0, 0, 1, 1),
              ::testing::ExitedWithCode(255), ::testing::Eq("image doesnt exist"));
}

TEST(ImagePixels, ArgbPacksAndUnpacksWithoutMasking) {
  const Int pixel = static_cast<Int>(0x80FF4020u);
  EXPECT_EQ(
      (std::vector<Int>{ARGB_Alpha(pixel), ARGB_Red(pixel), ARGB_Green(pixel), ARGB_Blue(pixel)}),
      (std::vector<Int>{128, 255, 64, 32}));
  struct Case {
    Int a, r, g, b, expected;
  };
  for (const Case& c :
       {Case{128, 255, 64, 32, pixel}, Case{255, 255, 255, 255, -1}, Case{0, 0, 1, 256, 512},
        Case{0, 0, 0, 0, 0}, Case{256, 0, 0, 0, 0}, Case{0, 0, 0, -1, -1}}) {
    EXPECT_EQ(ARGB_Color(c.a, c.r, c.g, c.b), c.expected)
        << c.a << "," << c.r << "," << c.g << "," << c.b;
  }
  EXPECT_EQ(ARGB_Green(512), 2);
  EXPECT_EQ(ARGB_Blue(512), 0);
}

class ImagePixelsOnScreen : public canvas_test::CanvasTest {};

TEST_F(ImagePixelsOnScreen, DrawImageRectShowsThePartInsideFrameZero) {
  struct Case {
    const char* name;
    Int rx, ry, rw, rh;
    Int left, top, right, bottom;  // the source pixels expected, at (10, 20) on
  };
  const Case cases[] = {
      {"inside", 1, 1, 2, 2, 1, 1, 3, 3},
      {"over the top-left corner", -1, -1, 3, 3, 0, 0, 2, 2},
      {"over the bottom-right corner", 2, 3, 5, 5, 2, 3, 4, 4},
  };
  for (const Case& c : cases) {
    const Ref<TImage> image = Numbered(4, 4);
    Cls();
    EXPECT_EQ(ccDrawImageRect(image, 10, 20, c.rx, c.ry, c.rw, c.rh), 0);
    ASSERT_EQ(test::CurrentDrawLog().size(), 2u) << c.name;
    Present();
    for (Int y = 0; y < c.bottom - c.top + 1; ++y) {
      for (Int x = 0; x < c.right - c.left + 1; ++x) {
        const bool inside = x < c.right - c.left && y < c.bottom - c.top;
        const std::uint32_t expected =
            inside ? static_cast<std::uint32_t>(ARGB_Color(255, c.left + x + 1, c.top + y + 1, 7))
                   : 0xFF000000u;
        EXPECT_EQ(At(10 + x, 20 + y), expected) << c.name << " at " << x << "," << y;
      }
    }
  }
  for (const auto& [rx, ry] : {std::pair{4, 0}, {0, 4}, {-2, 0}}) {
    ccDrawImageRect(Numbered(4, 4), 10, 20, rx, ry, 2, 2);
    EXPECT_TRUE(test::CurrentDrawLog().empty()) << rx << "," << ry;
  }
}

TEST_F(ImagePixelsOnScreen, DrawImageAreaDrawsAtItsOwnSizeByTheImageHandle) {
  const Ref<TImage> image = Numbered(8, 8);
  SetImageHandle(image, 3, 2);
  EXPECT_EQ(ccDrawImageArea(image, 10.5f, 20, 1, 2, 4, 5, 0), 0);
  ASSERT_EQ(test::CurrentDrawLog().size(), 1u);
  const test::DrawRecord& record = test::CurrentDrawLog()[0];
  EXPECT_EQ(record.kind, test::DrawKind::SubImage);
  EXPECT_EQ((std::vector<Float>{record.x, record.y, record.x2, record.y2, record.sx, record.sy,
                                record.sw, record.sh, record.hx, record.hy}),
            (std::vector<Float>{10.5f, 20, 4, 5, 1, 2, 4, 5, 3, 2}));
}

}  // namespace
