// Small free functions shared by the framework and the game: rounding,
// rectangle overlap and outlines, zero padding, power-of-two sizes, folder
// slashes and the any-mouse-button hit test.
#pragma once

#include "platform/string.h"

// The floor of x + 0.5 (halves go up: -2.5 gives -2); saturates at the Int
// range, NaN gives 0.
Int ccRound(Float x);
// 1 when the two rectangles (left, top, width, height) overlap; rectangles
// that only share an edge do not. Sizes are used as given.
Int ccRectsOverlap(Int x1, Int y1, Int w1, Int h1, Int x2, Int y2, Int w2, Int h2);
// "0" put in front of text until it is at least length long; never cut.
String ccPadWithZeros(const String& text, Int length);
// The smallest power of two not below n, at least 1; 1073741824 for any n
// above it.
Int ccPow2Size(Int n);
// The path with "/" appended unless it ends in "/" or "\"; "" gives "/".
String ccAddSlash(const String& path);
// 1 when mouse button 1, 2 or 3 has a pending press. Consumes the pending
// presses of the first button found with any and leaves later buttons' alone.
Int ccMouseHit();
// The border pixels of the w x h rectangle whose top-left pixel is (x, y):
// four lines clockwise from the top-left, each without its end point, in the
// current drawing state. Returns 0.
Int ccDrawRectOutline(Int x, Int y, Int w, Int h);
// The same four lines with corners at x, x + w and y, y + h. Returns 0.
Int ccDrawRectOutlinePrecise(Float x, Float y, Float w, Float h);
