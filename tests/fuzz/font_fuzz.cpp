// Font files through LoadImageFont, smooth and monochrome, then the glyphs a
// text would use: Null or a font whose glyphs render without a crash.
#include "fuzz_input.h"
#include "platform/font.h"

namespace {

constexpr Int kSize = 24;
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
  for (const Int style : {SMOOTHFONT, 0}) {
    const Ref<TImageFont> font = LoadImageFont(path, kSize, style);
    if (!font) return 0;
    RenderSome(*font);
  }
  return 0;
}
