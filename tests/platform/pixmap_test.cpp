// Pixmap operations: pixel access at and beyond the edges, windows that share
// and clip, deep copies, and the raw memory copy; the largest pictures decoded
// within the memory of their pixmap.
#include "platform/pixmap.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/image_codecs.h"
#include "platform/peak_memory.h"

namespace {

// A pixmap whose every pixel is distinct: 0xFF000000 | y << 8 | x.
Ref<TPixmap> Numbered(Int width, Int height) {
  auto pixmap = CreatePixmap(width, height);
  for (Int y = 0; y < height; ++y) {
    for (Int x = 0; x < width; ++x) {
      WritePixel(pixmap, x, y, static_cast<Int>(0xFF000000u | y << 8 | x));
    }
  }
  return pixmap;
}

Int NumberAt(Int x, Int y) { return static_cast<Int>(0xFF000000u | y << 8 | x); }

TEST(Pixmap, CreateMakesTransparentBlackWithPitchOfFourBytesPerPixel) {
  struct Case {
    Int width, height, expectWidth, expectHeight;
  };
  for (const Case& c : {Case{5, 3, 5, 3}, Case{0, 4, 0, 4}, Case{-2, 3, 0, 3}, Case{3, -1, 3, 0}}) {
    auto pixmap = CreatePixmap(c.width, c.height);
    ASSERT_NE(pixmap, nullptr);
    EXPECT_EQ(PixmapWidth(pixmap), c.expectWidth);
    EXPECT_EQ(PixmapHeight(pixmap), c.expectHeight);
    EXPECT_EQ(PixmapPitch(pixmap), c.expectWidth * 4);
    for (Int y = 0; y < c.expectHeight; ++y) {
      for (Int x = 0; x < c.expectWidth; ++x) {
        EXPECT_EQ(ReadPixel(pixmap, x, y), 0);
      }
    }
  }
}

TEST(Pixmap, PixelsOutsideReadZeroAndIgnoreWrites) {
  auto pixmap = Numbered(4, 3);
  const auto before = pixmap->Copy();
  struct Point {
    Int x, y;
  };
  for (const Point& p : {Point{-1, 0}, Point{0, -1}, Point{4, 0}, Point{0, 3}, Point{4, 3},
                         Point{-2147483647 - 1, 1}, Point{1, 2147483647}}) {
    EXPECT_EQ(ReadPixel(pixmap, p.x, p.y), 0) << p.x << "," << p.y;
    WritePixel(pixmap, p.x, p.y, -1);
  }
  for (Int y = 0; y < 3; ++y) {
    for (Int x = 0; x < 4; ++x) {
      EXPECT_EQ(ReadPixel(pixmap, x, y), ReadPixel(before, x, y));
    }
  }
}

TEST(Pixmap, NullPixmapReadsAsEmpty) {
  const Ref<TPixmap> none;
  EXPECT_EQ(PixmapWidth(none), 0);
  EXPECT_EQ(PixmapHeight(none), 0);
  EXPECT_EQ(PixmapPitch(none), 0);
  EXPECT_EQ(PixmapPixelPtr(none), nullptr);
  EXPECT_EQ(ReadPixel(none, 0, 0), 0);
  WritePixel(none, 0, 0, 1);
  EXPECT_EQ(PixmapWindow(none, 0, 0, 1, 1), nullptr);
}

// The bytes at PixmapPixelPtr are native ARGB words, rows a pitch apart.
TEST(Pixmap, PixelPointerAddressesArgbWords) {
  auto pixmap = CreatePixmap(3, 2);
  WritePixel(pixmap, 2, 1, static_cast<Int>(0x80112233u));
  const Byte* top = PixmapPixelPtr(pixmap);
  const Byte* pixel = PixmapPixelPtr(pixmap, 2, 1);
  ASSERT_EQ(pixel - top, PixmapPitch(pixmap) + 2 * 4);
  std::uint32_t word = 0;
  std::memcpy(&word, pixel, 4);
  EXPECT_EQ(word, 0x80112233u);
  EXPECT_EQ(ReadPixel(pixmap, 2, 1), static_cast<Int>(0x80112233u));
}

TEST(Pixmap, WindowIsClippedToItsParent) {
  struct Case {
    Int x, y, width, height;
    Int expectWidth, expectHeight, firstX, firstY;
  };
  const Case cases[] = {
      {1, 1, 2, 2, 2, 2, 1, 1},                    // inside
      {-2, -1, 4, 3, 2, 2, 0, 0},                  // over the top-left corner
      {4, 2, 10, 10, 2, 2, 4, 2},                  // over the bottom-right corner
      {0, 0, 6, 4, 6, 4, 0, 0},                    // the whole parent
      {7, 0, 2, 2, 0, 2, 6, 0},                    // right of the parent
      {1, 1, -3, 2, 0, 2, 1, 1},                   // negative width
      {2147483647, 0, 2147483647, 1, 0, 1, 6, 0},  // far outside, no overflow
  };
  auto parent = Numbered(6, 4);
  for (const Case& c : cases) {
    auto window = PixmapWindow(parent, c.x, c.y, c.width, c.height);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(PixmapWidth(window), c.expectWidth) << c.x << "," << c.y;
    EXPECT_EQ(PixmapHeight(window), c.expectHeight) << c.x << "," << c.y;
    EXPECT_EQ(PixmapPitch(window), PixmapPitch(parent));
    if (c.expectWidth > 0 && c.expectHeight > 0) {
      EXPECT_EQ(ReadPixel(window, 0, 0), NumberAt(c.firstX, c.firstY));
      EXPECT_EQ(ReadPixel(window, c.expectWidth, 0), 0);
    }
  }
}

TEST(Pixmap, WindowSharesPixelsBothWaysAndOutlivesParent) {
  auto parent = Numbered(6, 4);
  auto window = PixmapWindow(parent, 2, 1, 3, 2);
  WritePixel(window, 1, 1, 7);
  EXPECT_EQ(ReadPixel(parent, 3, 2), 7);
  WritePixel(parent, 4, 1, 9);
  EXPECT_EQ(ReadPixel(window, 2, 0), 9);
  auto inner = PixmapWindow(window, 1, 1, 5, 5);
  EXPECT_EQ(PixmapWidth(inner), 2);
  EXPECT_EQ(PixmapHeight(inner), 1);
  EXPECT_EQ(ReadPixel(inner, 0, 0), 7);
  parent.reset();
  window.reset();
  EXPECT_EQ(ReadPixel(inner, 1, 0), NumberAt(4, 2));
}

TEST(Pixmap, CopyIsIndependentAndCompact) {
  auto parent = Numbered(6, 4);
  parent->hasAlpha = false;
  auto window = PixmapWindow(parent, 1, 1, 3, 2);
  auto copy = window->Copy();
  EXPECT_EQ(PixmapWidth(copy), 3);
  EXPECT_EQ(PixmapHeight(copy), 2);
  EXPECT_EQ(PixmapPitch(copy), 12);
  EXPECT_FALSE(copy->hasAlpha);
  for (Int y = 0; y < 2; ++y) {
    for (Int x = 0; x < 3; ++x) {
      EXPECT_EQ(ReadPixel(copy, x, y), NumberAt(x + 1, y + 1));
    }
  }
  WritePixel(copy, 0, 0, 5);
  WritePixel(parent, 2, 1, 6);
  EXPECT_EQ(ReadPixel(parent, 1, 1), NumberAt(1, 1));
  EXPECT_EQ(ReadPixel(copy, 1, 0), NumberAt(2, 1));
}

TEST(Pixmap, MemCopyHandlesOverlapAndNonPositiveCounts) {
  struct Case {
    Int to, from;
    Long bytes;
    const char* expect;
  };
  const Case cases[] = {
      {2, 0, 4,
       "abab"
       "cdgh"},  // forward over its own source
      {0, 2, 4,
       "cdef"
       "efgh"},  // backward over its own source
      {0, 4, 0, "abcdefgh"},
      {0, 4, -3, "abcdefgh"},
  };
  for (const Case& c : cases) {
    char buffer[] = "abcdefgh";
    MemCopy(buffer + c.to, buffer + c.from, c.bytes);
    EXPECT_STREQ(buffer, c.expect) << c.to << " " << c.from << " " << c.bytes;
  }
}

// The largest picture the decoders allow, given by a file of a few kilobytes.
constexpr Int kSide = 16384, kRows = 4096;
constexpr long kPixmapKb = long{kSide} * kRows * 4 / 1024;

// Appends little-endian fields: each value with its size in bytes.
void Put(std::vector<Byte>& out, std::initializer_list<std::pair<std::uint32_t, int>> fields) {
  for (const auto& [value, bytes] : fields) {
    for (int i = 0; i < bytes; ++i) out.push_back(Byte(value >> 8 * i));
  }
}

// Run-length 8-bit BMP of three colours: on the bottom row 200 pixels of 1
// and 100 of 2, the rest 0.
constexpr std::uint32_t kColours[] = {0xFF102030, 0xFF405060, 0xFF708090};
std::vector<Byte> LargestRunLengthBmp() {
  constexpr std::uint32_t kPixelsAt = 14 + 40 + sizeof kColours;
  const Byte runs[] = {200, 1, 100, 2, 0, 0, 0, 1};  // then end of line, end of picture
  std::vector<Byte> out;
  Put(out, {{'B' | 'M' << 8, 2}, {kPixelsAt + sizeof runs, 4}, {0, 4}, {kPixelsAt, 4}});
  Put(out, {{40, 4}, {kSide, 4}, {kRows, 4}, {1, 2}, {8, 2}, {1, 4}, {sizeof runs, 4}});
  Put(out, {{0, 4}, {0, 4}, {3, 4}, {0, 4}});  // resolution, colours used, important
  for (const std::uint32_t colour : kColours) Put(out, {{colour, 4}});
  out.insert(out.end(), std::begin(runs), std::end(runs));
  return out;
}
std::uint32_t BmpPixel(Int x, Int y) {
  return kColours[y < kRows - 1 ? 0 : x < 200 ? 1 : x < 300 ? 2 : 0];
}

// Run-length grey TGA stored bottom up, in runs of 128 pixels: the grey of a
// row is its number from the bottom, modulo 256.
std::vector<Byte> LargestRunLengthTga() {
  std::vector<Byte> out;
  Put(out, {{0, 2}, {11, 1}, {0, 4}, {0, 4}, {0, 1}, {kSide, 2}, {kRows, 2}, {8, 1}, {0, 1}});
  for (Int packet = 0; packet < kSide / 128 * kRows; ++packet) {
    out.insert(out.end(), {0xFF, Byte(packet / (kSide / 128))});
  }
  return out;
}
std::uint32_t TgaPixel(Int, Int y) { return 0xFF000000u | Byte(kRows - 1 - y) * 0x010101u; }

// Decoded straight into the pixmap, the peak memory grows by it and at most
// SDL's 8-bit surface (a quarter of it) and the sanitizer's shadow memory (an
// eighth): well under the two full-size buffers of a decoder with its own.
TEST(LargestPicture, RunLengthFileCostsLittleMoreThanItsPixmap) {
  struct Case {
    const char* name;
    std::vector<Byte> file;
    Ref<TPixmap> (*decode)(platform::detail::Bytes);
    std::uint32_t (*expected)(Int x, Int y);
  };
  const Case cases[] = {
      {"RLE8 BMP", LargestRunLengthBmp(), platform::detail::DecodeBmp, BmpPixel},
      {"run-length TGA", LargestRunLengthTga(), platform::detail::DecodeTga, TgaPixel},
  };
  for (const Case& c : cases) {
    const long peakBefore = platform_test::FreshPeakRssKb();
    const Ref<TPixmap> pixmap = c.decode(c.file);
    EXPECT_LT(platform_test::PeakRssKb() - peakBefore, kPixmapKb * 3 / 2) << c.name;
    ASSERT_EQ(PixmapWidth(pixmap), kSide) << c.name;
    ASSERT_EQ(PixmapHeight(pixmap), kRows) << c.name;
    for (const Int y : {0, 1000, kRows - 1}) {
      for (const Int x : {0, 199, 200, 299, 300, kSide - 1}) {
        EXPECT_EQ(std::uint32_t(ReadPixel(pixmap, x, y)), c.expected(x, y))
            << c.name << " at " << x << "," << y;
      }
    }
  }
}

// SDL's surface has the depth the header claims: run-length data claiming 32
// bits a pixel would cost a second full-size buffer.
TEST(LargestPicture, RunLengthBmpOfMoreThanEightBitsIsRefused) {
  std::vector<Byte> file = LargestRunLengthBmp();
  file[28] = 32;  // bits a pixel
  EXPECT_EQ(platform::detail::DecodeBmp(file), nullptr);
}

}  // namespace
