// Font files through LoadImageFont, smooth and monochrome, then the glyphs a
// text would use: Null or a font whose glyphs render without a crash. Each
// file is opened at one size and at up to three of its own bitmap sizes, as a
// font of bitmap strikes (BDF, PCF, sbix or CBDT only) opens at no other.
#include <algorithm>
#include <vector>

#include "fuzz_input.h"
#include "platform/font.h"
#include "platform/testing.h"

namespace {

constexpr Int kSize = 24;
constexpr Int kMostFixedSizes = 3;
constexpr Int kFirstGlyphs = 8;

void RenderSome(TImageFont& font) {
  for (const Int code : {Int('A'), Int('g'), Int(' '), 0xE9, 0x20AC}) {
    font.LoadGlyph(font.CharToGlyph(code));
  }
  for (Int index = 0; index < kFirstGlyphs; ++index) font.LoadGlyph(index);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = fuzz::InputFile(data, size);
  std::vector<Int> sizes = platform::test::FontFixedSizes(path, kMostFixedSizes);
  if (std::find(sizes.begin(), sizes.end(), kSize) == sizes.end()) sizes.push_back(kSize);
  for (const Int fontSize : sizes) {
    for (const Int style : {SMOOTHFONT, 0}) {
      const Ref<TImageFont> font = LoadImageFont(path, fontSize, style);
      if (font) RenderSome(*font);
    }
  }
  return 0;
}
