// The real-to-Int conversion and the wrapping 32-bit arithmetic helpers.
#include "platform/object.h"

#include <cmath>
#include <cstdint>
#include <limits>

Int ToInt(Double value) {
  if (std::isnan(value)) return 0;
  constexpr Double kMin = std::numeric_limits<Int>::min();
  constexpr Double kMax = std::numeric_limits<Int>::max();
  if (value <= kMin) return std::numeric_limits<Int>::min();
  if (value >= kMax) return std::numeric_limits<Int>::max();
  return static_cast<Int>(value);  // truncates toward zero
}

namespace {

Int FromBits(std::uint32_t bits) { return static_cast<Int>(bits); }
std::uint32_t Bits(Int value) { return static_cast<std::uint32_t>(value); }

}  // namespace

Int WrapAdd(Int a, Int b) { return FromBits(Bits(a) + Bits(b)); }
Int WrapSub(Int a, Int b) { return FromBits(Bits(a) - Bits(b)); }
Int WrapMul(Int a, Int b) { return FromBits(Bits(a) * Bits(b)); }
