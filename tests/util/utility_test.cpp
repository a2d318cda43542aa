// Rounding, overlap, padding, powers of two, slashes, the mouse-hit order
// and the two rectangle outlines.
#include "util/utility.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "platform/input.h"
#include "util/headless_images.h"

namespace {

constexpr Int kMax = std::numeric_limits<Int>::max();
constexpr Int kMin = std::numeric_limits<Int>::min();

TEST(Utility, RoundingTakesTheFloorOfXPlusAHalf) {
  const std::vector<std::pair<Float, Int>> cases = {
      {2.5f, 3},       {-2.5f, -2},     {-0.5f, 0},        {0.49999997f, 0},
      {1.4999999f, 1}, {-1.5f, -1},     {-1.0001f, -1},    {2147483520.0f, 2147483520},
      {3.0e9f, kMax},  {-3.0e9f, kMin}, {std::nanf(""), 0}};
  for (const auto& [x, expected] : cases) EXPECT_EQ(ccRound(x), expected) << x;
}

TEST(Utility, RectanglesOverlapStrictlyInEitherOrder) {
  struct Case {
    Int a[4], b[4], expected;
  };
  const Case cases[] = {{{0, 0, 10, 10}, {10, 0, 10, 10}, 0},
                        {{0, 0, 10, 10}, {0, 10, 10, 10}, 0},
                        {{0, 0, 10, 10}, {9, 9, 10, 10}, 1},
                        {{0, 0, 10, 10}, {2, 2, 3, 3}, 1},
                        {{0, 0, 10, 10}, {5, 2, 0, 3}, 1},
                        {{0, 0, 10, 10}, {0, 2, 0, 3}, 0},
                        // Where 32-bit sums would wrap around.
                        {{kMax - 5, 0, 10, 10}, {kMax - 8, 0, 10, 10}, 1},
                        {{0, kMin, 10, 10}, {0, kMin + 9, 10, 10}, 1}};
  for (const Case& c : cases) {
    const Int* a = c.a;
    const Int* b = c.b;
    EXPECT_EQ(ccRectsOverlap(a[0], a[1], a[2], a[3], b[0], b[1], b[2], b[3]), c.expected) << a[0];
    EXPECT_EQ(ccRectsOverlap(b[0], b[1], b[2], b[3], a[0], a[1], a[2], a[3]), c.expected) << b[0];
  }
}

TEST(Utility, TextHelpersPadAndEndInASlash) {
  struct Pad {
    const char* text;
    Int length;
    const char* expected;
  };
  for (const Pad& c : {Pad{"42", 5, "00042"}, Pad{"123456", 5, "123456"}, Pad{"", 3, "000"},
                       Pad{"7", -1, "7"}, Pad{"-5", 4, "00-5"}}) {
    EXPECT_EQ(ccPadWithZeros(c.text, c.length).ToUtf8(), c.expected) << c.text;
  }
  const std::vector<std::pair<const char*, const char*>> slashes = {
      {"Data/Images", "Data/Images/"}, {"Data/", "Data/"}, {"Data\\", "Data\\"}, {"", "/"}};
  for (const auto& [path, expected] : slashes) EXPECT_EQ(ccAddSlash(path).ToUtf8(), expected);
}

TEST(Utility, PowerOfTwoSizeIsAtLeastOneAndCappedAtTwoToThe30th) {
  const std::vector<std::pair<Int, Int>> cases = {{-5, 1},
                                                  {0, 1},
                                                  {1, 1},
                                                  {2, 2},
                                                  {3, 4},
                                                  {64, 64},
                                                  {65, 128},
                                                  {1 << 30, 1 << 30},
                                                  {(1 << 30) + 1, 1 << 30},
                                                  {kMax, 1 << 30},
                                                  {kMin, 1}};
  for (const auto& [n, expected] : cases) EXPECT_EQ(ccPow2Size(n), expected) << n;
}

class UtilityOnScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    headless_images::StartHeadless();
    FlushMouse();
    Flip(0);
  }
};

TEST_F(UtilityOnScreen, MouseHitStopsAtTheFirstButtonWithAHit) {
  struct Case {
    std::vector<Int> presses, results;  // results of successive calls
  };
  const Case cases[] = {{{}, {0}},           {{1, 2}, {1, 1, 0}}, {{3}, {1, 0}},
                        {{2, 3}, {1, 1, 0}}, {{1, 1}, {1, 0}},    {{1, 2, 3}, {1, 1, 1, 0}}};
  for (const Case& c : cases) {
    FlushMouse();
    for (Int button : c.presses) {
      platform::test::PressMouse(button);
      platform::test::ReleaseMouse(button);
    }
    std::vector<Int> results;
    while (results.size() < c.results.size()) results.push_back(ccMouseHit());
    EXPECT_EQ(results, c.results) << c.presses.size() << " presses";
  }
}

TEST_F(UtilityOnScreen, OutlinesDrawFourLinesClockwiseWithoutEndPoints) {
  using Lines = std::vector<std::vector<Float>>;
  auto drawn = [] {
    Lines lines;
    for (const auto& record : platform::test::CurrentDrawLog()) {
      if (record.kind != platform::test::DrawKind::Line || record.lastPixel != 0) continue;
      lines.push_back({record.x, record.y, record.x2, record.y2});
    }
    Flip(0);
    return lines;
  };
  EXPECT_EQ(ccDrawRectOutline(10, 20, 4, 3), 0);
  EXPECT_EQ(drawn(),
            (Lines{{10, 20, 13, 20}, {13, 20, 13, 22}, {13, 22, 10, 22}, {10, 22, 10, 20}}));
  EXPECT_EQ(ccDrawRectOutlinePrecise(10.0f, 20.0f, 4.0f, 3.0f), 0);
  EXPECT_EQ(drawn(),
            (Lines{{10, 20, 14, 20}, {14, 20, 14, 23}, {14, 23, 10, 23}, {10, 23, 10, 20}}));
}

}  // namespace
