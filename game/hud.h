// THUD: the play screen's heads-up display: translucent bars at the top and
// bottom of the screen, the Zumbel, Level, Lives and Score rows in the top
// bar and the timer bar with the seconds left in the bottom one. Everything
// is drawn in screen pixels, untouched by the camera. The current display is
// the global `HUD`.
#pragma once

#include "framework/label.h"
#include "framework/stat_label.h"

class THUD : public Object {
 public:
  static constexpr Int TOP_BAR_HEIGHT = 50;
  static constexpr Int BOTTOM_BAR_HEIGHT = 50;

  // A new display, set up by Init. Needs the globals player, profile,
  // level, renderer and game; mainFont may be Null (the current font).
  static Ref<THUD> Create();

  // Builds the four rows and the seconds label, then UpdateAll; on a level
  // of 10 seconds or less that already sounds the countdown tick.
  Int Init();
  // The bars, the Zumbel, Level, Lives and Score rows, then the timer bar.
  Int Draw();
  // The two black bars at alpha 0.7; leaves white at alpha 1.0.
  Int DrawBars();
  // The timer bar filled in proportion to the level's time left, its white
  // frame, then UpdateTime and the seconds. Leaves white at alpha 1.0.
  Int DrawTimerBar();
  // collected + "/" + goal of the player.
  Int UpdateGoal();
  // The profile's lives.
  Int UpdateLives();
  // The profile's score, shown with at least five digits.
  Int UpdateScore();
  // The whole seconds left (rounded up), red at 10 or less, white above.
  // At 10 or less a value other than the last one ticked plays the player's
  // blip and becomes lastSeconds.
  Int UpdateTime();
  // UpdateGoal, UpdateLives, UpdateScore, UpdateTime.
  Int UpdateAll();

  Ref<TStatLabel> goalLabel;
  Ref<TStatLabel> levelLabel;
  Ref<TStatLabel> livesLabel;
  Ref<TStatLabel> scoreLabel;
  Ref<TLabel> timeLabel;
  Int lastSeconds = 999;
};

// The display of the current level; Null until the first play screen.
extern Ref<THUD> HUD;
