// Maths in degrees and the seeded SplitMix64 generator behind Rand and Rnd.
#include "platform/maths.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <utility>

namespace {

constexpr Double kRadiansPerDegree = std::numbers::pi / 180.0;

std::uint64_t rngState = 0;

std::uint64_t NextDraw() {
  rngState += 0x9E3779B97F4A7C15ULL;
  std::uint64_t z = rngState;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

// One draw as a 53-bit real in [0, 1).
Double NextUnit() { return static_cast<Double>(NextDraw() >> 11) * 0x1.0p-53; }

}  // namespace

Double Sin(Double degrees) { return std::sin(degrees * kRadiansPerDegree); }
Double Cos(Double degrees) { return std::cos(degrees * kRadiansPerDegree); }
Double Floor(Double x) { return std::floor(x); }
Double Ceil(Double x) { return std::ceil(x); }
Double Sqr(Double x) { return std::sqrt(x); }
Double Pow(Double x, Double y) { return std::pow(x, y); }
Double Sgn(Double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }
Int Min(Int a, Int b) { return std::min(a, b); }
Int Max(Int a, Int b) { return std::max(a, b); }
Double Abs(Double x) { return std::fabs(x); }

void SeedRnd(Int seed) { rngState = static_cast<std::uint64_t>(static_cast<Long>(seed)); }

Int Rand(Int a, Int b) {
  if (a > b) std::swap(a, b);
  const Long span = Long{b} - a + 1;
  // u < 1 and span <= 2^32, so the rounded product stays below span.
  return static_cast<Int>(a + static_cast<Long>(NextUnit() * static_cast<Double>(span)));
}

Int Rand(Int n) { return Rand(1, n); }

Double Rnd(Double a, Double b) {
  const Double value = a + (b - a) * NextUnit();
  // Rounding can carry a draw near 1 onto b (or past it), which the range excludes.
  const bool reachesB = a < b ? value >= b : a > b && value <= b;
  return reachesB ? std::nextafter(b, a) : value;
}
