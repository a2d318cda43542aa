// Maths in degrees and the one seeded random generator behind Rand and Rnd.
#pragma once

#include "platform/object.h"

Double Sin(Double degrees);
Double Cos(Double degrees);
Double Floor(Double x);
Double Ceil(Double x);
Double Sqr(Double x);  // square root
Double Pow(Double x, Double y);
Double Sgn(Double x);  // -1, 0 or 1
Int Min(Int a, Int b);
Int Max(Int a, Int b);
Double Abs(Double x);

// The generator is SplitMix64; SeedRnd resets it so the sequence repeats.
// Every Rand and Rnd call takes exactly one 64-bit draw from it.
void SeedRnd(Int seed);
// A whole number from a to b, both included, in either order of the bounds.
Int Rand(Int a, Int b);
// Rand(1, n).
Int Rand(Int n);
// A real from a up to, not including, b.
Double Rnd(Double a = 1.0, Double b = 0.0);
