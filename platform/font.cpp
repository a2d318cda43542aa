// Image fonts on FreeType: glyphs rendered once, on first use, into white
// images whose alpha is the coverage, with whole-pixel metrics. The default
// font is DejaVu Sans, read from the bytes embedded in the library.
#include "platform/font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cstdlib>
#include <new>
#include <utility>
#include <vector>

#include "platform/detail.h"
#include "platform/image_codecs.h"
#include "platform/system.h"
#include "platform/testing.h"

extern "C" const Byte quorvane_default_font[];
extern "C" const std::uint64_t quorvane_default_font_size;

namespace {

constexpr Int kDefaultFontSize = 14;
// The widest and highest glyph rendered, in ems of the font's size.
constexpr FT_Pos kMaxGlyphEms = 16;

// Plain data only, so fonts released during exit may still read it. The
// library lives while any face does: shutting the fonts down frees it once
// the last face is gone.
struct FontLibrary {
  FT_Library library = nullptr;
  Int openFaces = 0;
  bool closing = false;
};
FontLibrary fonts;

FT_Library Library() {
  fonts.closing = false;
  if (!fonts.library && FT_Init_FreeType(&fonts.library) != 0) fonts.library = nullptr;
  return fonts.library;
}

void ReleaseLibraryWhenIdle() {
  if (!fonts.closing || fonts.openFaces > 0 || !fonts.library) return;
  FT_Done_FreeType(fonts.library);
  fonts.library = nullptr;
}

}  // namespace

// A FreeType face and the file it reads, which lives as long as the face.
struct platform::detail::FontFace {
  explicit FontFace(std::vector<Byte> bytes = {}) : file(std::move(bytes)) {}
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;
  ~FontFace() {
    if (!handle) return;
    FT_Done_Face(handle);
    --fonts.openFaces;
    ReleaseLibraryWhenIdle();
  }

  // Whether FreeType reads a face from the bytes, which live as long as this:
  // the file, or static bytes.
  bool Open(const Byte* data, std::size_t size) {
    FT_Library library = size == 0 ? nullptr : Library();
    if (!library || FT_New_Memory_Face(library, data, FT_Long(size), 0, &handle) != 0) {
      handle = nullptr;
      return false;
    }
    ++fonts.openFaces;
    return true;
  }

  std::vector<Byte> file;
  FT_Face handle = nullptr;
};

namespace {

using platform::detail::FontFace;

FT_Face FaceOf(const TImageFont& font) { return font.face->handle; }

// Null when the face has no such size.
Ref<TImageFont> MakeFont(std::unique_ptr<FontFace> face, Int size, Int style,
                         const String& source) {
  if (FT_Set_Pixel_Sizes(face->handle, 0, FT_UInt(size)) != 0) return nullptr;
  auto font = New<TImageFont>();
  font->face = std::move(face);
  font->size = size;
  font->style = style;
  font->source = source;
  const FT_Size_Metrics& metrics = FaceOf(*font)->size->metrics;
  font->ascender = Int(metrics.ascender >> 6);
  font->height = Int((metrics.ascender - metrics.descender) >> 6);
  return font;
}

Byte Coverage(const FT_Bitmap& bitmap, const unsigned char* row, unsigned x) {
  if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) return ((row[x >> 3] >> (7 - (x & 7))) & 1) * 255;
  return row[x];
}

// Whether the bitmap holds rows of coverage to read: monochrome or grey, and
// not empty. A bitmap glyph whose font gives no data for it (a BDF glyph
// without a BITMAP section, say) has a size but no buffer.
bool Readable(const FT_Bitmap& bitmap) {
  const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
  if (!mono && bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return false;
  const unsigned rowBytes = mono ? (bitmap.width + 7) / 8 : bitmap.width;
  return bitmap.buffer && bitmap.width > 0 && bitmap.rows > 0 &&
         unsigned(std::abs(bitmap.pitch)) >= rowBytes;
}

// White pixels with alpha = coverage; Null for a bitmap without coverage
// (a space renders as an empty 1 x 1 bitmap in monochrome) or without data.
Ref<TImage> GlyphImage(const FT_Bitmap& bitmap) {
  if (!Readable(bitmap)) return nullptr;
  const Ref<TPixmap> pixmap = CreatePixmap(Int(bitmap.width), Int(bitmap.rows));
  const unsigned stride = unsigned(std::abs(bitmap.pitch));
  bool covered = false;
  for (unsigned y = 0; y < bitmap.rows; ++y) {
    // A negative pitch stores the rows bottom first.
    const unsigned stored = bitmap.pitch >= 0 ? y : bitmap.rows - 1 - y;
    const unsigned char* row = bitmap.buffer + std::size_t(stored) * stride;
    std::uint32_t* out = pixmap->Row(Int(y));
    for (unsigned x = 0; x < bitmap.width; ++x) {
      const Byte coverage = Coverage(bitmap, row, x);
      covered |= coverage != 0;
      out[x] = std::uint32_t(coverage) << 24 | 0xFFFFFFu;
    }
  }
  return covered ? LoadImage(pixmap, FILTEREDIMAGE) : nullptr;
}

// Whether the loaded glyph is at most kMaxGlyphEms wide and high, and no
// larger than the largest picture (a font's own bitmap size may be thousands
// of pixels): an outline by its box, a bitmap by the size its header claims.
bool WithinLimits(FT_Face face) {
  const FT_GlyphSlot slot = face->glyph;
  FT_BBox box{0, 0, FT_Pos(slot->bitmap.width) * 64, FT_Pos(slot->bitmap.rows) * 64};
  if (slot->format == FT_GLYPH_FORMAT_OUTLINE) FT_Outline_Get_CBox(&slot->outline, &box);
  const FT_Pos width = box.xMax - box.xMin, height = box.yMax - box.yMin;  // 26.6 fixed point
  const FT_Pos limit = kMaxGlyphEms * face->size->metrics.y_ppem * 64;
  return width <= limit && height <= limit &&
         platform::detail::FitsImageLimits(std::max<Long>((width + 63) >> 6, 1),
                                           std::max<Long>((height + 63) >> 6, 1));
}

// Whether the glyph is loaded and within the limits, so that a damaged font
// cannot make a giant bitmap. FreeType allocates an embedded bitmap (an sbix
// or CBDT PNG, say) at the size its header claims before decoding it, so the
// glyph is first loaded for that size alone; outlines load in full either way.
bool LoadWithinLimits(FT_Face face, Int index, FT_Int32 flags) {
  if (FT_Load_Glyph(face, FT_UInt(index), flags | FT_LOAD_BITMAP_METRICS_ONLY) != 0 ||
      !WithinLimits(face)) {
    return false;
  }
  return face->glyph->format != FT_GLYPH_FORMAT_BITMAP ||
         FT_Load_Glyph(face, FT_UInt(index), flags) == 0;
}

// Null when the glyph cannot be loaded, is outside the limits or is too large
// for the memory at hand.
Ref<TImageGlyph> RenderGlyph(FT_Face face, Int index, Int style, Int ascender) {
  const bool smooth = (style & SMOOTHFONT) != 0;
  if (!LoadWithinLimits(face, index, smooth ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO)) {
    return nullptr;
  }
  const FT_GlyphSlot slot = face->glyph;
  if (FT_Render_Glyph(slot, smooth ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) != 0) {
    return nullptr;
  }
  try {
    auto glyph = New<TImageGlyph>();
    glyph->_advance = Float(slot->advance.x >> 6);
    glyph->_x = slot->bitmap_left;
    glyph->_y = ascender - slot->bitmap_top;
    glyph->_image = GlyphImage(slot->bitmap);
    return glyph;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

Ref<TImageFont> LoadDefaultFont() {
  auto face = std::make_unique<FontFace>();
  Ref<TImageFont> font;
  if (face->Open(quorvane_default_font, quorvane_default_font_size)) {
    font = MakeFont(std::move(face), kDefaultFontSize, SMOOTHFONT, "default");
  }
  if (!font) RuntimeError("The built-in font could not be loaded");
  return font;
}

}  // namespace

TImageFont::~TImageFont() = default;

Int TImageFont::CharToGlyph(Int code) {
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  if (!face || code < 0 || surrogate) return -1;
  const FT_UInt index = FT_Get_Char_Index(FaceOf(*this), FT_ULong(code));
  return index == 0 ? -1 : Int(index);
}

Ref<TImageGlyph> TImageFont::LoadGlyph(Int index) {
  if (!face || index < 0 || index >= FaceOf(*this)->num_glyphs) return nullptr;
  const auto found = glyphs.find(index);
  if (found != glyphs.end()) return found->second;
  Ref<TImageGlyph> glyph = RenderGlyph(FaceOf(*this), index, style, ascender);
  glyphs.emplace(index, glyph);
  return glyph;
}

// FreeType reads the font from memory, never from the path itself, so that
// a FIFO or device in place of the file cannot block it.
Ref<TImageFont> LoadImageFont(const String& path, Int size, Int style) {
  if (size <= 0) return nullptr;
  try {
    auto face = std::make_unique<FontFace>(platform::detail::ReadWholeFile(path.ToUtf8()));
    if (!face->Open(face->file.data(), face->file.size())) return nullptr;
    return MakeFont(std::move(face), size, style, path);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

// The default font's source reads "default", which is how the draw log
// names it.
Ref<TImageFont> DefaultFont() {
  static const Ref<TImageFont> font = LoadDefaultFont();
  return font;
}

std::vector<Int> platform::test::FontFixedSizes(const std::string& path, Int most) {
  FontFace face(platform::detail::ReadWholeFile(path));
  std::vector<Int> sizes;
  if (!face.Open(face.file.data(), face.file.size())) return sizes;
  for (FT_Int i = 0; i < face.handle->num_fixed_sizes && Int(sizes.size()) < most; ++i) {
    sizes.push_back(Int((face.handle->available_sizes[i].y_ppem + 32) >> 6));  // 26.6, rounded
  }
  return sizes;
}

namespace platform::detail {

void ShutdownFonts() {
  fonts.closing = true;
  ReleaseLibraryWhenIdle();
}

}  // namespace platform::detail
