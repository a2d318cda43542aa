// Rounding, geometry, musical ratios and the rand-based generator.
#include "util/maths_utils.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "platform/maths.h"

Double ccRoundFloat(Float x, Int places) {
  const Int factor = ToInt(Pow(10.0, std::clamp(places, 0, 9)));
  Float a = x * static_cast<Float>(factor);
  const Float half = static_cast<Float>(0.5 * Sgn(x));
  a = a + half;
  return static_cast<Double>(ToInt(a)) / factor;
}

Double ccPointToPointDist(Double x1, Double y1, Double x2, Double y2) {
  return Sqr((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
}

Double ccCircleHalfWidthAtY(Float r, Float y) {
  const Double rr = r;
  const Double yy = y;
  return Sqr(rr * rr - yy * yy);
}

Int ccCircleLineIntersect2(Double x1, Double y1, Double x2, Double y2, Double cx, Double cy,
                           Double r) {
  const Double dx = x2 - x1;
  const Double dy = y2 - y1;
  Double u = ((cx - x1) * dx + (cy - y1) * dy) / (dx * dx + dy * dy);
  if (!(u >= 0.0)) u = 0.0;
  if (u > 1.0) u = 1.0;
  const Double nearX = x1 * (1.0 - u) + x2 * u;
  const Double nearY = y1 * (1.0 - u) + y2 * u;
  return ccPointToPointDist(cx, cy, nearX, nearY) < r ? 1 : 0;
}

Double ccGetMusicalNote(Int semitones) { return Pow(2.0, semitones / 12.0); }

Double ccGetMusicalNoteInScaleC(Int degree) {
  // The degrees from which each further semitone of the scale counts.
  static constexpr std::array<Int, 10> kSteps = {1, 2, 4, 5, 6, 8, 9, 11, 12, 13};
  const auto below =
      std::count_if(kSteps.begin(), kSteps.end(), [degree](Int step) { return degree >= step; });
  return Pow(2.0, (static_cast<Double>(degree) + static_cast<Double>(below)) / 12.0);
}

Int ccFastRand(Int min, Int max) {
  const Long low = std::min(min, max);
  const Long span = Long{std::max(min, max)} - low + 1;
  return static_cast<Int>(low + std::rand() % span);
}

Int ccFastRandSeed(Int seed) {
  std::srand(static_cast<unsigned>(seed));
  return 0;
}
