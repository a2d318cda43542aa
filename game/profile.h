// TProfile: the progress of the current run (level, lives, score), held in
// the global `profile` from the start of a game until the next one.
#pragma once

#include "platform/object.h"

class TProfile : public Object {
 public:
  // A fresh run: level 1, 3 lives, score 0.
  static Ref<TProfile> Create();
  // lives += change, then never below 0.
  Int UpdateLives(Int change);
  // score += change, without limit.
  Int UpdateScore(Int change);

  Int level = 1;
  Int lives = 3;
  Int score = 0;
};

// The current run; Null until the first game starts.
extern Ref<TProfile> profile;
