// The text of the title, credits and result screens: centred lines in the
// main font with a black drop shadow at alpha 0.5 (offset 3, 3 under
// headings, 2, 2 under every other line), and the parts the level-complete
// and game-over screens share.
#pragma once

#include "framework/color.h"
#include "framework/label_column.h"
#include "platform/string.h"

// One line centred across the screen, fixed when its screen is made.
struct CentredLine {
  String text;
  Float y = 0.0f;
  Float scaleX = 1.0f;
  Float scaleY = 1.0f;
  Ref<TColor> color;
  Ref<TShadow> shadow;

  // renderer->OutputTextCentered in mainFont: leaves white at alpha 1.0,
  // drawing scale (1, 1) and the default font.
  void Draw() const;
};

Ref<TShadow> HeadingShadow();
Ref<TShadow> TextShadow();

// A result screen's heading at screenHeight / 2 - 300, scale 1.0, 1.5.
CentredLine ResultHeading(const String& text, const Ref<TColor>& color);
// "Press <Space> to Continue" at y 700, scale 0.5, 0.8, yellow.
CentredLine ContinuePrompt();
// Empty columns of a result screen starting at (x, 300), 60 apart, in
// mainFont at scale 0.5, 0.8: captions in cyan, values in white.
Ref<TLabelColumn> CaptionColumn(Float x);
Ref<TLabelColumn> ValueColumn(Float x);
// The profile's score with at least five digits.
String ScoreText();
