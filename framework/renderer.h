// TRenderer: the display mode (full screen or window, always 1024 x 768),
// the game camera (scale and scroll) and text output with an optional font,
// colour and drop shadow. Its one instance is the global `renderer`.
#pragma once

#include "framework/color.h"
#include "platform/font.h"

class TRenderer : public Object {
 public:
  Int bitDepth = 0;  // 0 window, 32 full screen
  Int fullScreen = 0;
  Float scaleX = 1.0f;
  Float scaleY = 1.0f;
  Int screenWidth = 1024;
  Int screenHeight = 768;
  Float scrollX = 0.0f;
  Float scrollY = 0.0f;

  // Sets the scroll so that the world point (x, y) keeps its screen position
  // under the current zoom. Both offsets use scaleX.
  Int CentreOnCoords(Float x, Float y);
  // Closes any open display and opens screenWidth x screenHeight at
  // bitDepth, 60 Hz. Pending key and mouse hits are discarded.
  Int CreateScreen();
  // Width of the text in the font (Null: the current font) times scaleX
  // times scale. Selects the font while measuring and Null afterwards; with
  // a Null font the font selection is left alone.
  Float GetTextWidth(const String& text, const Ref<TImageFont>& font, Float scale);
  // Draws the text with its top-left at screen pixel (x, y): the shadow pass
  // first when a shadow is given, then the text in the colour when one is
  // given. With a font the drawing scale is (sx, sy) under the game scale,
  // and afterwards the font is Null and the scale (1, 1); without a font sx
  // and sy are ignored and font and scale stay as they were. Leaves white at
  // alpha 1.0 when a colour or shadow was given.
  Int OutputText(const String& text, Float x, Float y, const Ref<TImageFont>& font, Float sx,
                 Float sy, const Ref<TColor>& color, const Ref<TShadow>& shadow);
  // OutputText at x = (screenWidth - width) / 2, not rounded.
  Int OutputTextCentered(const String& text, Float y, const Ref<TImageFont>& font, Float sx,
                         Float sy, const Ref<TColor>& color, const Ref<TShadow>& shadow);
  // A random x (y) from 0 to screenWidth (screenHeight) - size inclusive; the
  // difference wraps around in 32 bits.
  Int GetRandX(Int size);
  Int GetRandY(Int size);
  // World to screen: scroll + coordinate x scale.
  Float GetX(Float x) const;
  Float GetY(Float y) const;
  // Control+F toggles full screen. Flushes no keys.
  Int Logic();
  Int ResetScale();
  Int ResetScrolling();
  // Drawing scale (1, 1); the game scale is untouched.
  Int RestoreScale();
  Int SetGameScale(Float sx, Float sy);
  // Drawing scale (sx x scaleX, sy x scaleY).
  Int TempScale(Float sx, Float sy);
  Int ToggleFullScreen();
  // fullScreen = on, bitDepth 32 or 0, then CreateScreen.
  Int SetFullScreen(Int on);
};

extern Ref<TRenderer> renderer;
