// Rounding to places, geometry, musical ratios and the rand-based generator.
#include "util/maths_utils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <set>
#include <vector>

#include "platform/maths.h"

namespace {

constexpr Int kMax = std::numeric_limits<Int>::max();
constexpr Int kMin = std::numeric_limits<Int>::min();

TEST(MathsUtils, RoundFloatTakesHalvesAwayFromZeroInFloat) {
  struct Case {
    Float x;
    Int places;
    Double expected;
  };
  const Case cases[] = {
      {2.5f, 0, 3},      {-2.5f, 0, -3},  {0.125f, 2, 0.13}, {-0.125f, 2, -0.13},
      {1.005f, 2, 1.01}, {0.0f, 3, 0},    {2.345f, 2, 2.35}, {-2.345f, 2, -2.35},
      {2.4f, 0, 2},      {-2.4f, 0, -2},  {1.26f, -1, 1},    {1.26f, kMin, 1},
      {0.5f, 12, 0.5},   {3e9f, 0, kMax}, {-3e9f, 0, kMin},  {std::nanf(""), 2, 0},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(ccRoundFloat(c.x, c.places), c.expected) << c.x << " to " << c.places;
  }
  EXPECT_EQ(ccRoundFloat(1.23456789f, kMax), ccRoundFloat(1.23456789f, 9));
}

TEST(MathsUtils, DistancesAndHalfWidths) {
  EXPECT_DOUBLE_EQ(ccPointToPointDist(0, 0, 3, 4), 5);
  EXPECT_DOUBLE_EQ(ccPointToPointDist(-1, -1, 2, 3), 5);
  const std::vector<std::pair<std::pair<Float, Float>, Double>> halfWidths = {
      {{5, 3}, 4}, {{5, 5}, 0}, {{5, -3}, 4}, {{-5, 3}, 4}, {{0, 0}, 0}};
  for (const auto& [ry, expected] : halfWidths) {
    EXPECT_DOUBLE_EQ(ccCircleHalfWidthAtY(ry.first, ry.second), expected) << ry.first;
  }
  EXPECT_TRUE(std::isnan(ccCircleHalfWidthAtY(5, 6)));
  EXPECT_TRUE(std::isnan(ccCircleHalfWidthAtY(-5, 6)));
}

TEST(MathsUtils, SegmentMeetsCircleOnlyWhenCloserThanTheRadius) {
  struct Case {
    const char* name;
    Double x1, y1, x2, y2, cx, cy, r;
    Int expected;
  };
  const Case cases[] = {
      {"touching", 0, 0, 10, 0, 5, 3, 3, 0},
      {"crossing", 0, 0, 10, 0, 5, 3, 3.5, 1},
      {"beyond the end", 0, 0, 10, 0, 15, 0, 4, 0},
      {"reaching the end", 0, 0, 10, 0, 15, 0, 5.5, 1},
      {"before the start", 0, 0, 10, 0, -3, 0, 3.5, 1},
      {"reversed", 10, 0, 0, 0, 5, 3, 3.5, 1},
      {"point inside", 0, 0, 0, 0, 1, 1, 2, 1},
      {"point outside", 0, 0, 0, 0, 3, 4, 5, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ccCircleLineIntersect2(c.x1, c.y1, c.x2, c.y2, c.cx, c.cy, c.r), c.expected)
        << c.name;
  }
}

TEST(MathsUtils, MusicalRatios) {
  const std::vector<std::pair<Int, Double>> notes = {
      {12, 2.0}, {0, 1.0}, {-12, 0.5}, {7, 1.498307}, {24, 4.0}};
  for (const auto& [semitones, expected] : notes) {
    EXPECT_NEAR(ccGetMusicalNote(semitones), expected, 5e-7) << semitones;
  }
  const Double scale[] = {1.000000, 1.122462, 1.259921, 1.334840, 1.498307,
                          1.681793, 1.887749, 2.000000, 2.244924, 2.519842,
                          2.669680, 2.996614, 3.363586, 3.775497, 4.000000};
  for (Int degree = 0; degree < 15; ++degree) {
    EXPECT_NEAR(ccGetMusicalNoteInScaleC(degree), scale[degree], 5e-7) << degree;
  }
  const std::vector<std::pair<Int, Int>> outside = {{15, 25}, {16, 26}, {-1, -1}, {-12, -12}};
  for (const auto& [degree, semitones] : outside) {
    EXPECT_DOUBLE_EQ(ccGetMusicalNoteInScaleC(degree), ccGetMusicalNote(semitones)) << degree;
  }
}

TEST(MathsUtils, FastRandStaysInEitherOrderOfBoundsAndRepeatsPerSeed) {
  struct Case {
    Int a, b, low, high;
  };
  for (const Case& c : {Case{5, 5, 5, 5}, Case{1, 6, 1, 6}, Case{6, 1, 1, 6}, Case{-3, -1, -3, -1},
                        Case{kMin, kMax, kMin, kMax}, Case{kMax, kMin, kMin, kMax}}) {
    ccFastRandSeed(7);
    std::set<Int> seen;
    for (Int i = 0; i < 200; ++i) {
      const Int value = ccFastRand(c.a, c.b);
      EXPECT_GE(value, c.low);
      EXPECT_LE(value, c.high);
      seen.insert(value);
    }
    if (Long{c.high} - c.low < 6) {
      EXPECT_EQ(Long(seen.size()), Long{c.high} - c.low + 1) << c.a;
    }
  }
  auto draws = [](Int seed) {
    EXPECT_EQ(ccFastRandSeed(seed), 0);
    SeedRnd(1);
    std::vector<Int> values;
    for (Int i = 0; i < 8; ++i) values.push_back(ccFastRand(0, 1000000));
    return values;
  };
  const std::vector<Int> first = draws(42);
  EXPECT_EQ(draws(42), first);
  EXPECT_NE(draws(43), first);
  // Drawing from the platform generator does not move this one.
  ccFastRandSeed(42);
  Rand(1, 10);
  EXPECT_EQ(ccFastRand(0, 1000000), first[0]);
}

}  // namespace
