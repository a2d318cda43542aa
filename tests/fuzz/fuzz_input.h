// The fuzz input as a file: the loaders read by path, as the game does, so
// each input is written to an in-memory file reached through /proc.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace fuzz {

// A path whose file holds exactly the given bytes until the next call.
inline std::string InputFile(const std::uint8_t* data, std::size_t size) {
  static const int fd = memfd_create("quorvane-fuzz", 0);
  static const std::string path = "/proc/self/fd/" + std::to_string(fd);
  const auto length = static_cast<ssize_t>(size);
  if (fd < 0 || ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != length) std::abort();
  return path;
}

}  // namespace fuzz
