// Keyboard and mouse, read by query. Every query first takes in the pending
// system events. Key codes are virtual-key numbers 0-255.
#pragma once

#include "platform/object.h"

constexpr Int KEY_BACKSPACE = 8;
constexpr Int KEY_TAB = 9;
constexpr Int KEY_ENTER = 13;
constexpr Int KEY_ESCAPE = 27;
constexpr Int KEY_SPACE = 32;
constexpr Int KEY_LEFT = 37;
constexpr Int KEY_UP = 38;
constexpr Int KEY_RIGHT = 39;
constexpr Int KEY_DOWN = 40;
constexpr Int KEY_0 = 48;    // digits 48-57
constexpr Int KEY_A = 65;    // letters 65-90, upper-case codes
constexpr Int KEY_F1 = 112;  // F1-F12: 112-123
constexpr Int KEY_LSHIFT = 160;
constexpr Int KEY_RSHIFT = 161;
constexpr Int KEY_LCONTROL = 162;
constexpr Int KEY_RCONTROL = 163;
constexpr Int KEY_LALT = 164;
constexpr Int KEY_RALT = 165;

// Presses of the key since it was last asked or flushed; asking clears it.
// Key repeats count nothing.
Int KeyHit(Int key);
// True from a press (made after the last flush) to its release.
Int KeyDown(Int key);
// Forgets key hits and typed characters and sets every key released until
// it is pressed again.
void FlushKeys();
// The next typed character code (text, 8 Backspace, 13 Enter, 27 Escape;
// repeats included) from a 256-entry queue, or 0.
Int GetChar();

// Buttons: 1 left, 2 right, 3 middle. Asking clears that button's count.
Int MouseHit(Int button);
Int MouseDown(Int button);
// Mouse position in canvas pixels.
Int MouseX();
Int MouseY();
void FlushMouse();

namespace platform {
// Takes in pending events; called by every query and by Flip.
void PollEvents();
// Forgets pending key and mouse hits only (display re-open).
void DiscardHits();
}  // namespace platform
