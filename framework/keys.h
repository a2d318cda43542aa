// The Control modifier of the global keys (Control+D, Control+F, Control+X).
#pragma once

#include "platform/input.h"

// True while either Control key is held; the right key is asked only when
// the left one is not held.
inline bool ControlKeyDown() { return KeyDown(KEY_LCONTROL) || KeyDown(KEY_RCONTROL); }
