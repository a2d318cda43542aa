// TTitleScreen: the title picture, the spoken title and the prompts; starts
// a new game, opens the credits or ends the program.
#pragma once

#include <array>

#include "framework/screen.h"
#include "game/screen_text.h"
#include "platform/audio.h"
#include "platform/image.h"

class TTitleScreen : public TScreen {
 public:
  // The title picture at (0, 0), then the three prompts.
  Int Draw() override;
  // Clear colour 80, 30, 0; loads the picture (not into the image bank), the
  // select sound and the spoken title, and starts the spoken title. Missing
  // files are not reported.
  Int Init() override;
  // Escape ends the program. Space cuts the spoken title, plays the select
  // sound, starts a fresh profile and changes to a new play screen; C cuts
  // the spoken title, plays the select sound and changes to the credits
  // screen, leaving the profile as it is. Space wins over C in one frame,
  // since the change of screen flushes the keys.
  Int Logic() override;
  // A new title screen named "Title", initialised.
  static Ref<TTitleScreen> Create();
  // Replaces the global profile with a fresh one: level 1, 3 lives, score 0.
  Int StartGame();

  Ref<TSound> speechSound;
  Ref<TChannel> speechChannel;
  Ref<TSound> selectSound;
  Ref<TChannel> selectChannel;
  Ref<TImage> titleImage;

 private:
  // Cuts the spoken title and plays the select sound, which goes on over
  // the next screen.
  void Select();

  std::array<CentredLine, 3> prompts_;
};
