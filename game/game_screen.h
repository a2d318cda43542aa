// TGameScreen: the play screen. Its class-wide particle list is the game's
// one particle list, which the player fills and the play screen advances
// and draws.
#pragma once

#include "framework/particle.h"
#include "framework/screen.h"

class TGameScreen : public TScreen {
 public:
  // Replaced by a new, empty list at the start of every level.
  static inline Ref<TParticleList> particleList;
};
