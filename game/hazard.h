// THazard: the spikes, a plain sprite placed by the level that costs the
// player a life when touched.
#pragma once

#include "framework/sprite.h"

class THazard : public TSprite {
 public:
  // A new hazard with the "spikes" image, a shadow (1.5, 1.5, 0.5) and the
  // hit box (7, 7, 50, 50), at the sprite's default position. Needs the
  // global imageBank; a missing image is fatal.
  static Ref<THazard> CreateHazard();
};
