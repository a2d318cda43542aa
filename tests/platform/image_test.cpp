// Images: placement by the handle under scale and rotation, colour and
// alpha, strips of cells, masks, their video copies per display, and a PNG
// compressed close to deflate's limit.
#include <unistd.h>

#include <filesystem>
#include <map>

#include "canvas_fixture.h"

namespace {

using canvas_test::CanvasTest;
using canvas_test::Channel;
using canvas_test::ImageOf;

constexpr std::uint32_t A = 0xFF100000, B = 0xFF200000, C = 0xFF300000, D = 0xFF400000;

// Which texel (by its red value) each lit canvas pixel shows.
using Texels = std::map<std::pair<Int, Int>, Int>;

class ImageTest : public CanvasTest {
 protected:
  Texels Drawn(Int x0, Int y0, Int x1, Int y1) {
    Present();
    Texels shown;
    for (const auto& [x, y] : Lit(x0, y0, x1, y1)) shown[{x, y}] = Channel(At(x, y), 16);
    return shown;
  }
};

TEST_F(ImageTest, MidHandledOddImageIsCentredOnThePoint) {
  const Ref<TImage> image = CreateImage(33, 17);
  MidHandleImage(image);
  EXPECT_EQ(image->handle_x, 16.5f);
  EXPECT_EQ(image->handle_y, 8.5f);

  const Ref<TPixmap> pixels = CreatePixmap(5, 3);
  for (Int i = 0; i < 15; ++i) pixels->Row(i / 5)[i % 5] = 0xFF000000u | std::uint32_t(i + 1) << 16;
  const Ref<TImage> small = LoadImage(pixels, 0);
  MidHandleImage(small);
  DrawImage(small, 50, 50);
  Texels expected;
  for (Int i = 0; i < 15; ++i) expected[{47 + i % 5, 48 + i / 5}] = i + 1;
  EXPECT_EQ(Drawn(40, 40, 60, 60), expected);
}

// A 2 x 2 image (A B / C D) under scale and rotation about its handle.
TEST_F(ImageTest, ScaleAndRotationTurnAboutTheHandle) {
  struct Case {
    Float sx, sy, degrees, hx, hy;
    Texels expected;
  };
  const Case cases[] = {
      {1, 1, 0, 0, 0, {{{10, 10}, 0x10}, {{11, 10}, 0x20}, {{10, 11}, 0x30}, {{11, 11}, 0x40}}},
      {1, 1, 90, 0, 0, {{{9, 10}, 0x10}, {{9, 11}, 0x20}, {{8, 10}, 0x30}, {{8, 11}, 0x40}}},
      {1, 1, 180, 0, 0, {{{9, 9}, 0x10}, {{8, 9}, 0x20}, {{9, 8}, 0x30}, {{8, 8}, 0x40}}},
      {1, 1, 90, 1, 1, {{{10, 9}, 0x10}, {{10, 10}, 0x20}, {{9, 9}, 0x30}, {{9, 10}, 0x40}}},
      {-1, 1, 0, 0, 0, {{{9, 10}, 0x10}, {{8, 10}, 0x20}, {{9, 11}, 0x30}, {{8, 11}, 0x40}}},
      {2,
       1,
       0,
       1,
       0,
       {{{8, 10}, 0x10},
        {{9, 10}, 0x10},
        {{10, 10}, 0x20},
        {{11, 10}, 0x20},
        {{8, 11}, 0x30},
        {{9, 11}, 0x30},
        {{10, 11}, 0x40},
        {{11, 11}, 0x40}}},
  };
  const Ref<TImage> image = ImageOf(2, 2, {A, B, C, D});
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "scale " << c.sx << "," << c.sy << " rot " << c.degrees
                                    << " handle " << c.hx << "," << c.hy);
    Cls();
    SetImageHandle(image, c.hx, c.hy);
    SetScale(c.sx, c.sy);
    SetRotation(c.degrees);
    DrawImage(image, 10, 10);
    canvas_test::RestState();
    EXPECT_EQ(Drawn(0, 0, 20, 20), c.expected);
  }
}

// Colour multiplies, clamped to 0..255 when drawing; alpha is clamped to
// 0..1 before it becomes a byte, so 2.0 draws opaque and never wraps.
TEST_F(ImageTest, ColourMultipliesAndAlphaBlends) {
  struct Case {
    std::uint32_t texel;
    Int r, g, b;
    Float alpha;
    Int er, eg, eb;
  };
  const Case cases[] = {
      {0xFFC86432, 255, 255, 255, 1, 200, 100, 50},
      {0xFFC86432, 128, 255, 0, 1, 100, 100, 0},
      {0xFFC86432, 300, -5, 255, 1, 200, 0, 50},
      {0xFFFFFFFF, 255, 255, 255, -1, 0, 0, 0},
      {0xFFFFFFFF, 0, 0, 0, 1, 0, 0, 0},
      {0xFFFFFFFF, 255, 255, 255, 2, 255, 255, 255},
      {0xFFFFFFFF, 255, 255, 255, 0.25f, 64, 64, 64},
      {0x80FFFFFF, 255, 255, 255, 2, 128, 128, 128},
      {0x80FFFFFF, 255, 255, 255, 0.5f, 64, 64, 64},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.texel << std::dec << " colour " << c.r << ","
                                    << c.g << "," << c.b << " alpha " << c.alpha);
    Cls();
    SetColor(c.r, c.g, c.b);
    SetAlpha(c.alpha);
    DrawImage(ImageOf(1, 1, {c.texel}), 3, 3);
    canvas_test::RestState();
    Present();
    ExpectColour(3, 3, c.er, c.eg, c.eb);
  }
}

TEST_F(ImageTest, SubImageRectDrawsAnAreaByItsHandle) {
  const Ref<TImage> image = ImageOf(2, 2, {A, B, C, D});
  DrawSubImageRect(image, 10, 10, 1, 2, 1, 0, 1, 2, 1, 0);
  EXPECT_EQ(Drawn(0, 0, 20, 20), (Texels{{{9, 10}, 0x20}, {{9, 11}, 0x40}}));
  EXPECT_EQ(platform::test::FormatRecord(platform::test::LastFrameDrawLog().back()),
            "draw subimage - frame=0 x=10 y=10 w=1 h=2 sx=1 sy=0 sw=1 sh=2 hx=1 hy=0 "
            "colour=255,255,255 alpha=1 scale=1,1 rot=0");
}

TEST_F(ImageTest, AbsentImagesAndFramesDrawNothing) {
  const Ref<TImage> image = ImageOf(1, 1, {A});
  DrawImage(nullptr, 1, 1);
  DrawImage(image, 1, 1, 1);
  DrawImage(image, 1, 1, -1);
  DrawSubImageRect(nullptr, 1, 1, 1, 1, 0, 0, 1, 1);
  DrawImage(CreateImage(4, 4), 1, 1);  // a frame without pixels
  EXPECT_EQ(platform::test::CurrentDrawLog().size(), 1u);
  EXPECT_TRUE(Drawn(0, 0, 10, 10).empty());
}

class TempPng {
 public:
  TempPng(Int width, Int height, const std::vector<std::uint32_t>& argb)
      : path_(std::filesystem::temp_directory_path() /
              ("quorvane-image-" + std::to_string(getpid()) + ".png")) {
    EXPECT_TRUE(platform::test::WritePng(path_.string(), argb, width, height));
  }
  ~TempPng() { std::filesystem::remove(path_); }
  String Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

TEST(AnimImageTest, CellsRunLeftToRightThenDown) {
  // Six 2 x 1 cells in a 3 x 2 grid, cell n filled with red n.
  std::vector<std::uint32_t> strip(6 * 2);
  for (Int i = 0; i < 12; ++i) {
    const Int x = i % 6, y = i / 6;
    strip[std::size_t(i)] = 0xFF000000u | std::uint32_t(y * 3 + x / 2) << 16;
  }
  const TempPng file(6, 2, strip);
  const Ref<TImage> image = LoadAnimImage(file.Path(), 2, 1, 2, 3);
  ASSERT_TRUE(image);
  ASSERT_EQ(image->frames.size(), 3u);
  EXPECT_EQ(image->source, file.Path());
  for (Int frame = 0; frame < 3; ++frame) {
    EXPECT_EQ(ReadPixel(image->pixmaps[std::size_t(frame)], 1, 0),
              Int(0xFF000000u | (frame + 2) << 16));
  }
  EXPECT_FALSE(LoadAnimImage(file.Path(), 2, 1, 4, 3));
  EXPECT_FALSE(LoadAnimImage(file.Path(), 0, 1, 0, 1));
  EXPECT_FALSE(LoadAnimImage("no/such/strip.png", 2, 1, 0, 1));
  EXPECT_FALSE(LoadImage("no/such/image.png"));
  EXPECT_TRUE(LoadImage(file.Path()));
}

// The image data's size is checked against what the pixels need at deflate's
// best ratio (1032:1), so a file of one colour, which comes close, loads.
TEST(PngTest, HighlyCompressedImageLoads) {
  constexpr Int kSide = 2048;
  const TempPng file(kSide, kSide, std::vector<std::uint32_t>(kSide * kSide, A));
  const auto fileSize = Long(std::filesystem::file_size(file.Path().ToUtf8()));
  EXPECT_GT(Long(kSide) * kSide * 4, 700 * fileSize);  // close to the bound
  const Ref<TPixmap> pixmap = LoadPixmap(file.Path());
  ASSERT_TRUE(pixmap);
  EXPECT_EQ(ReadPixel(pixmap, kSide - 1, kSide - 1), Int(A));
}

TEST(MaskTest, MaskColourBecomesTransparentOnlyWithoutAlpha) {
  const Ref<TPixmap> opaque = CreatePixmap(2, 1);
  WritePixel(opaque, 0, 0, Int(0xFF000000u));
  WritePixel(opaque, 1, 0, Int(0xFF0A0B0Cu));
  opaque->hasAlpha = false;
  const Ref<TImage> masked = CreateImage(2, 1, 1, MASKEDIMAGE);
  masked->SetPixmap(0, opaque);
  EXPECT_EQ(ReadPixel(masked->pixmaps[0], 0, 0), 0);
  EXPECT_EQ(ReadPixel(masked->pixmaps[0], 1, 0), Int(0xFF0A0B0Cu));
  EXPECT_EQ(ReadPixel(opaque, 0, 0), Int(0xFF000000u));  // the source is left alone

  masked->mask_r = 10, masked->mask_g = 11, masked->mask_b = 12;
  masked->SetPixmap(0, opaque);
  EXPECT_EQ(ReadPixel(masked->pixmaps[0], 1, 0), 0x000A0B0C);

  opaque->hasAlpha = true;
  masked->SetPixmap(0, opaque);
  EXPECT_EQ(ReadPixel(masked->pixmaps[0], 1, 0), Int(0xFF0A0B0Cu));
}

TEST_F(ImageTest, VideoCopiesAreMadeOncePerDisplayAndDroppedByWrites) {
  const Ref<TImage> image = CreateImage(2, 2, 2);
  EXPECT_FALSE(image->Frame(0));  // no pixels yet
  const Ref<TPixmap> pixmap = LockImage(image, 0);
  ASSERT_TRUE(pixmap);
  EXPECT_EQ(ReadPixel(pixmap, 1, 1), 0);
  UnlockImage(image, 0);

  const Long before = platform::test::VideoFramesMade();
  const Ref<TImageFrame> first = image->Frame(0);
  ASSERT_TRUE(first);
  EXPECT_EQ(image->Frame(0), first);
  EXPECT_EQ(platform::test::VideoFramesMade(), before + 1);

  LockImage(image, 0, 1, 0);  // a read lock keeps the copy
  EXPECT_EQ(image->Frame(0), first);
  LockImage(image, 0, 1, 1);
  EXPECT_FALSE(image->frames[0]);
  EXPECT_NE(image->Frame(0), first);

  Graphics(CANVAS_WIDTH, CANVAS_HEIGHT, 0);
  const Ref<TImageFrame> remade = image->Frame(0);
  ASSERT_TRUE(remade);
  EXPECT_GT(remade->generation, first->generation);
  EXPECT_EQ(platform::test::VideoFramesMade(), before + 3);
  EXPECT_FALSE(LockImage(image, 2));
}

}  // namespace
