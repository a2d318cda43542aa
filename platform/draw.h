// The global drawing state and the drawing operations that use it: clearing,
// text, filled rectangles and lines. Images draw through image.h.
#pragma once

#include "platform/font.h"

constexpr Int SOLIDBLEND = 1;
constexpr Int ALPHABLEND = 3;

// The current drawing state. The transform maps local (lx, ly) to
// (lx*ix + ly*iy, lx*jx + ly*jy); positive rotation turns clockwise on screen.
struct TDrawState {
  Int color_r = 255, color_g = 255, color_b = 255;
  Float alpha = 1;  // stored raw; clamped to 0..1 when drawing
  Float scale_x = 1, scale_y = 1;
  Float rotation = 0;  // degrees
  Int blend = ALPHABLEND;
  Float tform_ix = 1, tform_iy = 0, tform_jx = 0, tform_jy = 1;
  Float origin_x = 0, origin_y = 0;
  Float handle_x = 0, handle_y = 0;
  Int cls_r = 0, cls_g = 0, cls_b = 0;
  Ref<TImageFont> font;  // Null: the default font

  static const TDrawState& Current();
};

void SetClsColor(Int r, Int g, Int b);
void Cls();
void SetBlend(Int mode);
// Components outside 0..255 are stored as given and clamped when drawing.
void SetColor(Int r, Int g, Int b);
void SetAlpha(Float alpha);
void SetScale(Float x, Float y);
void SetRotation(Float degrees);
void SetOrigin(Float x, Float y);
void SetHandle(Float x, Float y);
// Null selects the default font.
void SetImageFont(const Ref<TImageFont>& font);
// The current font; the default font object while Null is selected.
Ref<TImageFont> GetImageFont();

void GetColor(Int& r, Int& g, Int& b);
Float GetAlpha();
void GetScale(Float& x, Float& y);
Float GetRotation();
Int GetBlend();

// Draws text with its top-left at (x, y) in the current font, colour, alpha,
// scale and rotation.
void DrawText(const String& text, Float x, Float y);
// The sum of the whole-pixel glyph advances, unscaled; 0 for "".
Int TextWidth(const String& text);
// The current font's height, whatever the text.
Int TextHeight(const String& text);
// Fills the rectangle covering pixels x..x+w-1, y..y+h-1 (nothing for w or h
// <= 0), under the current transform, colour and alpha.
void DrawRect(Float x, Float y, Float width, Float height);
// A one-pixel line; with lastPixel 0 the end point is left out.
void DrawLine(Float x, Float y, Float x2, Float y2, Int lastPixel = 1);
