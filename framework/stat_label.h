// TStatLabel: a row of a fixed caption label and a value label beside it,
// whose text the owner replaces as the game goes on.
#pragma once

#include "framework/label.h"

class TStatLabel : public Object {
 public:
  // Caption and value labels at the same point, font and scale; the value
  // shows its text unformatted. The value moves beside the caption only
  // through AlignAsRow.
  static Ref<TStatLabel> Create(const String& description, const String& value, Float x, Float y,
                                const Ref<TImageFont>& font, Float scaleX, Float scaleY);

  // gapX = gap; the value's x = the caption's x + its GetWidth(0) +
  // GetGapX(). The value's y stays.
  Int AlignAsRow(Int gap);
  // The caption, then the value.
  Int Draw();
  // gapX scaled like the caption's width on the screen: by the caption's
  // scaleX, and by the game scale when the caption is under the camera.
  Float GetGapX();
  // A new colour (shadow) object for each of the two labels.
  Int SetColor(Int r, Int g, Int b, Float alpha);
  Int SetShadow(Float x, Float y, Float alpha);
  Int SetUseRendererCamera(Int flag);
  // The value's raw text, shown through its text format; positions stay.
  Int UpdateStat(const String& text);

  Ref<TLabel> description;
  Float gapX = 10.0f;
  Ref<TLabel> stat;

 private:
  // Every operation needs both labels (a row made by Create): without them
  // it is a programming error, asserted in debug builds.
  bool HasLabels() const;
};
