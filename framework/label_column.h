// TLabelColumn: labels stacked downwards at a fixed gap, all at one x, in
// one font and text scale, sharing the column's colour and shadow objects.
// The labels are the list's values, in the order added.
#pragma once

#include "framework/label.h"
#include "platform/list.h"

class TLabelColumn : public TList {
 public:
  // An empty column whose first label goes to (x, y). Any object may be
  // Null.
  static Ref<TLabelColumn> Create(Float x, Float y, Int gap, const Ref<TImageFont>& font,
                                  Float scaleX, Float scaleY, const Ref<TColor>& color,
                                  const Ref<TShadow>& shadow);

  // Appends a label of the text at (x, nextY) holding the column's colour
  // and shadow objects (when not Null), then moves nextY on by gap. nextY
  // never moves back, whatever leaves the list.
  Int AddLabel(const String& text);
  // Draws the labels in list order; values of other classes are skipped.
  Int Draw();
  // The setters change the labels now in the list only (other values are
  // skipped); the column's fields and labels added later are untouched.
  Int SetAlignment(Int alignment);
  // The same object for every label: changing it later recolours them all.
  Int SetColor(const Ref<TColor>& color);
  Int SetShadow(const Ref<TShadow>& shadow);
  // Each label's SetFormatMode: its raw text is shown anew.
  Int SetTextFormat(Int mode, Int param);
  Int SetRendererCamera(Int flag);

  Ref<TColor> color;
  Float nextY = 0.0f;
  Int gap = 0;
  Ref<TImageFont> imageFont;
  Float scaleX = 1.0f;
  Float scaleY = 1.0f;
  Ref<TShadow> shadow;
  Float x = 0.0f;
  Float y = 0.0f;
};
