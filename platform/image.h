// TImage: one or more frames of pixels, each with a lazily made video copy
// for the open display, a drawing handle, flags and a mask colour.
#pragma once

#include <vector>

#include "platform/pixmap.h"
#include "platform/string.h"

// Image flags. -1 passed to a loader selects the default (filtered).
constexpr Int MASKEDIMAGE = 1;
constexpr Int FILTEREDIMAGE = 2;
constexpr Int DEFAULT_IMAGE_FLAGS = FILTEREDIMAGE;

// The video copy of one frame, made for one display generation.
class TImageFrame : public Object {
 public:
  ~TImageFrame() override;
  void* texture = nullptr;  // the renderer's texture; platform-internal
  Long generation = 0;
};

class TImage : public Object {
 public:
  Int width = 0;
  Int height = 0;
  Int flags = DEFAULT_IMAGE_FLAGS;
  Int mask_r = 0;
  Int mask_g = 0;
  Int mask_b = 0;
  Float handle_x = 0;
  Float handle_y = 0;
  std::vector<Ref<TPixmap>> pixmaps;     // one per frame; Null until made
  std::vector<Ref<TImageFrame>> frames;  // video copies; length = frame count
  String source;                         // path it was loaded from, if any

  // The video copy of a frame, made from its pixmap first when missing or
  // made for an earlier display; Null when it cannot be made.
  Ref<TImageFrame> Frame(Int index);
  // Replaces one frame's pixmap and drops its video copy. For a masked image
  // and a pixmap without alpha, pixels of the mask colour become transparent.
  void SetPixmap(Int index, const Ref<TPixmap>& pixmap);
};

// Each loader gives Null when the memory for the image runs out; this one also
// when no decoder accepts the file (missing, unreadable, unknown format).
Ref<TImage> LoadImage(const String& path, Int flags = -1);
Ref<TImage> LoadImage(const Ref<TPixmap>& pixmap, Int flags = -1);
// A strip of equal cells (left to right, then top to bottom) as frames;
// Null when the file holds fewer than firstCell + cellCount whole cells.
Ref<TImage> LoadAnimImage(const String& path, Int cellWidth, Int cellHeight, Int firstCell,
                          Int cellCount, Int flags = -1);
// A new image whose frames have no pixels until locked.
Ref<TImage> CreateImage(Int width, Int height, Int frameCount = 1, Int flags = -1);
Int ImageWidth(const Ref<TImage>& image);
Int ImageHeight(const Ref<TImage>& image);
// Handle at exactly half the width and height.
void MidHandleImage(const Ref<TImage>& image);
void SetImageHandle(const Ref<TImage>& image, Float x, Float y);
// Draws a frame with its handle at (x, y), scaled and rotated about the
// handle, under the current colour, alpha and blend. Null image or a frame
// out of range: nothing.
void DrawImage(const Ref<TImage>& image, Float x, Float y, Int frame = 0);
// Draws the sw x sh area at (sx, sy) of a frame stretched to w x h at (x, y),
// offset by the handle (hx, hy), under the current drawing state.
void DrawSubImageRect(const Ref<TImage>& image, Float x, Float y, Float w, Float h, Float sx,
                      Float sy, Float sw, Float sh, Float hx = 0, Float hy = 0, Int frame = 0);
// The pixmap of a frame (made empty when it has none). A write lock drops the
// frame's video copy.
Ref<TPixmap> LockImage(const Ref<TImage>& image, Int frame = 0, Int read = 1, Int write = 1);
void UnlockImage(const Ref<TImage>& image, Int frame = 0);
