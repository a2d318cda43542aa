// The millisecond clock, sleeping and frame timers. Headless runs swap the
// real clock for a virtual one that only sleeping (and the test clock hook)
// advances.
#pragma once

#include "platform/object.h"

// Milliseconds of the system's monotonic clock since boot, so that no two
// launches read the same value at start-up; headless, of the virtual clock
// since Init. Wraps as an Int.
Int MilliSecs();
// Sleeps that many milliseconds; nothing for ms <= 0.
void Delay(Int ms);

class TTimer : public Object {
 public:
  Double startMs = 0;
  Double periodMs = 0;
  Long ticksSeen = 0;
};

// A timer that ticks hertz times a second from now on; Null unless hertz is
// finite and > 0.
Ref<TTimer> CreateTimer(Float hertz);
// Returns once at least one tick has passed since the previous wait (for the
// first, since creation); returns the ticks that passed, without making up
// missed ones. A Null timer returns 0 at once.
Int WaitTimer(const Ref<TTimer>& timer);
