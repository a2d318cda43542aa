// Test support for the data folder checks: the headless platform, the
// folder's location (the tests run in the build folder) and raw file bytes.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/system.h"

namespace data_files {

inline const std::string kData = "Data/";

// Starts the platform headless; does nothing when it already runs.
inline void StartHeadless() { platform::Init({.headless = true, .changeDir = false}); }

// The whole file; empty when it cannot be read.
inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A little-endian (WAV) or big-endian (PNG) unsigned number at a byte offset.
inline std::uint32_t Le(const std::vector<std::uint8_t>& b, size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v |= static_cast<std::uint32_t>(b.at(at + i)) << (8 * i);
  return v;
}
inline std::uint32_t Be(const std::vector<std::uint8_t>& b, size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v = (v << 8) | b.at(at + i);
  return v;
}

}  // namespace data_files
