// Image copying, pixel blending, partial image drawing and ARGB packing.
#include "util/image_pixels.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "platform/system.h"

namespace {

// The rectangle of a copy between two frames 0.
struct CopyArea {
  Int sx, sy, w, h, dx, dy;
};

// Clips the area at the right and bottom edges of both pixmaps; false when
// nothing is left to copy.
bool ClipArea(const TPixmap& from, const TPixmap& to, CopyArea& area) {
  if (area.sx < 0 || area.sy < 0 || area.dx < 0 || area.dy < 0) return false;
  if (area.sx >= from.width || area.sy >= from.height) return false;
  if (area.dx >= to.width || area.dy >= to.height) return false;
  area.w = std::min(area.w, from.width - area.sx);
  area.h = std::min(area.h, from.height - area.sy);
  area.w = std::min(area.w, to.width - area.dx);
  area.h = std::min(area.h, to.height - area.dy);
  return area.w > 0 && area.h > 0;
}

// Locks frame 0 of both images, hands the clipped area to copy, unlocks.
template <class Copy>
Int CopyBetweenFrames(const Ref<TImage>& source, const Ref<TImage>& dest, CopyArea area,
                      Copy copy) {
  if (!source || !dest) return 0;
  const Ref<TPixmap> from = LockImage(source, 0, 1, 1);
  const Ref<TPixmap> to = LockImage(dest, 0, 1, 1);
  if (from && to && ClipArea(*from, *to, area)) copy(from, to, area);
  UnlockImage(source, 0);
  UnlockImage(dest, 0);
  return 0;
}

// Source pixel s blended over destination pixel d; nothing when d stays.
std::optional<Int> Blend(Int s, Int d, Float alpha, Float light) {
  const Float sA = static_cast<Float>(ARGB_Alpha(s)) * alpha;
  if (sA == 0.0f) return std::nullopt;
  const Float dA = sA == 255.0f ? 0.0f : static_cast<Float>(ARGB_Alpha(d));
  const Int total = ToInt(dA + sA);
  if (total <= 0) return std::nullopt;
  const Float t = static_cast<Float>(total);
  const auto channel = [&](Int sC, Int dC) {
    return ToInt(static_cast<Float>(sC) * light * sA / t +
                 (dA / t) * (static_cast<Float>(dC) * dA / t));
  };
  return ARGB_Color(std::min(total, 255), channel(ARGB_Red(s), ARGB_Red(d)),
                    channel(ARGB_Green(s), ARGB_Green(d)), channel(ARGB_Blue(s), ARGB_Blue(d)));
}

}  // namespace

Ref<TImage> ccCopyImage(const Ref<TImage>& source) {
  if (!source) return nullptr;
  const Int frameCount = static_cast<Int>(source->frames.size());
  Ref<TImage> copy = CreateImage(source->width, source->height, frameCount, source->flags);
  if (!copy) return nullptr;
  copy->handle_x = source->handle_x;
  copy->handle_y = source->handle_y;
  copy->mask_r = source->mask_r;
  copy->mask_g = source->mask_g;
  copy->mask_b = source->mask_b;
  for (Int index = 0; index < frameCount; ++index) {
    copy->SetPixmap(index, LockImage(source, index, 1, 1)->Copy());
    UnlockImage(source, index);
  }
  return copy;
}

Int ccCopyImageRect(const Ref<TImage>& source, Int sx, Int sy, Int w, Int h,
                    const Ref<TImage>& dest, Int dx, Int dy) {
  const auto copyRows = [](const Ref<TPixmap>& from, const Ref<TPixmap>& to, const CopyArea& a) {
    const Byte* fromRow = PixmapPixelPtr(from, a.sx, a.sy);
    Byte* toRow = PixmapPixelPtr(to, a.dx, a.dy);
    for (Int row = 0; row < a.h; ++row) {
      MemCopy(toRow, fromRow, Long{a.w} * 4);
      fromRow += PixmapPitch(from);
      toRow += PixmapPitch(to);
    }
  };
  return CopyBetweenFrames(source, dest, {sx, sy, w, h, dx, dy}, copyRows);
}

Int ccCopyImageToImage(const Ref<TImage>& source, Int sx, Int sy, Int w, Int h,
                       const Ref<TImage>& dest, Int dx, Int dy, Int mode) {
  const auto copyPixels = [mode](const Ref<TPixmap>& from, const Ref<TPixmap>& to,
                                 const CopyArea& a) {
    if (mode < 0 || mode > 3) return;
    const bool mirror = (mode & 1) != 0;
    const bool flip = (mode & 2) != 0;
    for (Int j = 0; j < a.h; ++j) {
      const Int fromY = a.sy + (flip ? a.h - 1 - j : j);
      for (Int i = 0; i < a.w; ++i) {
        const Int fromX = a.sx + (mirror ? a.w - 1 - i : i);
        WritePixel(to, a.dx + i, a.dy + j, ReadPixel(from, fromX, fromY));
      }
    }
  };
  return CopyBetweenFrames(source, dest, {sx, sy, w, h, dx, dy}, copyPixels);
}

Int ccDrawOnPixmap(const Ref<TImage>& image, Int frame, const Ref<TPixmap>& dest, Int x, Int y,
                   Float alpha, Float light) {
  if (!image) RuntimeError("image doesnt exist");
  const Ref<TPixmap> source = LockImage(image, frame, 1, 1);
  if (source && dest) {
    for (Int i = 0; i < ImageWidth(image); ++i) {
      const Long toX = Long{x} + i;
      if (toX < 0 || toX >= dest->width) continue;
      for (Int j = 0; j < ImageHeight(image); ++j) {
        const Long toY = Long{y} + j;
        if (toY < 0 || toY >= dest->height) continue;
        const Int px = static_cast<Int>(toX);
        const Int py = static_cast<Int>(toY);
        const auto out = Blend(ReadPixel(source, i, j), ReadPixel(dest, px, py), alpha, light);
        if (out) WritePixel(dest, px, py, *out);
      }
    }
  }
  UnlockImage(image, frame);
  return 0;
}

Int ccDrawImageRect(const Ref<TImage>& image, Int x, Int y, Int rx, Int ry, Int rw, Int rh) {
  const Ref<TPixmap> pixmap = LockImage(image, 0, 1, 1);
  if (!pixmap) return 0;
  const Long left = std::max<Long>(rx, 0);
  const Long top = std::max<Long>(ry, 0);
  const Long right = std::min<Long>(Long{rx} + rw, pixmap->width);
  const Long bottom = std::min<Long>(Long{ry} + rh, pixmap->height);
  if (left >= right || top >= bottom) return 0;
  const Ref<TPixmap> window =
      PixmapWindow(pixmap, static_cast<Int>(left), static_cast<Int>(top),
                   static_cast<Int>(right - left), static_cast<Int>(bottom - top));
  DrawImage(LoadImage(window, -1), static_cast<Float>(x), static_cast<Float>(y), 0);
  return 0;
}

Int ccDrawImageArea(const Ref<TImage>& image, Float x, Float y, Float sx, Float sy, Float w,
                    Float h, Int frame) {
  if (!image) return 0;
  DrawSubImageRect(image, x, y, w, h, sx, sy, w, h, image->handle_x, image->handle_y, frame);
  return 0;
}

Int ARGB_Alpha(Int pixel) { return static_cast<Int>(static_cast<std::uint32_t>(pixel) >> 24); }
Int ARGB_Red(Int pixel) { return (pixel >> 16) & 255; }
Int ARGB_Green(Int pixel) { return (pixel >> 8) & 255; }
Int ARGB_Blue(Int pixel) { return pixel & 255; }

Int ARGB_Color(Int a, Int r, Int g, Int b) {
  const auto u = [](Int value) { return static_cast<std::uint32_t>(value); };
  return static_cast<Int>((u(a) << 24) + (u(r) << 16) + (u(g) << 8) + u(b));
}
