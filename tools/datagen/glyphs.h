// Text set in a TrueType face through FreeType, as a coverage mask.
#pragma once

#include <string>

#include "raster.h"

namespace datagen {

struct TextMask {
  Mask mask{0, 0};
  int baseline = 0;  // row of the baseline inside the mask
};

class FontFace {
 public:
  // Throws std::runtime_error when the file is missing or not a font.
  explicit FontFace(const std::string& path);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  // Sets an ASCII line at `pixelSize`, its glyphs squeezed horizontally by
  // `squeezeX` and spaced `tracking` extra pixels apart; the mask holds the
  // ink with `pad` empty pixels on every side.
  TextMask Render(const std::string& text, float pixelSize, float squeezeX, float tracking,
                  int pad) const;

 private:
  void* library_ = nullptr;
  void* face_ = nullptr;
};

}  // namespace datagen
