// Label columns.
#include "framework/label_column.h"

Ref<TLabelColumn> TLabelColumn::Create(Float x, Float y, Int gap, const Ref<TImageFont>& font,
                                       Float scaleX, Float scaleY, const Ref<TColor>& color,
                                       const Ref<TShadow>& shadow) {
  auto column = New<TLabelColumn>();
  column->x = x;
  column->y = y;
  column->nextY = y;
  column->gap = gap;
  column->imageFont = font;
  column->scaleX = scaleX;
  column->scaleY = scaleY;
  column->color = color;
  column->shadow = shadow;
  return column;
}

Int TLabelColumn::AddLabel(const String& text) {
  auto label = TLabel::Create(text, x, nextY, imageFont, scaleX, scaleY);
  if (color) label->color = color;
  if (shadow) label->shadow = shadow;
  nextY += static_cast<Float>(gap);
  AddLast(label);
  return 0;
}

Int TLabelColumn::Draw() {
  for (const auto& label : Each<TLabel>()) label->Draw();
  return 0;
}

Int TLabelColumn::SetAlignment(Int alignment) {
  for (const auto& label : Each<TLabel>()) label->alignment = alignment;
  return 0;
}

Int TLabelColumn::SetColor(const Ref<TColor>& newColor) {
  for (const auto& label : Each<TLabel>()) label->color = newColor;
  return 0;
}

Int TLabelColumn::SetShadow(const Ref<TShadow>& newShadow) {
  for (const auto& label : Each<TLabel>()) label->shadow = newShadow;
  return 0;
}

Int TLabelColumn::SetTextFormat(Int mode, Int param) {
  for (const auto& label : Each<TLabel>()) label->SetFormatMode(mode, param);
  return 0;
}

Int TLabelColumn::SetRendererCamera(Int flag) {
  for (const auto& label : Each<TLabel>()) label->useRendererCamera = flag;
  return 0;
}
