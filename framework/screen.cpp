// The base screen draws nothing and has no logic.
#include "framework/screen.h"

Int TScreen::Draw() { return 0; }

Int TScreen::Init() { return 0; }

Int TScreen::Logic() { return 0; }
