// PNG through libpng's simplified API, JPEG through libjpeg with an error
// handler that returns to the caller instead of ending the process.
#include "image_files.h"

#include <jpeglib.h>
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace datagen {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File Open(const std::string& path, const char* mode) {
  File f(std::fopen(path.c_str(), mode));
  if (!f) throw std::runtime_error("cannot open " + path);
  return f;
}

struct JpegError {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr info) {
  auto* error = reinterpret_cast<JpegError*>(info->err);
  (*info->err->format_message)(info, error->message);
  std::longjmp(error->jump, 1);
}

// Runs the libjpeg work in `body` (no C++ objects with destructors may live
// inside it); false with `message` set when libjpeg reported an error.
template <typename Info, typename Body>
bool RunJpeg(Info& info, JpegError& error, Body body) {
  info.err = jpeg_std_error(&error.base);
  error.base.error_exit = JpegErrorExit;
  if (setjmp(error.jump)) return false;
  body();
  return true;
}

Picture ReadPng(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) {
    throw std::runtime_error("cannot read PNG " + path + ": " + image.message);
  }
  image.format = PNG_FORMAT_RGBA;
  Picture p{static_cast<int>(image.width), static_cast<int>(image.height), {}};
  p.rgba.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, p.rgba.data(), 0, nullptr)) {
    throw std::runtime_error("cannot decode PNG " + path + ": " + image.message);
  }
  return p;
}

Picture ReadJpeg(const std::string& path) {
  File file = Open(path, "rb");
  jpeg_decompress_struct info{};
  JpegError error{};
  std::vector<std::uint8_t> rgb;
  Picture p;
  const bool ok = RunJpeg(info, error, [&] {
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file.get());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    p.width = static_cast<int>(info.output_width);
    p.height = static_cast<int>(info.output_height);
    rgb.resize(static_cast<size_t>(p.width) * p.height * 3);
    while (info.output_scanline < info.output_height) {
      JSAMPROW row = rgb.data() + static_cast<size_t>(info.output_scanline) * p.width * 3;
      jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
  });
  jpeg_destroy_decompress(&info);
  if (!ok) throw std::runtime_error("cannot decode JPEG " + path + ": " + error.message);
  p.rgba.resize(static_cast<size_t>(p.width) * p.height * 4);
  for (size_t i = 0; i < rgb.size() / 3; ++i) {
    for (int k = 0; k < 3; ++k) p.rgba[i * 4 + k] = rgb[i * 3 + k];
    p.rgba[i * 4 + 3] = 255;
  }
  return p;
}

}  // namespace

void WritePng(const std::string& path, int width, int height,
              const std::vector<std::uint8_t>& rgba) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGBA;
  if (!png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), 0, nullptr)) {
    throw std::runtime_error("cannot write PNG " + path + ": " + image.message);
  }
}

void WriteJpeg(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb,
               int quality) {
  File file = Open(path, "wb");
  jpeg_compress_struct info{};
  JpegError error{};
  const bool ok = RunJpeg(info, error, [&] {
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file.get());
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = TRUE;
    for (int c = 0; c < info.num_components; ++c) {
      info.comp_info[c].h_samp_factor = 1;
      info.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
      auto* row =
          const_cast<JSAMPROW>(rgb.data() + static_cast<size_t>(info.next_scanline) * width * 3);
      jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
  });
  jpeg_destroy_compress(&info);
  if (!ok) throw std::runtime_error("cannot write JPEG " + path + ": " + error.message);
  if (std::ferror(file.get())) throw std::runtime_error("cannot write JPEG " + path);
}

Picture ReadPicture(const std::string& path) {
  File file = Open(path, "rb");
  unsigned char magic[2] = {0, 0};
  const size_t n = std::fread(magic, 1, 2, file.get());
  file.reset();
  if (n == 2 && magic[0] == 0xFF && magic[1] == 0xD8) return ReadJpeg(path);
  return ReadPng(path);
}

}  // namespace datagen
