// PNG files through libpng: the decoder behind LoadPixmap, reading from the
// file's bytes in memory, and the writer for captures. libpng reports errors by
// longjmp, so each function that sets the jump point holds no object with a
// destructor, and warnings are dropped. libpng allocates a chunk's claimed
// length before reading it, and the pixmap is allocated before the rows are
// inflated, so the chunk lengths and the image data's size are checked against
// the file first.
#include <png.h>

#include <array>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include "platform/image_codecs.h"
#include "platform/testing.h"

namespace platform::detail {
namespace {

struct PngSource {
  Bytes file;
  std::size_t pos = 0;
};

[[noreturn]] void OnPngError(png_structp png, png_const_charp /*message*/) { png_longjmp(png, 1); }

void OnPngWarning(png_structp /*png*/, png_const_charp /*message*/) {}

void ReadFromMemory(png_structp png, png_bytep out, std::size_t length) {
  auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
  if (length > source->file.size() - source->pos) {
    png_error(png, "file ends early");
  }
  std::memcpy(out, source->file.data() + source->pos, length);
  source->pos += length;
}

std::uint32_t BigEndian32(Bytes file, std::size_t at) {
  return std::uint32_t{file[at]} << 24 | std::uint32_t{file[at + 1]} << 16 |
         std::uint32_t{file[at + 2]} << 8 | std::uint32_t{file[at + 3]};
}

// The fewest bytes an image of this header inflates to: every pixel's bits.
// -1 for a size outside the limits.
Long LeastPixelBytes(Bytes header) {
  constexpr std::array<Long, 7> kChannelsByColourType = {1, 1, 3, 1, 2, 1, 4};
  const Long width = BigEndian32(header, 0);
  const Long height = BigEndian32(header, 4);
  if (!FitsImageLimits(width, height)) {
    return -1;
  }
  const Byte colourType = header[9];
  const Long channels =
      colourType < kChannelsByColourType.size() ? kChannelsByColourType[colourType] : 1;
  return width * height * channels * header[8] / 8;
}

// Whether every chunk after the signature, up to IEND, lies within the file
// (length, type, data and CRC), and the image data could inflate to every
// pixel of a size within the limits: deflate expands at most 1032-fold.
bool PlausibleChunks(Bytes file, std::size_t signatureSize) {
  constexpr std::size_t kChunkFraming = 12;
  constexpr std::size_t kHeaderSize = 13;
  constexpr Long kMaxInflation = 1032;
  constexpr std::uint32_t kIhdr = 0x49484452, kIdat = 0x49444154, kIend = 0x49454E44;
  Long pixelBytes = 0;
  Long dataBytes = 0;
  std::size_t pos = signatureSize;
  while (file.size() - pos >= kChunkFraming) {
    const std::size_t length = BigEndian32(file, pos);
    const std::uint32_t type = BigEndian32(file, pos + 4);
    if (length > file.size() - pos - kChunkFraming) {
      return false;
    }
    if (type == kIend) {
      return pixelBytes >= 0 && pixelBytes <= dataBytes * kMaxInflation;
    }
    if (type == kIhdr && length == kHeaderSize) {
      pixelBytes = LeastPixelBytes(file.subspan(pos + 8, kHeaderSize));
    }
    if (type == kIdat) {
      dataBytes += static_cast<Long>(length);
    }
    pos += kChunkFraming + length;
  }
  return false;
}

// Text, colour profiles and suggested palettes are skipped unread.
void IgnoreUnusedChunks(png_structp png) {
  constexpr int kNameSize = 5;  // four letters and a terminating zero
  static constexpr char kUnused[] = "tEXt\0zTXt\0iTXt\0iCCP\0sPLT";
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER,
                              reinterpret_cast<png_const_bytep>(kUnused),
                              sizeof(kUnused) / kNameSize);
}

bool HasAlpha(png_structp png, png_infop info) {
  return (png_get_color_type(png, info) & PNG_COLOR_MASK_ALPHA) != 0 ||
         png_get_valid(png, info, PNG_INFO_tRNS) != 0;
}

// Every colour type and depth becomes 8-bit B, G, R, A bytes: ARGB words.
void RequestArgb(png_structp png) {
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_bgr(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
}

bool Allocate(Ref<TPixmap>* out, png_uint_32 width, png_uint_32 height, bool hasAlpha) {
  *out = NewDecodedPixmap(width, height, hasAlpha);
  return *out != nullptr;
}

// Decodes into *out; false on any error (*out may then hold a partial image).
bool ReadPixels(png_structp png, png_infop info, Ref<TPixmap>* out) {
  if (setjmp(png_jmpbuf(png))) {
    return false;
  }
  IgnoreUnusedChunks(png);
  png_read_info(png, info);
  const bool hasAlpha = HasAlpha(png, info);
  RequestArgb(png);
  const int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  const png_uint_32 width = png_get_image_width(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  if (png_get_rowbytes(png, info) != std::size_t{width} * 4 ||
      !Allocate(out, width, height, hasAlpha)) {
    return false;
  }
  // Each interlace pass fills in more pixels of the same rows.
  for (int pass = 0; pass < passes; ++pass) {
    for (png_uint_32 y = 0; y < height; ++y) {
      png_read_row(png, (*out)->PixelPtr(0, static_cast<Int>(y)), nullptr);
    }
  }
  png_read_end(png, nullptr);
  return true;
}

bool WriteRows(png_structp png, png_infop info, std::FILE* file, const std::uint32_t* argb,
               png_uint_32 width, png_uint_32 height) {
  if (setjmp(png_jmpbuf(png))) {
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_set_bgr(png);
  for (png_uint_32 y = 0; y < height; ++y) {
    png_write_row(png, reinterpret_cast<png_const_bytep>(argb + std::size_t{y} * width));
  }
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

Ref<TPixmap> DecodePng(Bytes file) {
  constexpr std::size_t kSignatureSize = 8;
  if (file.size() < kSignatureSize || png_sig_cmp(file.data(), 0, kSignatureSize) != 0 ||
      !PlausibleChunks(file, kSignatureSize)) {
    return nullptr;
  }
  png_structp png =
      png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnPngError, OnPngWarning);
  if (png == nullptr) {
    return nullptr;
  }
  png_infop info = png_create_info_struct(png);
  PngSource source{file};
  png_set_read_fn(png, &source, ReadFromMemory);
  png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
  Ref<TPixmap> pixmap;
  const bool ok = info != nullptr && ReadPixels(png, info, &pixmap);
  png_destroy_read_struct(&png, &info, nullptr);
  return ok ? pixmap : nullptr;
}

}  // namespace platform::detail

namespace platform::test {

bool WritePng(const std::string& path, const std::vector<std::uint32_t>& argb, Int width,
              Int height) {
  std::FILE* file = detail::OpenForImage(path, argb, width, height);
  if (file == nullptr) {
    return false;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, detail::OnPngError,
                                            detail::OnPngWarning);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  const bool written = info != nullptr && detail::WriteRows(png, info, file, argb.data(),
                                                            static_cast<png_uint_32>(width),
                                                            static_cast<png_uint_32>(height));
  png_destroy_write_struct(&png, &info);
  const bool closed = std::fclose(file) == 0;
  return written && closed;
}

}  // namespace platform::test
