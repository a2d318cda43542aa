// TPixmap: a block of 32-bit ARGB pixels (alpha in bits 24-31, red 16-23,
// green 8-15, blue 0-7, native word order) with a pitch in bytes.
#pragma once

#include <vector>

#include "platform/object.h"
#include "platform/string.h"

class TPixmap : public Object {
 public:
  Int width = 0;
  Int height = 0;
  Int pitch = 0;  // bytes from one row to the next
  // False for pixels decoded from a format without alpha (JPEG, 24-bit).
  bool hasAlpha = true;

  // A new pixmap of transparent black pixels (sizes below 0 count as 0).
  static Ref<TPixmap> Create(Int width, Int height);
  // A deep copy: changing its pixels leaves this one unchanged.
  Ref<TPixmap> Copy() const;
  Byte* PixelPtr(Int x, Int y) const;
  std::uint32_t* Row(Int y) const;

 private:
  friend Ref<TPixmap> PixmapWindow(const Ref<TPixmap>&, Int, Int, Int, Int);
  std::shared_ptr<std::vector<std::uint32_t>> storage_;
  Byte* pixels_ = nullptr;  // top-left pixel
};

Ref<TPixmap> CreatePixmap(Int width, Int height);
// Decodes an image file (TGA, PNG, JPEG, BMP by content); Null on failure,
// running out of memory included.
Ref<TPixmap> LoadPixmap(const String& path);
Int PixmapWidth(const Ref<TPixmap>& pixmap);
Int PixmapHeight(const Ref<TPixmap>& pixmap);
Int PixmapPitch(const Ref<TPixmap>& pixmap);
Byte* PixmapPixelPtr(const Ref<TPixmap>& pixmap, Int x = 0, Int y = 0);
// ARGB of one pixel; 0 outside the pixmap.
Int ReadPixel(const Ref<TPixmap>& pixmap, Int x, Int y);
// Writes one ARGB pixel; ignored outside the pixmap.
void WritePixel(const Ref<TPixmap>& pixmap, Int x, Int y, Int argb);
// A pixmap sharing a rectangle of another's pixels (same pitch; keeps the
// parent's pixels alive). The rectangle is clipped to the parent.
Ref<TPixmap> PixmapWindow(const Ref<TPixmap>& pixmap, Int x, Int y, Int width, Int height);
// The runtime's memory copy (overlap allowed).
void MemCopy(void* to, const void* from, Long bytes);
