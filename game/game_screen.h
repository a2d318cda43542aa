// TGameScreen: the play screen. Its Init builds one level's objects in the
// shared globals (level, player, HUD) and in the class-wide particle list;
// its Logic advances them and its Draw draws them, the display on top. The
// screen itself holds no game state, and what it built outlives it.
#pragma once

#include "framework/particle.h"
#include "framework/screen.h"

class TGameScreen : public TScreen {
 public:
  // The level, the player, the particles, then the heads-up display.
  Int Draw() override;
  // Clear colour 150, 100, 50; a new level (created and generated), player,
  // display and empty particle list, in that order; the player's LevelStart;
  // the camera reset; the keys flushed. Needs the global profile.
  Int Init() override;
  // Escape resets the camera and changes to a new title screen, and nothing
  // else runs in that frame. Otherwise the level's, the player's and the
  // particles' logic, in that order; the player's may change the screen.
  Int Logic() override;
  // A new play screen: Init runs first, while the name is still empty, then
  // the name becomes "Game".
  static Ref<TGameScreen> Create();

  // The game's one particle list, shared by every play screen and replaced
  // by a new, empty list at the start of every level.
  static inline Ref<TParticleList> particleList;
};
