// BMP files through SDL's reader, converted to ARGB words straight into the
// pixmap. The header is checked first, so that SDL never allocates for a
// hostile size, nor more than 8 bits a pixel for a run-length file, and a file
// missing part of its pixel rows is refused.
#include <SDL.h>

#include <climits>
#include <cstdlib>
#include <optional>

#include "platform/image_codecs.h"

namespace platform::detail {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;  // 16-bit sizes
constexpr std::size_t kInfoHeaderSize = 40;  // 32-bit sizes

Long LeUnsigned(Bytes file, std::size_t at, std::size_t bytes) {
  Long value = 0;
  for (std::size_t i = bytes; i-- > 0;) {
    value = value << 8 | file[at + i];
  }
  return value;
}

Long LeSigned32(Bytes file, std::size_t at) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(LeUnsigned(file, at, 4)));
}

struct BmpHeader {
  Long dataOffset = 0;
  Long width = 0;
  Long height = 0;  // rows, stored top down or bottom up
  Long bitCount = 0;
  Long compression = 0;
};

std::optional<BmpHeader> ReadHeader(Bytes file) {
  if (file.size() < kFileHeaderSize + kCoreHeaderSize || file[0] != 'B' || file[1] != 'M' ||
      file.size() > INT_MAX) {
    return std::nullopt;
  }
  const Long headerSize = LeUnsigned(file, kFileHeaderSize, 4);
  const std::size_t at = kFileHeaderSize + 4;
  BmpHeader header;
  header.dataOffset = LeUnsigned(file, 10, 4);
  if (headerSize == kCoreHeaderSize) {
    header.width = LeUnsigned(file, at, 2);
    header.height = LeUnsigned(file, at + 2, 2);
    header.bitCount = LeUnsigned(file, at + 6, 2);
    return header;
  }
  if (headerSize < Long{kInfoHeaderSize} || file.size() < kFileHeaderSize + kInfoHeaderSize) {
    return std::nullopt;
  }
  header.width = LeSigned32(file, at);
  header.height = std::abs(LeSigned32(file, at + 4));
  header.bitCount = LeUnsigned(file, at + 10, 2);
  header.compression = LeUnsigned(file, at + 12, 4);
  return header;
}

// Whether the size is within the limits, run-length data is of the depth its
// compression packs (SDL makes its surface of the depth the header claims),
// and the file holds every row of any other data uncompressed.
bool Acceptable(const BmpHeader& header, std::size_t fileSize) {
  constexpr Long kRunLength8 = 1;
  constexpr Long kRunLength4 = 2;
  if (!FitsImageLimits(header.width, header.height)) {
    return false;
  }
  if (header.compression == kRunLength8 || header.compression == kRunLength4) {
    return header.bitCount == (header.compression == kRunLength8 ? 8 : 4);
  }
  const Long rowBytes = (header.width * header.bitCount + 31) / 32 * 4;
  return header.dataOffset + rowBytes * header.height <= static_cast<Long>(fileSize);
}

// A new pixmap of the surface in ARGB words, converted by SDL straight into
// the pixmap's pixels.
Ref<TPixmap> ToPixmap(SDL_Surface& loaded) {
  auto pixmap = NewDecodedPixmap(loaded.w, loaded.h, loaded.format->Amask != 0);
  if (!pixmap) {
    return nullptr;
  }
  SDL_Surface* target =
      SDL_CreateRGBSurfaceWithFormatFrom(pixmap->PixelPtr(0, 0), pixmap->width, pixmap->height, 32,
                                         pixmap->pitch, SDL_PIXELFORMAT_ARGB8888);
  const bool converted = target != nullptr &&
                         SDL_SetSurfaceBlendMode(&loaded, SDL_BLENDMODE_NONE) == 0 &&
                         SDL_BlitSurface(&loaded, nullptr, target, nullptr) == 0;
  SDL_FreeSurface(target);
  return converted ? pixmap : nullptr;
}

}  // namespace

Ref<TPixmap> DecodeBmp(Bytes file) {
  const std::optional<BmpHeader> header = ReadHeader(file);
  if (!header || !Acceptable(*header, file.size())) {
    return nullptr;
  }
  SDL_RWops* stream = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
  if (stream == nullptr) {
    return nullptr;
  }
  SDL_Surface* loaded = SDL_LoadBMP_RW(stream, 1);
  if (loaded == nullptr) {
    return nullptr;
  }
  Ref<TPixmap> pixmap = ToPixmap(*loaded);
  SDL_FreeSurface(loaded);
  return pixmap;
}

}  // namespace platform::detail
