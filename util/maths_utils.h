// Rounding to decimal places, plane geometry, musical pitch ratios and a
// fast random generator separate from the platform's Rand.
#pragma once

#include "platform/object.h"

// x rounded to places decimals (places clamped to 0..9), halves away from
// zero; the scaling and the half are added in Float, so x is taken as the
// Float it is: (1.005, 2) gives 1.01.
Double ccRoundFloat(Float x, Int places);

Double ccPointToPointDist(Double x1, Double y1, Double x2, Double y2);
// Half the width of a circle of radius r at height y from its centre; NaN
// for |y| > |r|.
Double ccCircleHalfWidthAtY(Float r, Float y);
// 1 when the segment from (x1, y1) to (x2, y2) passes closer than r to
// (cx, cy); touching does not count. A segment of length 0 is its point.
Int ccCircleLineIntersect2(Double x1, Double y1, Double x2, Double y2, Double cx, Double cy,
                           Double r);

// The frequency ratio of that many equal-tempered semitones: 2^(n/12).
Double ccGetMusicalNote(Int semitones);
// The ratio of a degree of the C major scale above its first note: degrees
// 0-14 are two octaves, each degree above 14 adds a semitone, and degrees
// below 0 are that many semitones.
Double ccGetMusicalNoteInScaleC(Int degree);

// A whole number between the bounds, both included, in either order, from
// the C library's rand, which ccFastRandSeed seeds (srand). Neither touches
// the platform's Rand/SeedRnd generator. ccFastRandSeed returns 0.
Int ccFastRand(Int min, Int max);
Int ccFastRandSeed(Int seed);
