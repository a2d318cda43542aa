// PCG32 and periodic value noise.
#include "noise.h"

#include <cmath>

namespace datagen {

Pcg32::Pcg32(std::uint64_t seed) : state_(seed * 6364136223846793005ULL + 1442695040888963407ULL) {
  Next();
}

std::uint32_t Pcg32::Next() {
  const std::uint64_t old = state_;
  state_ = old * 6364136223846793005ULL + 1442695040888963407ULL;
  const auto xorshifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
  const auto rot = static_cast<std::uint32_t>(old >> 59u);
  return (xorshifted >> rot) | (xorshifted << ((32 - rot) & 31));
}

float Pcg32::Uniform() { return static_cast<float>(Next() >> 8) * (1.0f / 16777216.0f); }

float Pcg32::Range(float low, float high) { return low + (high - low) * Uniform(); }

namespace {

float Lattice(int x, int y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B9u;
  h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
  h = (h ^ (h >> 13)) * 0xC2B2AE35u;
  h ^= static_cast<std::uint32_t>(y) * 0x27D4EB2Fu;
  h = (h ^ (h >> 15)) * 0x165667B1u;
  h ^= h >> 16;
  return static_cast<float>(h >> 8) * (1.0f / 16777215.0f);
}

int Wrap(int v, int period) { return ((v % period) + period) % period; }

float Quintic(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }

}  // namespace

float ValueNoise(float x, float y, int period, std::uint32_t seed) {
  const float fx = std::floor(x);
  const float fy = std::floor(y);
  const int ix = static_cast<int>(fx);
  const int iy = static_cast<int>(fy);
  const float tx = Quintic(x - fx);
  const float ty = Quintic(y - fy);
  const int x0 = Wrap(ix, period);
  const int x1 = Wrap(ix + 1, period);
  const int y0 = Wrap(iy, period);
  const int y1 = Wrap(iy + 1, period);
  const float top = Lattice(x0, y0, seed) + (Lattice(x1, y0, seed) - Lattice(x0, y0, seed)) * tx;
  const float bottom = Lattice(x0, y1, seed) + (Lattice(x1, y1, seed) - Lattice(x0, y1, seed)) * tx;
  return top + (bottom - top) * ty;
}

float Fbm(float x, float y, float period, int octaves, std::uint32_t seed) {
  // The coarsest octave has 2 lattice cells per period.
  float frequency = 2.0f / period;
  int cells = 2;
  float amplitude = 1;
  float sum = 0;
  float norm = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += (ValueNoise(x * frequency, y * frequency, cells, seed + o * 101u) * 2 - 1) * amplitude;
    norm += amplitude;
    frequency *= 2;
    cells *= 2;
    amplitude *= 0.5f;
  }
  return sum / norm * 1.6f;
}

}  // namespace datagen
