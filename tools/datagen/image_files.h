// PNG and JPEG files through libpng and libjpeg. Every function throws
// std::runtime_error naming the file when it cannot be written or read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace datagen {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;  // straight alpha, rows top to bottom
};

// 8-bit RGBA, non-interlaced.
void WritePng(const std::string& path, int width, int height,
              const std::vector<std::uint8_t>& rgba);
// Baseline RGB, full-resolution chroma (4:4:4).
void WriteJpeg(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb,
               int quality);
// Decodes a PNG or JPEG (by content) into RGBA.
Picture ReadPicture(const std::string& path);

}  // namespace datagen
