// FreeType rendering with sub-pixel pen positions.
#include "glyphs.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <climits>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace datagen {

namespace {

struct PlacedGlyph {
  int left = 0;  // pixel column of the bitmap's left edge
  int top = 0;   // pixel row of the bitmap's top edge, baseline at 0
  int width = 0;
  int rows = 0;
  std::vector<unsigned char> coverage;
};

}  // namespace

FontFace::FontFace(const std::string& path) {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library)) throw std::runtime_error("cannot start FreeType");
  library_ = library;
  FT_Face face = nullptr;
  if (FT_New_Face(library, path.c_str(), 0, &face)) {
    FT_Done_FreeType(library);
    throw std::runtime_error("cannot load font " + path);
  }
  face_ = face;
}

FontFace::~FontFace() {
  FT_Done_Face(static_cast<FT_Face>(face_));
  FT_Done_FreeType(static_cast<FT_Library>(library_));
}

TextMask FontFace::Render(const std::string& text, float pixelSize, float squeezeX, float tracking,
                          int pad) const {
  auto face = static_cast<FT_Face>(face_);
  FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(std::lround(pixelSize * 64)), 72, 72);
  FT_Matrix matrix{static_cast<FT_Fixed>(std::lround(squeezeX * 65536)), 0, 0, 0x10000};
  std::vector<PlacedGlyph> placed;
  float pen = 0;
  int minX = INT_MAX, minY = INT_MAX, maxX = INT_MIN, maxY = INT_MIN;
  for (const char ch : text) {
    const float whole = std::floor(pen);
    FT_Vector delta{static_cast<FT_Pos>(std::lround((pen - whole) * 64)), 0};
    FT_Set_Transform(face, &matrix, &delta);
    if (FT_Load_Char(face, static_cast<unsigned char>(ch), FT_LOAD_RENDER | FT_LOAD_NO_HINTING)) {
      throw std::runtime_error(std::string("font has no glyph for '") + ch + "'");
    }
    const FT_GlyphSlot slot = face->glyph;
    PlacedGlyph g;
    g.left = static_cast<int>(whole) + slot->bitmap_left;
    g.top = -slot->bitmap_top;
    g.width = static_cast<int>(slot->bitmap.width);
    g.rows = static_cast<int>(slot->bitmap.rows);
    for (int y = 0; y < g.rows; ++y) {
      const unsigned char* row = slot->bitmap.buffer + y * slot->bitmap.pitch;
      g.coverage.insert(g.coverage.end(), row, row + g.width);
    }
    if (g.width > 0 && g.rows > 0) {
      minX = std::min(minX, g.left);
      minY = std::min(minY, g.top);
      maxX = std::max(maxX, g.left + g.width);
      maxY = std::max(maxY, g.top + g.rows);
    }
    placed.push_back(std::move(g));
    pen += slot->advance.x / 64.0f + tracking;
  }
  FT_Set_Transform(face, nullptr, nullptr);
  if (minX > maxX) return {};
  TextMask out{Mask(maxX - minX + 2 * pad, maxY - minY + 2 * pad), pad - minY};
  for (const PlacedGlyph& g : placed) {
    for (int y = 0; y < g.rows; ++y) {
      for (int x = 0; x < g.width; ++x) {
        float& v = out.mask.At(g.left - minX + pad + x, g.top - minY + pad + y);
        v = std::min(1.0f, v + g.coverage[y * g.width + x] / 255.0f);
      }
    }
  }
  return out;
}

}  // namespace datagen
