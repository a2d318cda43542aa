// The process's peak resident memory, for tests that bound what a load costs.
#pragma once

#include <sys/resource.h>

#include <fstream>

namespace platform_test {

inline long PeakRssKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// The peak resident size, first brought down to the current size (Linux), so
// that each load's peak is its own even after a larger one.
inline long FreshPeakRssKb() {
  std::ofstream("/proc/self/clear_refs") << "5";
  return PeakRssKb();
}

}  // namespace platform_test
