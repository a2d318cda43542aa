// TIntroScreen: the splash screen shown when the program starts, the maker's
// logo fading in and out over three seconds with the splash sound, then the
// title screen.
#pragma once

#include "framework/screen.h"
#include "platform/audio.h"
#include "platform/image.h"

class TIntroScreen : public TScreen {
 public:
  // LENGTH from the game's frame rate: Int(3.0 x frameRate).
  TIntroScreen();

  // The logo at (0, 0) at its own size: fading in while counter < frameRate,
  // fading out once counter > LENGTH - frameRate, opaque between. Leaves
  // alpha 1.0.
  Int Draw() override;
  // Black clear colour; loads the logo (not into the image bank) and the
  // splash sound, and starts the sound. Missing files are not reported.
  Int Init() override;
  // Escape ends the program; Space or Enter skips to the title screen;
  // otherwise the counter advances and the title follows after LENGTH frames.
  Int Logic() override;
  // A new splash screen named "Intro", initialised.
  static Ref<TIntroScreen> Create();
  // Stops the splash sound and changes to a new title screen.
  Int NextScreen();

  Int LENGTH = 0;   // frames the splash screen lasts
  Int counter = 0;  // frames of logic run so far
  Ref<TSound> introSound;
  Ref<TChannel> introChannel;
  Ref<TImage> splash;
};
