// The run's profile and its global.
#include "game/profile.h"

Ref<TProfile> profile;

Ref<TProfile> TProfile::Create() { return New<TProfile>(); }

Int TProfile::UpdateLives(Int change) {
  lives = WrapAdd(lives, change);
  if (lives < 0) lives = 0;
  return 0;
}

Int TProfile::UpdateScore(Int change) {
  score = WrapAdd(score, change);
  return 0;
}
