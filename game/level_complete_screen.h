// TLevelCompleteScreen: after a level is won, the score, the time that was
// left and the bonus it earns; any key or mouse button goes on to the next
// level with the bonus added.
#pragma once

#include "framework/label_column.h"
#include "framework/screen.h"
#include "game/screen_text.h"
#include "platform/audio.h"

class TLevelCompleteScreen : public TScreen {
 public:
  // The heading with the number of the level just finished, the caption and
  // value columns, and the prompt.
  Int Draw() override;
  // Dark green clear colour; loads the select sound (plays nothing); builds
  // the columns from the profile's score and the finished level's time left.
  Int Init() override;
  // Escape; then Space, or else Enter, or else mouse button 1 to 3: Close.
  // Close runs at most once a frame, as its change of screen flushes the
  // hits.
  Int Logic() override;
  // A new level-complete screen named "Level Complete", initialised. Reads
  // the globals profile and level.
  static Ref<TLevelCompleteScreen> Create();
  // Raises the profile's level by 1, adds the time bonus to its score, plays
  // the select sound and changes to a new play screen.
  Int Close();
  // The finished level's time left in seconds: timeLeft x 16.666666 (a
  // single-precision constant) / 1000, worked out and returned in double
  // precision.
  Double GetSeconds();

  Ref<TSound> selectSound;
  Ref<TChannel> selectChannel;
  Ref<TLabelColumn> statColumn;
  Ref<TLabelColumn> numColumn;

 private:
  // 2 points for each whole second of GetSeconds.
  Int TimeBonus();

  CentredLine heading_;
  CentredLine prompt_;
};
