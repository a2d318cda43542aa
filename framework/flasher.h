// TFlasher: an on/off blink timer counted in frames, optionally limited to
// a total length.
#pragma once

#include "platform/object.h"

class TFlasher : public Object {
 public:
  // Starts on, with a full on phase. A total length of 0 blinks for ever.
  static Ref<TFlasher> Create(Int totalLength, Int onLength, Int offLength);

  // One frame. A phase turns when its counter drops below 0, so an on phase
  // spans onLength + 1 calls (the first after Create or SetToOn: onLength)
  // and an off phase offLength + 1. Returns 1 on the call that uses up the
  // total length (the blink stands still on that call), else 0; blinking
  // goes on afterwards.
  Int Logic();
  // A full off (on) phase starts now; the total length is not touched.
  Int SetToOff();
  Int SetToOn();

  Int state = 1;  // 1 on, 0 off
  Float animCounter = 0.0f;
  Float flashCounter = 0.0f;
  Int onLength = 0;
  Int offLength = 0;
};
