// TCreditsScreen: who made the game; Space or Escape goes back to the title
// screen.
#pragma once

#include <vector>

#include "framework/screen.h"
#include "game/screen_text.h"
#include "platform/audio.h"

class TCreditsScreen : public TScreen {
 public:
  // The game's name, four role and name pairs, and the prompt.
  Int Draw() override;
  // Black clear colour; loads the select sound. Plays nothing.
  Int Init() override;
  // Space, or else Escape: plays the select sound and changes to a new title
  // screen.
  Int Logic() override;
  // A new credits screen named "Credits", initialised.
  static Ref<TCreditsScreen> Create();

  Ref<TSound> selectSound;
  Ref<TChannel> selectChannel;

 private:
  std::vector<CentredLine> lines_;
};
