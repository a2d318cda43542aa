// Deterministic randomness: a fixed-seed PCG32 generator and tileable value
// noise, so the same build draws the same pixels and samples every time.
#pragma once

#include <cstdint>

namespace datagen {

class Pcg32 {
 public:
  explicit Pcg32(std::uint64_t seed);
  std::uint32_t Next();
  float Uniform();                     // [0, 1)
  float Range(float low, float high);  // [low, high)
  float Signed() { return Range(-1, 1); }

 private:
  std::uint64_t state_;
};

// Smooth value noise in [0, 1] on a lattice of one cell per unit, repeating
// every `period` cells in x and y.
float ValueNoise(float x, float y, int period, std::uint32_t seed);

// Octaves of value noise, each half the size and amplitude of the last,
// periodic over `period` units (a power of two); result roughly in [-1, 1].
float Fbm(float x, float y, float period, int octaves, std::uint32_t seed);

}  // namespace datagen
