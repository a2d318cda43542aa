// Test support shared by the util and framework tests: the headless platform
// with a window open, and small PNG files in a temporary folder.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/display.h"
#include "platform/system.h"
#include "platform/testing.h"

namespace headless_images {

// The headless platform with a 1024 x 768 window open.
inline void StartHeadless() {
  platform::Init({.headless = true, .changeDir = false});
  if (!GraphicsOpen()) Graphics(CANVAS_WIDTH, CANVAS_HEIGHT, 0, 60, 0);
}

// This process's own temporary folder, removed when the process ends.
inline std::string TempFolder() {
  struct Folder {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("quorvane-images-" + std::to_string(getpid()));
    ~Folder() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
  };
  static const Folder folder;
  return folder.path.string();
}

// Writes a width x height white PNG at a path relative to TempFolder(),
// making its folders, and returns the full path.
inline std::string WritePng(const std::string& relative, Int width, Int height) {
  const std::filesystem::path file = std::filesystem::path(TempFolder()) / relative;
  std::filesystem::create_directories(file.parent_path());
  platform::test::WritePng(file.string(), std::vector<std::uint32_t>(width * height, 0xFFFFFFFFu),
                           width, height);
  return file.string();
}

}  // namespace headless_images
