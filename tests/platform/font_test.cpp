// Image fonts: metrics, glyph images, text width and height, where DrawText
// puts each glyph, and files that are no font.
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "canvas_fixture.h"

namespace {

using canvas_test::CanvasTest;

const String kFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

Ref<TImageGlyph> GlyphOf(const Ref<TImageFont>& font, Int code) {
  const Int index = font->CharToGlyph(code);
  return index < 0 ? nullptr : font->LoadGlyph(index);
}

TEST(FontTest, DefaultFontIsSelectedByNull) {
  SetImageFont(nullptr);
  const Ref<TImageFont> font = GetImageFont();
  ASSERT_TRUE(font);
  EXPECT_EQ(font, DefaultFont());
  EXPECT_EQ(font->size, 14);
  EXPECT_GE(font->Height(), 14);
  EXPECT_LE(font->Height(), 20);
  EXPECT_EQ(TextHeight(""), font->Height());
  EXPECT_EQ(TextHeight("Wide text"), font->Height());
}

TEST(FontTest, MissingOrForeignFilesGiveNull) {
  EXPECT_FALSE(LoadImageFont("Data/Fonts/nothere.ttf", 20));
  EXPECT_FALSE(LoadImageFont("/proc/self/status", 20));
  EXPECT_FALSE(LoadImageFont(kFontFile, 0));
  EXPECT_TRUE(LoadImageFont(kFontFile, 20));
}

// Anything but a readable font file is a missing font, found out at once: a
// FIFO in place of the file must not block.
TEST(FontTest, UnreadableFilesAreMissingFontsPromptly) {
  const std::filesystem::path folder =
      std::filesystem::path(::testing::TempDir()) / ("quorvane-font-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  ASSERT_EQ(mkfifo((folder / "fifo.ttf").c_str(), 0600), 0);
  std::ofstream(folder / "empty.ttf").flush();
  std::ofstream(folder / "garbage.ttf") << std::string(4096, 'x');
  for (const char* name : {"fifo.ttf", "empty.ttf", "garbage.ttf", ""}) {
    SCOPED_TRACE(name);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(LoadImageFont((folder / name).string(), 20));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  }
  std::filesystem::remove_all(folder);
}

TEST(FontTest, CodesWithoutGlyphsAreNegative) {
  const Ref<TImageFont> font = DefaultFont();
  for (const Int code : {0xD800, 0xDFFF, 0xFFFF, -1}) EXPECT_LT(font->CharToGlyph(code), 0) << code;
  for (const Int code : {Int('A'), Int(' '), 0xE9}) EXPECT_GT(font->CharToGlyph(code), 0) << code;
  EXPECT_FALSE(font->LoadGlyph(-1));
  EXPECT_FALSE(font->LoadGlyph(1 << 20));
}

// Smooth glyphs have grey edges, the others only full or no coverage; both
// are white with the coverage as alpha and lie within the line height.
TEST(FontTest, GlyphImagesAreWhiteCoverage) {
  for (const Int style : {0, SMOOTHFONT}) {
    const Ref<TImageFont> font = LoadImageFont(kFontFile, 24, style);
    ASSERT_TRUE(font);
    const Ref<TImageGlyph> glyph = GlyphOf(font, 'O');
    ASSERT_TRUE(glyph && glyph->_image);
    bool grey = false;
    const Ref<TPixmap> pixmap = glyph->_image->pixmaps[0];
    for (Int y = 0; y < pixmap->height; ++y) {
      for (Int x = 0; x < pixmap->width; ++x) {
        const std::uint32_t pixel = std::uint32_t(ReadPixel(pixmap, x, y));
        EXPECT_EQ(pixel & 0xFFFFFFu, 0xFFFFFFu);
        grey |= (pixel >> 24) != 0 && (pixel >> 24) != 255;
      }
    }
    EXPECT_EQ(grey, style == SMOOTHFONT);
    EXPECT_GE(glyph->_y, 0);
    EXPECT_LE(glyph->_y + pixmap->height, font->Height());
    EXPECT_EQ(glyph->_image->handle_x, 0);
    EXPECT_EQ(glyph->_advance, std::floor(glyph->_advance));
    EXPECT_FALSE(GlyphOf(font, ' ')->_image);
  }
}

// A bitmap font's glyphs pass the size check on their metrics alone, then
// load in full.
// A bitmap font's glyph is its bitmap, pixel for pixel: the test BDF font's
// 'A' is 10 x 20 pixels, its apex pixels 4 and 5 of the third row.
TEST(FontTest, BitmapGlyphsRender) {
  const Ref<TImageFont> font = LoadImageFont(QUORVANE_TEST_DATA_DIR "/bitmap-font.bdf", 20);
  ASSERT_TRUE(font);
  const Ref<TImageGlyph> glyph = GlyphOf(font, 'A');
  ASSERT_TRUE(glyph && glyph->_image);
  EXPECT_EQ(glyph->_image->width, 10);
  EXPECT_EQ(glyph->_image->height, 20);
  const Ref<TPixmap> pixels = glyph->_image->pixmaps[0];
  EXPECT_EQ(std::uint32_t(ReadPixel(pixels, 4, 2)) >> 24, 255u);
  EXPECT_EQ(std::uint32_t(ReadPixel(pixels, 3, 2)) >> 24, 0u);
  EXPECT_LE(glyph->_y + glyph->_image->height, font->Height());
}

// Whole advances summed without kerning; characters without glyphs add
// nothing.
TEST(FontTest, TextWidthSumsAdvances) {
  const Ref<TImageFont> font = LoadImageFont(kFontFile, 32);
  SetImageFont(font);
  const Int a = Int(GlyphOf(font, 'A')->_advance), v = Int(GlyphOf(font, 'V')->_advance);
  const Int space = Int(GlyphOf(font, ' ')->_advance);
  EXPECT_EQ(TextWidth(""), 0);
  EXPECT_EQ(TextWidth("AV"), a + v);
  EXPECT_EQ(TextWidth("A VA"), 2 * a + v + space);
  EXPECT_EQ(TextWidth(String(u"A\uFFFFV")), a + v);
  SetScale(3, 3);
  EXPECT_EQ(TextWidth("AV"), a + v);
  SetScale(1, 1);
  SetImageFont(nullptr);
  EXPECT_NE(TextWidth("AV"), a + v);
}

class TextTest : public CanvasTest {
 protected:
  // The bounding box (x0, y0, x1, y1) of the lit pixels around (100, 100).
  std::array<Int, 4> Box() {
    Present();
    std::array<Int, 4> box{1 << 20, 1 << 20, -1, -1};
    for (const auto& [x, y] : Lit(0, 0, 300, 300)) {
      box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), std::max(box[3], y)};
    }
    return box;
  }
};

// Glyph i sits at pen + M(_x, _y); the pen starts at (x, y) and moves by the
// advance along the transformed x axis; a code without a glyph neither draws
// nor moves it.
TEST_F(TextTest, GlyphsArePlacedByTheirOffsetsFromThePen) {
  const Ref<TImageFont> font = LoadImageFont(kFontFile, 20, 0);
  const Ref<TImageGlyph> bar = GlyphOf(font, '|');
  ASSERT_TRUE(bar && bar->_image);
  const Int w = bar->_image->width, h = bar->_image->height, adv = Int(bar->_advance);
  SetImageFont(font);
  struct Case {
    String text;
    Float scale, degrees;
    std::array<Int, 4> box;
  };
  const Case cases[] = {
      {"|", 1, 0, {100 + bar->_x, 100 + bar->_y, 99 + bar->_x + w, 99 + bar->_y + h}},
      {"||", 1, 0, {100 + bar->_x, 100 + bar->_y, 99 + adv + bar->_x + w, 99 + bar->_y + h}},
      {String(u"|\uFFFF|"),
       1,
       0,
       {100 + bar->_x, 100 + bar->_y, 99 + adv + bar->_x + w, 99 + bar->_y + h}},
      {"|",
       2,
       0,
       {100 + 2 * bar->_x, 100 + 2 * bar->_y, 99 + 2 * (bar->_x + w), 99 + 2 * (bar->_y + h)}},
      {"||", 1, 180, {100 - adv - bar->_x - w, 100 - bar->_y - h, 99 - bar->_x, 99 - bar->_y}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.text.ToUtf8() << " scale " << c.scale << " rot " << c.degrees);
    Cls();
    SetScale(c.scale, c.scale);
    SetRotation(c.degrees);
    DrawText(c.text, 100, 100);
    SetScale(1, 1);
    SetRotation(0);
    EXPECT_EQ(Box(), c.box);
  }
  EXPECT_EQ(platform::test::LastFrameDrawLog().back().font, kFontFile.ToUtf8());
}

TEST_F(TextTest, FontsDrawAgainAfterTheDisplayIsReopened) {
  DrawText("Quorvane", 100, 100);
  const auto before = Box();
  ASSERT_GE(before[2], before[0]);
  Graphics(CANVAS_WIDTH, CANVAS_HEIGHT, 32);
  Graphics(CANVAS_WIDTH, CANVAS_HEIGHT, 0);
  DrawText("Quorvane", 100, 100);
  EXPECT_EQ(Box(), before);
}

}  // namespace
