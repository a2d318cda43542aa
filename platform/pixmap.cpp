// Pixmaps: blocks of ARGB8888 words, windows sharing them, and loading one
// from an image file recognised by its content.
#include "platform/pixmap.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <cstring>
#include <new>

#include "platform/detail.h"
#include "platform/image_codecs.h"

// Pixels are stored as native words and read by the codecs as B, G, R, A bytes.
static_assert(std::endian::native == std::endian::little);

Ref<TPixmap> TPixmap::Create(Int width, Int height) {
  auto pixmap = New<TPixmap>();
  pixmap->width = std::max(width, 0);
  pixmap->height = std::max(height, 0);
  pixmap->pitch = pixmap->width * 4;
  pixmap->storage_ = std::make_shared<std::vector<std::uint32_t>>(
      static_cast<std::size_t>(pixmap->width) * static_cast<std::size_t>(pixmap->height));
  pixmap->pixels_ = reinterpret_cast<Byte*>(pixmap->storage_->data());
  return pixmap;
}

Ref<TPixmap> TPixmap::Copy() const {
  auto copy = Create(width, height);
  copy->hasAlpha = hasAlpha;
  for (Int y = 0; y < height; ++y) {
    std::copy_n(Row(y), width, copy->Row(y));
  }
  return copy;
}

Byte* TPixmap::PixelPtr(Int x, Int y) const {
  if (pixels_ == nullptr) {
    return nullptr;
  }
  return pixels_ + static_cast<std::ptrdiff_t>(y) * pitch + static_cast<std::ptrdiff_t>(x) * 4;
}

std::uint32_t* TPixmap::Row(Int y) const {
  return reinterpret_cast<std::uint32_t*>(PixelPtr(0, y));
}

Ref<TPixmap> CreatePixmap(Int width, Int height) { return TPixmap::Create(width, height); }

Int PixmapWidth(const Ref<TPixmap>& pixmap) { return pixmap ? pixmap->width : 0; }

Int PixmapHeight(const Ref<TPixmap>& pixmap) { return pixmap ? pixmap->height : 0; }

Int PixmapPitch(const Ref<TPixmap>& pixmap) { return pixmap ? pixmap->pitch : 0; }

Byte* PixmapPixelPtr(const Ref<TPixmap>& pixmap, Int x, Int y) {
  return pixmap ? pixmap->PixelPtr(x, y) : nullptr;
}

namespace {

bool Inside(const Ref<TPixmap>& pixmap, Int x, Int y) {
  return pixmap && x >= 0 && y >= 0 && x < pixmap->width && y < pixmap->height;
}

}  // namespace

Int ReadPixel(const Ref<TPixmap>& pixmap, Int x, Int y) {
  return Inside(pixmap, x, y) ? static_cast<Int>(pixmap->Row(y)[x]) : 0;
}

void WritePixel(const Ref<TPixmap>& pixmap, Int x, Int y, Int argb) {
  if (Inside(pixmap, x, y)) {
    pixmap->Row(y)[x] = static_cast<std::uint32_t>(argb);
  }
}

Ref<TPixmap> PixmapWindow(const Ref<TPixmap>& pixmap, Int x, Int y, Int width, Int height) {
  if (!pixmap) {
    return nullptr;
  }
  const Long left = std::clamp<Long>(x, 0, pixmap->width);
  const Long top = std::clamp<Long>(y, 0, pixmap->height);
  const Long right = std::clamp<Long>(Long{x} + std::max(width, 0), left, pixmap->width);
  const Long bottom = std::clamp<Long>(Long{y} + std::max(height, 0), top, pixmap->height);
  auto window = New<TPixmap>();
  window->width = static_cast<Int>(right - left);
  window->height = static_cast<Int>(bottom - top);
  window->pitch = pixmap->pitch;
  window->hasAlpha = pixmap->hasAlpha;
  window->storage_ = pixmap->storage_;
  window->pixels_ = pixmap->PixelPtr(static_cast<Int>(left), static_cast<Int>(top));
  return window;
}

void MemCopy(void* to, const void* from, Long bytes) {
  if (bytes > 0) {
    std::memmove(to, from, static_cast<std::size_t>(bytes));
  }
}

namespace platform::detail {

bool FitsImageLimits(Long width, Long height) {
  return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
         width * height <= kMaxImagePixels;
}

Ref<TPixmap> NewDecodedPixmap(Long width, Long height, bool hasAlpha) {
  if (!FitsImageLimits(width, height)) {
    return nullptr;
  }
  try {
    auto pixmap = TPixmap::Create(static_cast<Int>(width), static_cast<Int>(height));
    pixmap->hasAlpha = hasAlpha;
    return pixmap;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

std::FILE* OpenForImage(const std::string& path, const std::vector<std::uint32_t>& argb, Int width,
                        Int height) {
  if (width <= 0 || height <= 0 ||
      argb.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    return nullptr;
  }
  return std::fopen(path.c_str(), "wb");
}

}  // namespace platform::detail

namespace {

Ref<TPixmap> DecodeImage(platform::detail::Bytes file) {
  using Decoder = Ref<TPixmap> (*)(platform::detail::Bytes);
  // Tried in this order. TGA has no signature: its decoder validates the header.
  static constexpr std::array<Decoder, 4> kDecoders = {
      platform::detail::DecodeTga, platform::detail::DecodePng, platform::detail::DecodeJpeg,
      platform::detail::DecodeBmp};
  for (const Decoder decode : kDecoders) {
    if (auto pixmap = decode(file)) {
      return pixmap;
    }
  }
  return nullptr;
}

}  // namespace

Ref<TPixmap> LoadPixmap(const String& path) {
  try {
    return DecodeImage(platform::detail::ReadWholeFile(path.ToUtf8()));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
