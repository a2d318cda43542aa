// Real-to-Int conversion, wrapping arithmetic, degrees and the generator.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <ios>
#include <utility>

#include "platform/maths.h"
#include "platform/object.h"

namespace {

TEST(NumbersTest, ToIntTruncatesAndSaturatesAndSumsWrap) {
  const std::pair<Double, Int> cases[] = {{-2.7, -2},
                                          {2147483647.9, INT_MAX},
                                          {-1e300, INT_MIN},
                                          {HUGE_VAL, INT_MAX},
                                          {std::nan(""), 0}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(ToInt(value), expected) << value;
  EXPECT_EQ(WrapAdd(INT_MAX, 1), INT_MIN);
  EXPECT_EQ(WrapSub(INT_MIN, 1), INT_MAX);
  EXPECT_EQ(WrapMul(65536, 65536), 0);
  EXPECT_DOUBLE_EQ(Sin(90) + Cos(180), 0.0);
}

// The first SplitMix64 outputs from state 0 (the published reference values).
constexpr std::uint64_t kSplitMixFromZero[] = {0xE220A8397B1DCDAFULL, 0x6E789E6AA1B965F4ULL,
                                               0x06C45D188009454FULL};

Double UnitOf(std::uint64_t draw) { return std::ldexp(static_cast<Double>(draw >> 11), -53); }

TEST(RandomTest, FollowsSplitMix64FromTheSeedOneDrawPerCall) {
  SeedRnd(0);
  EXPECT_EQ(Rnd(0.0, 1.0), UnitOf(kSplitMixFromZero[0]));
  EXPECT_EQ(Rand(0, 9), 4);  // floor(0.4315... * 10)
  EXPECT_EQ(Rnd(2.0, 4.0), 2.0 + 2.0 * UnitOf(kSplitMixFromZero[2]));
  SeedRnd(12345);
  Rand(1, 6);
  Rand(10);
  Rnd();
  Rand(INT_MIN, INT_MAX);
  const Double fifth = Rnd(0.0, 1.0);
  SeedRnd(12345);
  for (int i = 0; i < 4; ++i) Rnd(0.0, 1.0);
  EXPECT_EQ(Rnd(0.0, 1.0), fifth);
}

TEST(RandomTest, BoundsInEitherOrder) {
  SeedRnd(99);
  auto range = [](auto draw) {  // lowest and highest of many draws
    std::pair<Int, Int> seen{INT_MAX, INT_MIN};
    for (int i = 0; i < 2000; ++i) {
      const Int value = draw();
      seen = {std::min(seen.first, value), std::max(seen.second, value)};
    }
    return seen;
  };
  EXPECT_EQ(range([] { return Rand(3, 7); }), std::pair(3, 7));
  EXPECT_EQ(range([] { return Rand(7, 3); }), std::pair(3, 7));
  EXPECT_EQ(range([] { return Rand(0, 0); }), std::pair(0, 0));
  EXPECT_EQ(range([] { return Rand(0, -5); }), std::pair(-5, 0));
  EXPECT_EQ(range([] { return Rand(-2); }), std::pair(-2, 1));            // Rand(1, n)
  const auto [low, high] = range([] { return Rand(INT_MAX, INT_MIN); });  // needs 64 bits
  EXPECT_LT(low, INT_MIN / 2);
  EXPECT_GT(high, INT_MAX / 2);
}

// Near 2^50 a whole unit spans four doubles, so about one draw in eight
// would round onto the excluded bound b.
TEST(RandomTest, RndNeverReachesItsUpperBound) {
  constexpr Double kLow = 0x1p50, kHigh = 0x1p50 + 1.0;
  SeedRnd(5);
  for (int i = 0; i < 200; ++i) {
    const Double up = Rnd(kLow, kHigh);
    EXPECT_TRUE(up >= kLow && up < kHigh) << std::hexfloat << up;
    const Double down = Rnd(kHigh, kLow);
    EXPECT_TRUE(down <= kHigh && down > kLow) << std::hexfloat << down;
  }
}

}  // namespace
