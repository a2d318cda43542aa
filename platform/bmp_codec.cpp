// BMP files through SDL's reader, converted to ARGB words. The header is
// checked first, so that SDL never allocates for a hostile size and a file
// missing part of its pixel rows is refused.
#include <SDL.h>

#include <climits>
#include <cstdlib>
#include <cstring>
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

// Whether the size is within the limits and the file holds every uncompressed
// row in full, so that a short file is refused before SDL allocates for it.
bool Acceptable(const BmpHeader& header, std::size_t fileSize) {
  constexpr Long kUncompressed = 0;
  constexpr Long kBitFields = 3;
  if (!FitsImageLimits(header.width, header.height)) {
    return false;
  }
  if (header.compression != kUncompressed && header.compression != kBitFields) {
    return true;
  }
  const Long rowBytes = (header.width * header.bitCount + 31) / 32 * 4;
  return header.dataOffset + rowBytes * header.height <= static_cast<Long>(fileSize);
}

Ref<TPixmap> CopyPixels(const SDL_Surface& surface, bool hasAlpha) {
  auto pixmap = NewDecodedPixmap(surface.w, surface.h, hasAlpha);
  if (!pixmap) {
    return nullptr;
  }
  const auto* rows = static_cast<const Byte*>(surface.pixels);
  for (Int y = 0; y < surface.h; ++y) {
    std::memcpy(pixmap->Row(y), rows + static_cast<std::ptrdiff_t>(y) * surface.pitch,
                static_cast<std::size_t>(surface.w) * 4);
  }
  return pixmap;
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
  const bool hasAlpha = loaded->format->Amask != 0;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(loaded);
  if (argb == nullptr) {
    return nullptr;
  }
  Ref<TPixmap> pixmap = CopyPixels(*argb, hasAlpha);
  SDL_FreeSurface(argb);
  return pixmap;
}

}  // namespace platform::detail
