// The millisecond clock, Delay and frame timers on the virtual clock.
#include "platform/timing.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <ctime>

#include "headless_start.h"
#include "platform/testing.h"

namespace {

using platform::test::AdvanceClock;
using platform::test::VirtualNow;

class TimingTest : public ::testing::Test {
 protected:
  void SetUp() override { platform_test::RestartHeadless(); }
};

TEST_F(TimingTest, MilliSecsAndDelay) {
  EXPECT_EQ(MilliSecs(), 0);
  Delay(5);
  Delay(-3);
  AdvanceClock(-10);
  EXPECT_EQ(VirtualNow(), 5.0);
  AdvanceClock(1495.7);
  EXPECT_EQ(MilliSecs(), 1500);         // truncated
  AdvanceClock(2147483648.0 - 1500.7);  // 2^31 ms
  EXPECT_EQ(MilliSecs(), INT_MIN);      // wraps
  AdvanceClock(2147483648.0 + 5.0);     // 2^32 + 5 ms
  EXPECT_EQ(MilliSecs(), 5);
}

// The real clock counts from boot, not from start-up: MilliSecs reads the
// system's monotonic clock (wrapped to 32 bits), so a launch seeds differently.
TEST_F(TimingTest, TheRealClockIsTheMonotonicClockSinceBoot) {
  const auto monotonicMs = [] {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::uint32_t(Long(now.tv_sec) * 1000 + now.tv_nsec / 1000000);
  };
  platform::test::UseVirtualClock(false);
  const std::uint32_t before = monotonicMs();
  const auto read = std::uint32_t(MilliSecs());
  const std::uint32_t after = monotonicMs();
  platform::test::UseVirtualClock(true);
  EXPECT_LE(read - before, after - before);  // before <= read <= after, modulo 2^32
  EXPECT_GT(before, 1000u);                  // not a clock that starts with the process
}

TEST_F(TimingTest, WaitTimerWaitsForTheNextTickAndDoesNotMakeUpMissedOnes) {
  AdvanceClock(7);
  const Ref<TTimer> timer = CreateTimer(50.0f);  // a tick every 20 ms from 7
  const struct {
    Double advanceFirst;
    Int ticks;
    Double nowAfter;
  } steps[] = {
      {0, 1, 27},    // sleeps to the first tick
      {0, 1, 47},    //
      {70, 3, 117},  // ticks at 67, 87 and 107 passed: reported at once, no sleep
      {0, 1, 127},   // the next tick, not a made-up one
      {19, 1, 147},  // part of a period passed: sleeps the rest
  };
  for (const auto& step : steps) {
    AdvanceClock(step.advanceFirst);
    EXPECT_EQ(WaitTimer(timer), step.ticks) << step.nowAfter;
    EXPECT_DOUBLE_EQ(VirtualNow(), step.nowAfter);
  }
  const Ref<TTimer> sixty = CreateTimer(60.0f);
  for (int frame = 1; frame <= 600; ++frame) ASSERT_EQ(WaitTimer(sixty), 1) << frame;
  EXPECT_NEAR(VirtualNow(), 147 + 10000.0, 1e-6);
}

TEST_F(TimingTest, TimersNeedAPositiveRate) {
  EXPECT_EQ(CreateTimer(0.0f), nullptr);
  EXPECT_EQ(CreateTimer(-60.0f), nullptr);
  EXPECT_EQ(WaitTimer(nullptr), 0);
  EXPECT_EQ(CreateTimer(HUGE_VALF), nullptr);
  EXPECT_EQ(VirtualNow(), 0.0);
}

TEST_F(TimingTest, AbsurdRatesSaturateInsteadOfOverflowing) {
  const Ref<TTimer> timer = CreateTimer(FLT_MAX);  // ~3e35 ticks per millisecond
  AdvanceClock(1);
  EXPECT_EQ(WaitTimer(timer), INT_MAX);
  EXPECT_EQ(WaitTimer(timer), 1);
  EXPECT_EQ(VirtualNow(), 1.0);
}

}  // namespace
