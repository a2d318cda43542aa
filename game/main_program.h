// The main program: the program-wide globals it owns, start-up, one pass of
// the frame loop, loading of the shared data and the way out. The `quorvane`
// executable, the tests and the scenario runner all run these same calls.
#pragma once

#include <optional>

#include "platform/font.h"

// The game's one image font ("mael.ttf" at 64 pixels); set by LoadData.
extern Ref<TImageFont> mainFont;

struct StartOptions {
  // Dummy display, virtual clock, silent sound (tests and the scenario runner).
  bool headless = false;
  // Make the executable's folder the working folder, where Data/ lives.
  bool changeDir = true;
  // Seeds the random generator instead of the millisecond clock.
  std::optional<Int> seed;
};

// Start-up: the platform, then the globals game, renderer and imageBank, the
// zumbel timing, the frame timer, the random seed, the game's name and title,
// the full-screen display, the shared data and the first screen.
void StartUp(const StartOptions& options);
// One pass of the frame loop: the Control+X exit test, the game's logic,
// drawing, the frame timer, Flip and a 1 ms sleep. Ends the program through
// Finish when Control+X was pressed or the logic asks to end.
void RunPass();
// Loads the main font and the seven shared images. An image that does not
// load is fatal. Returns 0.
Int LoadData();
// Ends the program with exit status 0; nothing is saved.
[[noreturn]] void Finish();
