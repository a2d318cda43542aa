// The game's font as the platform loads it: present, with every character
// the game draws, and with vertical metrics that fit the fixed layout.
#include "platform/font.h"

#include <gtest/gtest.h>

#include <string>

#include "data_files.h"

namespace {

Ref<TImageFont> LoadMainFont() {
  data_files::StartHeadless();
  return LoadImageFont(String(data_files::kData + "Fonts/mael.ttf"), 64, SMOOTHFONT);
}

TEST(DataFont, HasAGlyphForEveryPrintableAsciiCharacter) {
  const Ref<TImageFont> font = LoadMainFont();
  ASSERT_TRUE(font);
  for (int code = 32; code < 127; ++code) {
    EXPECT_GE(font->CharToGlyph(code), 0) << "character " << code;
  }
}

// The characters the game's texts use draw visible ink.
TEST(DataFont, DrawsInkForEveryCharacterTheGameUses) {
  const Ref<TImageFont> font = LoadMainFont();
  ASSERT_TRUE(font);
  const std::string used = "!+-./0123456789:<>ABCDEFGLMOPQSTVWYZabcdefghiklmnoprstuvxy";
  for (const char ch : used) {
    const Ref<TImageGlyph> glyph = font->LoadGlyph(font->CharToGlyph(ch));
    ASSERT_TRUE(glyph) << ch;
    EXPECT_TRUE(glyph->_image) << ch << " has no ink";
    EXPECT_GT(glyph->_advance, 0) << ch;
  }
}

// Heads-up rows (scale 0.6 from y 3) fit the 50-pixel bar, and the seconds
// (scale 0.72 at y 715) sit in the timer bar.
TEST(DataFont, MetricsFitTheFixedLayout) {
  const Ref<TImageFont> font = LoadMainFont();
  ASSERT_TRUE(font);
  EXPECT_LE(font->Height(), 78);
  EXPECT_GT(font->Height(), 60);
  EXPECT_LE(font->ascender, 62);
}

TEST(DataFont, ItsLicenceShipsBesideIt) {
  const auto bytes = data_files::ReadBytes(data_files::kData + "Fonts/mael-LICENSE.txt");
  const std::string text(bytes.begin(), bytes.end());
  EXPECT_NE(text.find("SIL OPEN FONT LICENSE Version 1.1"), std::string::npos);
  EXPECT_NE(text.find("Comfortaa"), std::string::npos);
}

}  // namespace
