// The blink timer.
#include "framework/flasher.h"

Ref<TFlasher> TFlasher::Create(Int totalLength, Int onLength, Int offLength) {
  auto flasher = New<TFlasher>();
  flasher->animCounter = static_cast<Float>(totalLength);
  flasher->onLength = onLength;
  flasher->offLength = offLength;
  flasher->flashCounter = static_cast<Float>(onLength);
  return flasher;
}

Int TFlasher::Logic() {
  if (animCounter > 0.0f) {
    animCounter -= 1.0f;
    if (animCounter <= 0.0f) {
      animCounter = 0.0f;
      return 1;
    }
  }
  flashCounter -= 1.0f;
  if (flashCounter < 0.0f) {
    if (state == 0) {
      SetToOn();
    } else {
      SetToOff();
    }
  }
  return 0;
}

Int TFlasher::SetToOff() {
  flashCounter = static_cast<Float>(offLength);
  state = 0;
  return 0;
}

Int TFlasher::SetToOn() {
  flashCounter = static_cast<Float>(onLength);
  state = 1;
  return 0;
}
