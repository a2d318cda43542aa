// Image fonts: TrueType glyphs rendered once into images, drawn as text.
#pragma once

#include <map>
#include <memory>

#include "platform/image.h"

namespace platform::detail {
struct FontFace;
}

constexpr Int SMOOTHFONT = 4;

class TImageGlyph : public Object {
 public:
  Ref<TImage> _image;  // white pixels, alpha = coverage; Null for a blank glyph
  Float _advance = 0;  // pen advance in whole font pixels
  Int _x = 0;          // offset of the image from the pen position
  Int _y = 0;
};

class TImageFont : public Object {
 public:
  ~TImageFont() override;
  // The glyph index of a code unit; negative when the font has none.
  Int CharToGlyph(Int code);
  // The glyph (made on first use); Null for an index out of range, so also
  // for CharToGlyph's negative "none", and for a glyph that cannot be
  // rendered, is more than 16 ems wide or high (outline or bitmap alike) or
  // is too large for the memory at hand.
  Ref<TImageGlyph> LoadGlyph(Int index);
  // The font's line height in pixels (ascender - descender).
  Int Height() const { return height; }

  Int size = 0;
  Int style = 0;
  Int height = 0;
  Int ascender = 0;
  String source;
  std::unique_ptr<platform::detail::FontFace> face;  // platform-internal
  std::map<Int, Ref<TImageGlyph>> glyphs;
};

// Null when the file is missing, not a regular file (a folder, device or
// FIFO), larger than INT_MAX bytes or than the memory at hand, unreadable or
// not a font, or when size is not above 0.
Ref<TImageFont> LoadImageFont(const String& path, Int size, Int style = SMOOTHFONT);
// The built-in default font (never Null).
Ref<TImageFont> DefaultFont();
