// MilliSecs, Delay and frame timers, all on the platform clock (virtual when
// headless, so tests advance time without sleeping).
#include "platform/timing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/detail.h"

namespace {

// Whole ticks of the timer since it was made, capped at 2^53 so that a
// timer of absurd rate converts without overflow.
Long TicksElapsed(const TTimer& timer) {
  const Double ticks = std::floor((platform::detail::NowMs() - timer.startMs) / timer.periodMs);
  return static_cast<Long>(std::min(ticks, 0x1p53));
}

}  // namespace

Int MilliSecs() {
  const auto ms = static_cast<Long>(platform::detail::NowMs());
  return static_cast<Int>(static_cast<std::uint32_t>(ms));
}

void Delay(Int ms) {
  if (ms > 0) platform::detail::SleepMs(ms);
}

Ref<TTimer> CreateTimer(Float hertz) {
  if (!(hertz > 0) || std::isinf(hertz)) return nullptr;
  auto timer = New<TTimer>();
  timer->startMs = platform::detail::NowMs();
  timer->periodMs = 1000.0 / hertz;
  return timer;
}

Int WaitTimer(const Ref<TTimer>& timer) {
  if (!timer) return 0;
  const Long elapsed = TicksElapsed(*timer);
  if (elapsed > timer->ticksSeen) {
    const Long missed = elapsed - timer->ticksSeen;
    timer->ticksSeen = elapsed;
    return ToInt(static_cast<Double>(missed));
  }
  const Double due = timer->startMs + static_cast<Double>(timer->ticksSeen + 1) * timer->periodMs;
  platform::detail::SleepMs(due - platform::detail::NowMs());
  ++timer->ticksSeen;
  return 1;
}
