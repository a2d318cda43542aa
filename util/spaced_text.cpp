// Spaced text: the platform's glyph layout, one glyph image at a time.
#include "util/spaced_text.h"

#include "platform/draw.h"
#include "platform/maths.h"
#include "util/image_pixels.h"

namespace {

Int DrawSpaced(const String& text, Float x, Float y, Int spacing, bool roundX) {
  const TDrawState& g = TDrawState::Current();
  const Ref<TImageFont> font = GetImageFont();
  Float px = x + g.origin_x + g.handle_x * g.tform_ix + g.handle_y * g.tform_iy;
  Float py = y + g.origin_y + g.handle_x * g.tform_jx + g.handle_y * g.tform_jy;
  const Int length = text.Length();
  for (Int i = 0; i < length; ++i) {
    const Ref<TImageGlyph> glyph = font->LoadGlyph(font->CharToGlyph(text[i]));
    if (!glyph) continue;
    const Ref<TImage>& image = glyph->_image;
    if (image && image->Frame(0)) {
      const Float gx = static_cast<Float>(glyph->_x) * g.tform_ix +
                       static_cast<Float>(glyph->_y) * g.tform_iy +
                       static_cast<Float>(WrapMul(i, spacing));
      const Float gy =
          static_cast<Float>(glyph->_x) * g.tform_jx + static_cast<Float>(glyph->_y) * g.tform_jy;
      const Float drawX = roundX ? static_cast<Float>(Floor(px + gx)) : px + gx;
      ccDrawImageArea(image, drawX, py + gy, 0, 0, static_cast<Float>(ImageWidth(image)),
                      static_cast<Float>(ImageHeight(image)), 0);
    }
    px = px + glyph->_advance * g.tform_ix;
    py = py + glyph->_advance * g.tform_jx;
  }
  return 0;
}

}  // namespace

Int ccDrawTextSpaced(const String& text, Float x, Float y, Int spacing) {
  return DrawSpaced(text, x, y, spacing, false);
}

Int ccDrawTextSpacedRounded(const String& text, Float x, Float y, Int spacing) {
  return DrawSpaced(text, x, y, spacing, true);
}
