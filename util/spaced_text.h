// Text drawn glyph by glyph with extra space between the characters.
#pragma once

#include "platform/string.h"

// Draws the text in the current font as DrawText places it, but with the
// image of character i moved right by i * spacing screen pixels; the pen
// advance itself takes no extra space. Characters the font lacks are
// skipped (they still count in i); blank glyphs only move the pen. Each
// glyph is drawn through ccDrawImageArea, so the drawing origin counts twice
// and each glyph image is placed by its own handle. Reads the drawing state,
// changes none of it. Returns 0.
Int ccDrawTextSpaced(const String& text, Float x, Float y, Int spacing);
// The same with each glyph's x position rounded down to a whole pixel.
Int ccDrawTextSpacedRounded(const String& text, Float x, Float y, Int spacing);
