// The player's timed sequences. Stand-in until the animations are built:
// a life lost moves the player to the level's centre; the death and success
// animations do not run, so the counters stay 0 and the level goes on.
#include "game/player.h"
#include "game/profile.h"

Int TPlayer::DeathAnimManage() { return 0; }

Int TPlayer::DeathAnimEnd() { return 0; }

Int TPlayer::DeathAnimStart(Int /*frames*/) {
  ResetVariablesOnDeath();
  return 0;
}

Int TPlayer::LevelStart() { return 0; }

Int TPlayer::SuccessAnimManage() { return 0; }

Int TPlayer::SuccessAnimEnd() { return 0; }

Int TPlayer::SuccessAnimStart() { return 0; }

Int TPlayer::TimeUp() {
  profile->UpdateLives(-1);
  DeathAnimStart(80);
  return 0;
}
