// The display: one window showing a fixed 1024 x 768 canvas, windowed or
// full screen, and the display-mode listing.
#pragma once

#include "platform/object.h"

constexpr Int CANVAS_WIDTH = 1024;
constexpr Int CANVAS_HEIGHT = 768;

// Opens the display: a window when depth is 0, full screen otherwise. A new
// window appears with the first Flip, already in its mode; a window that
// leaves full screen is centred. Pending key and mouse hits are discarded;
// images and fonts stay usable. Returns 1. A display that cannot be opened is
// a fatal error.
Int Graphics(Int width, Int height, Int depth = 0, Int hertz = 60, Int flags = 0);
// Closes the open display; nothing when none is open. Discards pending hits.
void EndGraphics();
// Shows the drawn frame (at the vertical blank when sync is 1).
void Flip(Int sync = 1);

Int CountGraphicsModes();
void GetGraphicsMode(Int index, Int& width, Int& height, Int& depth, Int& hertz);

// Display state, for the game's renderer and for tests.
bool GraphicsOpen();
Int GraphicsWidth();
Int GraphicsHeight();
Int GraphicsDepth();
