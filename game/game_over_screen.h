// TGameOverScreen: after the last life is lost, the final score and level;
// any key or mouse button returns to the title screen.
#pragma once

#include "framework/label_column.h"
#include "framework/screen.h"
#include "game/screen_text.h"
#include "platform/audio.h"

class TGameOverScreen : public TScreen {
 public:
  // The heading, the caption and value columns, and the prompt.
  Int Draw() override;
  // Dark red clear colour; loads the select and game-over sounds, starts the
  // game-over sound, and builds the columns from the profile.
  Int Init() override;
  // Escape; then Space, or else Enter, or else mouse button 1 to 3: Close,
  // at most once a frame.
  Int Logic() override;
  // A new game-over screen named "Game Over", initialised. Reads the global
  // profile.
  static Ref<TGameOverScreen> Create();
  // Cuts the game-over sound, plays the select sound and changes to a new
  // title screen. The profile is left as it is.
  Int Close();

  Ref<TSound> gameOverSound;
  Ref<TChannel> gameOverChannel;
  Ref<TSound> selectSound;
  Ref<TChannel> selectChannel;
  Ref<TLabelColumn> statColumn;
  Ref<TLabelColumn> numColumn;

 private:
  CentredLine heading_;
  CentredLine prompt_;
};
