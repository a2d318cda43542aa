// TZumbel: the collectable item, a plain sprite placed by the level, with the
// points and the time boost it is worth when the player drinks it.
#pragma once

#include "framework/sprite.h"

class TZumbel : public TSprite {
 public:
  // Points a drunk zumbel adds to the profile's score.
  static constexpr Int SCORE = 10;
  // Frames a drunk zumbel adds to the level's time; 0 until InitGlobals.
  static inline Int timeBoost = 0;

  // A new zumbel with the "zumbel" image, a shadow (1.5, 1.5, 0.5) and the
  // hit box (16, 6, 52, 52), at the sprite's default position. Needs the
  // global imageBank; a missing image is fatal.
  static Ref<TZumbel> CreateZumbel();
  // timeBoost = one second in frames at the global game's frame rate.
  static Int InitGlobals();
};
