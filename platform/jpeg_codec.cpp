// JPEG files through libjpeg: the decoder behind LoadPixmap, reading from the
// file's bytes in memory, and a writer for tests. libjpeg reports errors by
// longjmp, so each function that sets the jump point holds no object with a
// destructor, and its messages are never printed.
#include <cstdio>
// jpeglib.h needs FILE and size_t declared first.
#include <jerror.h>
#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <iterator>

#include "platform/image_codecs.h"
#include "platform/testing.h"

namespace platform::detail {
namespace {

struct JpegErrors {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void OnJpegError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1);
}

// A file that ends early is an error, not an image padded with grey; other
// warnings (damaged but decodable data) are tolerated.
void OnJpegMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) {
    OnJpegError(info);
  }
}

void DropJpegMessage(j_common_ptr /*info*/) {}

jpeg_error_mgr* QuietErrors(JpegErrors& errors) {
  jpeg_std_error(&errors.manager);
  errors.manager.error_exit = OnJpegError;
  errors.manager.emit_message = OnJpegMessage;
  errors.manager.output_message = DropJpegMessage;
  return &errors.manager;
}

bool Allocate(Ref<TPixmap>* out, JDIMENSION width, JDIMENSION height) {
  *out = NewDecodedPixmap(width, height, false);
  return *out != nullptr;
}

// Decodes into *out; false on any error (*out may then hold a partial image).
bool ReadPixels(jpeg_decompress_struct* info, JpegErrors* errors, Bytes file, Ref<TPixmap>* out) {
  if (setjmp(errors->jump)) {
    return false;
  }
  jpeg_create_decompress(info);
  jpeg_mem_src(info, file.data(), file.size());
  // The size is checked before libjpeg allocates anything for the image.
  if (jpeg_read_header(info, TRUE) != JPEG_HEADER_OK ||
      !FitsImageLimits(info->image_width, info->image_height)) {
    return false;
  }
  info->out_color_space = JCS_EXT_BGRA;
  jpeg_start_decompress(info);
  if (!Allocate(out, info->output_width, info->output_height)) {
    return false;
  }
  while (info->output_scanline < info->output_height) {
    JSAMPROW row = (*out)->PixelPtr(0, static_cast<Int>(info->output_scanline));
    if (jpeg_read_scanlines(info, &row, 1) != 1) {
      return false;
    }
  }
  jpeg_finish_decompress(info);
  return true;
}

bool WriteRows(jpeg_compress_struct* info, JpegErrors* errors, std::FILE* file,
               const std::uint32_t* argb, JDIMENSION width, JDIMENSION height, int quality) {
  if (setjmp(errors->jump)) {
    return false;
  }
  jpeg_create_compress(info);
  jpeg_stdio_dest(info, file);
  info->image_width = width;
  info->image_height = height;
  info->input_components = 4;
  info->in_color_space = JCS_EXT_BGRA;
  jpeg_set_defaults(info);
  jpeg_set_quality(info, quality, TRUE);
  // Full-resolution colour, so that test images keep sharp colour edges.
  info->comp_info[0].h_samp_factor = 1;
  info->comp_info[0].v_samp_factor = 1;
  jpeg_start_compress(info, TRUE);
  while (info->next_scanline < info->image_height) {
    const std::uint32_t* words = argb + std::size_t{info->next_scanline} * width;
    JSAMPROW row = const_cast<JSAMPROW>(reinterpret_cast<const JSAMPLE*>(words));
    jpeg_write_scanlines(info, &row, 1);
  }
  jpeg_finish_compress(info);
  return true;
}

}  // namespace

Ref<TPixmap> DecodeJpeg(Bytes file) {
  constexpr Byte kStartOfImage[] = {0xFF, 0xD8, 0xFF};
  if (file.size() < sizeof kStartOfImage ||
      !std::equal(std::begin(kStartOfImage), std::end(kStartOfImage), file.begin())) {
    return nullptr;
  }
  jpeg_decompress_struct info{};
  JpegErrors errors{};
  info.err = QuietErrors(errors);
  Ref<TPixmap> pixmap;
  const bool ok = ReadPixels(&info, &errors, file, &pixmap);
  jpeg_destroy_decompress(&info);
  return ok ? pixmap : nullptr;
}

}  // namespace platform::detail

namespace platform::test {

bool WriteJpeg(const std::string& path, const std::vector<std::uint32_t>& argb, Int width,
               Int height, Int quality) {
  std::FILE* file = detail::OpenForImage(path, argb, width, height);
  if (file == nullptr) {
    return false;
  }
  jpeg_compress_struct info{};
  detail::JpegErrors errors{};
  info.err = detail::QuietErrors(errors);
  const bool written =
      detail::WriteRows(&info, &errors, file, argb.data(), static_cast<JDIMENSION>(width),
                        static_cast<JDIMENSION>(height), quality);
  jpeg_destroy_compress(&info);
  const bool closed = std::fclose(file) == 0;
  return written && closed;
}

}  // namespace platform::test
