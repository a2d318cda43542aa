// Image copying and pixel work on the platform's pixmaps: whole-image and
// rectangle copies, alpha blending of a frame onto a pixmap, drawing part of
// an image, and the packing of 32-bit ARGB pixel values.
#pragma once

#include "platform/image.h"

// A new image with the source's size, flags, handle and mask colour and deep
// copies of all its frames' pixels. Write-locks every source frame, so the
// source's video copies are dropped. Null for a Null source.
Ref<TImage> ccCopyImage(const Ref<TImage>& source);

// Both rectangle copies take the w x h rectangle at (sx, sy) of the source's
// frame 0 to (dx, dy) of the destination's frame 0, clipped at the right and
// bottom edges of both. Nothing is copied when a start position is negative
// or at/beyond its frame's right or bottom edge, when the clipped size is not
// positive, or when either image is Null. Both frames are write-locked (their
// video copies dropped) whenever both images exist. Return 0.

// Copies rows of raw 4-byte pixels (no conversion).
Int ccCopyImageRect(const Ref<TImage>& source, Int sx, Int sy, Int w, Int h,
                    const Ref<TImage>& dest, Int dx, Int dy);
// Copies pixel by pixel; mode 0 plain, 1 mirrored left to right, 2 flipped
// top to bottom, 3 both; any other mode copies nothing.
Int ccCopyImageToImage(const Ref<TImage>& source, Int sx, Int sy, Int w, Int h,
                       const Ref<TImage>& dest, Int dx, Int dy, Int mode);

// Blends a frame of the image onto dest with its top-left at (x, y): the
// frame's alpha is scaled by alpha and its colour by light; an opaque source
// pixel replaces the destination pixel. Pixels that fall outside dest, that
// have no source alpha, or whose combined alpha is not positive are left
// alone; a frame the image lacks draws nothing. A Null image is a run-time
// error "image doesnt exist". Returns 0.
Int ccDrawOnPixmap(const Ref<TImage>& image, Int frame, const Ref<TPixmap>& dest, Int x, Int y,
                   Float alpha, Float light);

// Draws the part of frame 0 inside the rectangle (rx, ry, rw, rh) as a new
// image at (x, y) under the current drawing state; nothing when the
// rectangle misses the frame. Drops frame 0's video copy. Returns 0.
Int ccDrawImageRect(const Ref<TImage>& image, Int x, Int y, Int rx, Int ry, Int rw, Int rh);

// Draws the w x h area at (sx, sy) of a frame at its own size at (x, y),
// placed by the image's handle, under the current drawing state. Returns 0.
Int ccDrawImageArea(const Ref<TImage>& image, Float x, Float y, Float sx, Float sy, Float w,
                    Float h, Int frame);

// The channels of an ARGB pixel, each 0-255.
Int ARGB_Alpha(Int pixel);
Int ARGB_Red(Int pixel);
Int ARGB_Green(Int pixel);
Int ARGB_Blue(Int pixel);
// a * 2^24 + r * 2^16 + g * 2^8 + b, wrapping in 32 bits: components are
// added, not masked, so one above 255 spills into the next channel.
Int ARGB_Color(Int a, Int r, Int g, Int b);
