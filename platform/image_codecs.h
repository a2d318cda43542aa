// The image decoders behind LoadPixmap, one per file format. Each takes the
// whole file's bytes and returns Null unless they are a complete, valid image
// of its format within the size limits; none of them prints anything.
// Not for use outside platform/.
#pragma once

#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "platform/pixmap.h"

namespace platform::detail {

using Bytes = std::span<const Byte>;

// The largest image a decoder accepts, so that a hostile header cannot cause a
// giant allocation: at most this many pixels per side and in all.
constexpr Long kMaxImageSide = 16384;
constexpr Long kMaxImagePixels = Long{1} << 26;

bool FitsImageLimits(Long width, Long height);
// A pixmap of transparent black for a decoder to fill, its rows one after
// another (pitch = width * 4); Null outside the limits or without the memory.
Ref<TPixmap> NewDecodedPixmap(Long width, Long height, bool hasAlpha);

// For the image writers: the file opened for writing, or Null when it cannot
// be or when width x height (both above 0) ARGB pixels are more than given.
std::FILE* OpenForImage(const std::string& path, const std::vector<std::uint32_t>& argb, Int width,
                        Int height);

// Uncompressed or run-length true colour (24/32-bit) and grey (8-bit) TGA
// without a colour map.
Ref<TPixmap> DecodeTga(Bytes file);
// Any PNG (libpng), expanded to 8-bit ARGB.
Ref<TPixmap> DecodePng(Bytes file);
// Baseline or progressive JPEG (libjpeg); a file that ends early is refused.
Ref<TPixmap> DecodeJpeg(Bytes file);
// Any BMP that SDL reads.
Ref<TPixmap> DecodeBmp(Bytes file);

}  // namespace platform::detail
