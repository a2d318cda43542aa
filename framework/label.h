// TLabel, a positioned piece of text with alignment, scale, optional image
// font, colour and drop shadow, drawn under the renderer's camera or in
// screen pixels; and TTextFormat, which turns a label's raw text into the
// text it shows.
#pragma once

#include "platform/font.h"
#include "platform/string.h"

class TColor;
class TShadow;

class TTextFormat : public Object {
 public:
  static constexpr Int FORMAT_MODE_STRING = 0;
  static constexpr Int FORMAT_MODE_ZERO_PADDED_INT = 100;

  // FORMAT_MODE_STRING: s itself; FORMAT_MODE_ZERO_PADDED_INT: s with "0"
  // put in front up to formatModeParam characters, never cut; any other
  // mode: "".
  String MakeFormattedString(const String& s) const;
  // Stores the mode and its parameter; reformats nothing.
  Int SetFormatMode(Int mode, Int param);

  Int formatMode = FORMAT_MODE_STRING;
  Int formatModeParam = 0;
};

class TLabel : public Object {
 public:
  // Where the anchor (x + offsetX, y + offsetY) lies on the text.
  static constexpr Int ALIGN_LEFT = 0;          // left edge, top
  static constexpr Int ALIGN_RIGHT = 1;         // right edge, top
  static constexpr Int ALIGN_CENTRE_ALL = 2;    // centre, middle
  static constexpr Int ALIGN_CENTRE_HORIZ = 3;  // centre, top
  static constexpr Int ALIGN_CENTRE_VERT = 4;   // left edge, middle

  // A left-aligned label under the camera, without colour or shadow, whose
  // raw text is shown unformatted. font may be Null (the current font).
  static Ref<TLabel> Create(const String& text, Float x, Float y, const Ref<TImageFont>& font,
                            Float scaleX, Float scaleY);

  // Aligns in the label's own space (unknown alignments draw left), then
  // draws the shadow pass (black at the shadow's alpha, offset in the
  // label's own space) and the text pass (in the label's colour, or the
  // current one). Leaves drawing scale (1, 1), white at alpha 1.0 where a
  // colour or shadow was applied, and the default font where imageFont was
  // selected.
  virtual Int Draw();
  // The text's height (width) in the label's font: under the camera and
  // with ignore 0 on the screen (the game scale included), otherwise in the
  // label's own space. With an imageFont, the default font is current after.
  Float GetHeight(Int ignore);
  Float GetWidth(Int ignore);
  // GetWidth(ignore) as if the shown text were candidate (unformatted);
  // the shown text is unchanged afterwards.
  Float GetPotentialWidth(const String& candidate, Int ignore);
  // A new colour object; a colour object shared with others is left alone.
  Int SetColor(Int r, Int g, Int b, Float alpha);
  // Sets the text format's mode, then reformats textRaw.
  Int SetFormatMode(Int mode, Int param);
  // A new shadow object of offset (x, y) and alpha.
  Int SetShadow(Float x, Float y, Float alpha);
  // Shows s through the text format; textRaw is not changed.
  Int SetText(const String& s);
  // textRaw = s, then shows it through the text format.
  Int SetTextRaw(const String& s);
  // Shows textRaw through the text format.
  Int UpdateText();

  Int alignment = ALIGN_LEFT;
  Ref<TColor> color;
  Ref<TImageFont> imageFont;
  Float fontSize = 10.0f;
  Float offsetX = 0.0f;
  Float offsetY = 0.0f;
  Float scaleX = 1.0f;
  Float scaleY = 1.0f;
  Ref<TShadow> shadow;
  String text;
  Ref<TTextFormat> textFormat;
  String textRaw;
  Int useRendererCamera = 1;
  Float x = 0.0f;
  Float y = 0.0f;

 protected:
  // The set-up shared by the creation functions: textRaw = raw, a new text
  // format (FORMAT_MODE_STRING), UpdateText, then position, font and scale.
  Int SetUp(const String& raw, Float x, Float y, const Ref<TImageFont>& font, Float scaleX,
            Float scaleY);

 private:
  // The four text operations need a text format (a label made by Create):
  // without one it is a programming error, asserted in debug builds.
  bool HasTextFormat() const;
  // TextWidth or TextHeight of the shown text in the label's font, times the
  // game scale (camera on and ignore 0) and the label's own scale.
  Float Measure(Int (*measure)(const String&), Float gameScale, Float ownScale, Int ignore);
  // The top-left of the text in the label's own space.
  void AlignedPosition(Float& xx, Float& yy);
  // One DrawText of the shown text at (xx, yy) in the label's own space.
  void DrawPass(Float xx, Float yy) const;
};
