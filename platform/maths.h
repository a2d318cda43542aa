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

// The generator is SplitMix64 (Steele, Lea and Flood): each draw adds
// 0x9E3779B97F4A7C15 to the 64-bit state and mixes the sum. SeedRnd sets the
// state to the seed sign-extended to 64 bits, so the same seed repeats the
// same sequence; before any SeedRnd the state is 0. Every Rand and Rnd call
// takes exactly one draw and uses its top 53 bits as u in [0, 1).
void SeedRnd(Int seed);
// A whole number from a to b, both included, in either order of the bounds:
// min + floor(u * (max - min + 1)), computed in 64 bits.
Int Rand(Int a, Int b);
// Rand(1, n).
Int Rand(Int n);
// A real from a up to, not including, b: a + (b - a) * u.
Double Rnd(Double a = 1.0, Double b = 0.0);
