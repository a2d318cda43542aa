// Labels and text formats: formatting, measuring, alignment and drawing.
#include "framework/label.h"

#include <cassert>

#include "framework/color.h"
#include "framework/renderer.h"
#include "platform/draw.h"
#include "util/utility.h"

String TTextFormat::MakeFormattedString(const String& s) const {
  switch (formatMode) {
    case FORMAT_MODE_STRING:
      return s;
    case FORMAT_MODE_ZERO_PADDED_INT:
      return ccPadWithZeros(s, formatModeParam);
    default:
      return "";
  }
}

Int TTextFormat::SetFormatMode(Int mode, Int param) {
  formatMode = mode;
  formatModeParam = param;
  return 0;
}

Ref<TLabel> TLabel::Create(const String& text, Float x, Float y, const Ref<TImageFont>& font,
                           Float scaleX, Float scaleY) {
  auto label = New<TLabel>();
  label->SetUp(text, x, y, font, scaleX, scaleY);
  return label;
}

Int TLabel::SetUp(const String& raw, Float x, Float y, const Ref<TImageFont>& font, Float scaleX,
                  Float scaleY) {
  textRaw = raw;
  textFormat = New<TTextFormat>();
  UpdateText();
  this->x = x;
  this->y = y;
  imageFont = font;
  this->scaleX = scaleX;
  this->scaleY = scaleY;
  return 0;
}

Int TLabel::Draw() {
  Float xx = 0.0f;
  Float yy = 0.0f;
  AlignedPosition(xx, yy);
  if (imageFont) SetImageFont(imageFont);
  if (shadow) {
    shadow->Apply();
    DrawPass(xx + shadow->X, yy + shadow->Y);
    shadow->Restore();
  }
  if (color) color->Apply();
  DrawPass(xx, yy);
  renderer->RestoreScale();
  if (color) color->Restore();
  if (imageFont) SetImageFont(nullptr);
  return 0;
}

void TLabel::AlignedPosition(Float& xx, Float& yy) {
  xx = x + offsetX;
  yy = y + offsetY;
  if (alignment < ALIGN_RIGHT || alignment > ALIGN_CENTRE_VERT) return;
  const Float w = GetWidth(1);
  const Float h = GetHeight(1);
  switch (alignment) {
    case ALIGN_RIGHT:
      xx = (x - w) + offsetX;
      break;
    case ALIGN_CENTRE_ALL:
      xx = (x - w / 2.0f) + offsetX;
      yy = (y - h / 2.0f) + offsetY;
      break;
    case ALIGN_CENTRE_HORIZ:
      xx = (x - w / 2.0f) + offsetX;
      break;
    case ALIGN_CENTRE_VERT:
      yy = (y - h / 2.0f) + offsetY;
      break;
  }
}

void TLabel::DrawPass(Float xx, Float yy) const {
  if (useRendererCamera != 0) {
    renderer->TempScale(scaleX, scaleY);
    DrawText(text, renderer->GetX(xx), renderer->GetY(yy));
    return;
  }
  SetScale(scaleX, scaleY);
  DrawText(text, xx, yy);
}

Float TLabel::Measure(Int (*measure)(const String&), Float gameScale, Float ownScale, Int ignore) {
  if (imageFont) SetImageFont(imageFont);
  const Float size = static_cast<Float>(measure(text));
  const Float measured =
      useRendererCamera != 0 && ignore == 0 ? size * gameScale * ownScale : size * ownScale;
  if (imageFont) SetImageFont(nullptr);
  return measured;
}

Float TLabel::GetHeight(Int ignore) {
  return Measure(TextHeight, renderer->scaleY, scaleY, ignore);
}

Float TLabel::GetWidth(Int ignore) { return Measure(TextWidth, renderer->scaleX, scaleX, ignore); }

Float TLabel::GetPotentialWidth(const String& candidate, Int ignore) {
  const String shown = text;
  text = candidate;
  const Float width = GetWidth(ignore);
  text = shown;
  return width;
}

Int TLabel::SetColor(Int r, Int g, Int b, Float alpha) {
  color = TColor::Create(r, g, b, alpha);
  return 0;
}

Int TLabel::SetFormatMode(Int mode, Int param) {
  if (!HasTextFormat()) return 0;
  textFormat->SetFormatMode(mode, param);
  return SetText(textRaw);
}

Int TLabel::SetShadow(Float x, Float y, Float alpha) {
  shadow = TShadow::Create(x, y, alpha);
  return 0;
}

Int TLabel::SetText(const String& s) {
  if (!HasTextFormat()) return 0;
  text = textFormat->MakeFormattedString(s);
  return 0;
}

Int TLabel::SetTextRaw(const String& s) {
  if (!HasTextFormat()) return 0;
  textRaw = s;
  return SetText(textRaw);
}

Int TLabel::UpdateText() { return SetText(textRaw); }

bool TLabel::HasTextFormat() const {
  assert(textFormat && "a label's text operations need the text format given by Create");
  return textFormat != nullptr;
}
