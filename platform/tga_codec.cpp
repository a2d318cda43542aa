// TGA files: uncompressed and run-length encoded true colour (24/32-bit) and
// grey (8-bit) images. The format has no signature, so the header is checked
// strictly before anything is decoded.
#include <algorithm>
#include <optional>

#include "platform/image_codecs.h"

namespace platform::detail {
namespace {

constexpr std::size_t kHeaderSize = 18;
constexpr Byte kRunFlag = 0x80;
constexpr std::size_t kMaxPacketPixels = 128;

struct TgaLayout {
  std::size_t dataOffset = 0;
  Long width = 0;
  Long height = 0;
  std::size_t bytesPerPixel = 0;
  bool alpha = false;
  bool runLength = false;
  bool topDown = false;
  bool rightToLeft = false;
};

Long Le16(Bytes file, std::size_t at) { return file[at] | file[at + 1] << 8; }

bool SupportedDepth(Byte type, Byte depth) {
  switch (type) {
    case 2:
    case 10:
      return depth == 24 || depth == 32;
    case 3:
    case 11:
      return depth == 8;
    default:
      return false;
  }
}

std::optional<TgaLayout> ReadLayout(Bytes file) {
  if (file.size() < kHeaderSize) {
    return std::nullopt;
  }
  const Byte idLength = file[0];
  const Byte mapType = file[1];
  const Byte type = file[2];
  const Byte depth = file[16];
  const Byte descriptor = file[17];
  constexpr Byte kReservedBits = 0xC0;
  if (mapType != 0 || !SupportedDepth(type, depth) || (descriptor & kReservedBits) != 0) {
    return std::nullopt;
  }
  TgaLayout layout;
  layout.dataOffset = kHeaderSize + idLength;
  layout.width = Le16(file, 12);
  layout.height = Le16(file, 14);
  layout.bytesPerPixel = depth / 8;
  // 32-bit data whose descriptor declares no alpha bits is opaque.
  layout.alpha = depth == 32 && (descriptor & 0x0F) != 0;
  layout.runLength = type >= 10;
  layout.rightToLeft = (descriptor & 0x10) != 0;
  layout.topDown = (descriptor & 0x20) != 0;
  if (layout.dataOffset > file.size() || !FitsImageLimits(layout.width, layout.height)) {
    return std::nullopt;
  }
  return layout;
}

// Whether the data after the header can hold the image: exactly for raw data,
// at the best compression for run-length data.
bool DataFits(const TgaLayout& layout, std::size_t dataBytes) {
  const auto pixels = static_cast<std::size_t>(layout.width * layout.height);
  if (!layout.runLength) {
    return pixels * layout.bytesPerPixel <= dataBytes;
  }
  return pixels <= dataBytes / (1 + layout.bytesPerPixel) * kMaxPacketPixels;
}

std::uint32_t ToArgb(const Byte* pixel, const TgaLayout& layout) {
  constexpr std::uint32_t kOpaque = 0xFF000000u;
  if (layout.bytesPerPixel == 1) {
    return kOpaque | pixel[0] * 0x010101u;
  }
  const std::uint32_t rgb = std::uint32_t{pixel[2]} << 16 | std::uint32_t{pixel[1]} << 8 | pixel[0];
  return layout.alpha ? std::uint32_t{pixel[3]} << 24 | rgb : kOpaque | rgb;
}

using Pixels = std::span<std::uint32_t>;

void DecodeRaw(Bytes data, const TgaLayout& layout, Pixels out) {
  for (std::size_t i = 0; i < out.size(); ++i) {
    out[i] = ToArgb(&data[i * layout.bytesPerPixel], layout);
  }
}

// Packets may run across rows; one that runs past the last pixel is cut off.
bool DecodeRunLength(Bytes data, const TgaLayout& layout, Pixels out) {
  std::size_t pos = 0;
  std::size_t done = 0;
  while (done < out.size()) {
    if (pos >= data.size()) {
      return false;
    }
    const Byte packet = data[pos++];
    const bool run = (packet & kRunFlag) != 0;
    const std::size_t count = std::min<std::size_t>((packet & 0x7F) + 1, out.size() - done);
    const std::size_t bytes = run ? layout.bytesPerPixel : count * layout.bytesPerPixel;
    if (data.size() - pos < bytes) {
      return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
      out[done + i] = ToArgb(&data[pos + (run ? 0 : i * layout.bytesPerPixel)], layout);
    }
    pos += bytes;
    done += count;
  }
  return true;
}

// Turns the pixmap's pixels, decoded in file order, the right way up in place.
void Orient(const TgaLayout& layout, TPixmap& pixmap) {
  const auto width = static_cast<std::ptrdiff_t>(pixmap.width);
  if (layout.rightToLeft) {
    for (Int y = 0; y < pixmap.height; ++y) {
      std::reverse(pixmap.Row(y), pixmap.Row(y) + width);
    }
  }
  if (!layout.topDown) {
    for (Int top = 0, bottom = pixmap.height - 1; top < bottom; ++top, --bottom) {
      std::swap_ranges(pixmap.Row(top), pixmap.Row(top) + width, pixmap.Row(bottom));
    }
  }
}

}  // namespace

Ref<TPixmap> DecodeTga(Bytes file) {
  const std::optional<TgaLayout> layout = ReadLayout(file);
  if (!layout) {
    return nullptr;
  }
  const Bytes data = file.subspan(layout->dataOffset);
  if (!DataFits(*layout, data.size())) {
    return nullptr;
  }
  auto pixmap = NewDecodedPixmap(layout->width, layout->height, layout->alpha);
  if (!pixmap) {
    return nullptr;
  }
  const Pixels pixels(pixmap->Row(0), static_cast<std::size_t>(layout->width * layout->height));
  if (!layout->runLength) {
    DecodeRaw(data, *layout, pixels);
  } else if (!DecodeRunLength(data, *layout, pixels)) {
    return nullptr;
  }
  Orient(*layout, *pixmap);
  return pixmap;
}

}  // namespace platform::detail
