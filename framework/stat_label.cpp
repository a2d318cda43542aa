// Stat labels: caption and value rows.
#include "framework/stat_label.h"

#include <cassert>

#include "framework/renderer.h"

Ref<TStatLabel> TStatLabel::Create(const String& description, const String& value, Float x, Float y,
                                   const Ref<TImageFont>& font, Float scaleX, Float scaleY) {
  auto row = New<TStatLabel>();
  row->description = TLabel::Create(description, x, y, font, scaleX, scaleY);
  row->stat = TLabel::Create(value, x, y, font, scaleX, scaleY);
  row->stat->SetFormatMode(TTextFormat::FORMAT_MODE_STRING, 0);
  return row;
}

Int TStatLabel::AlignAsRow(Int gap) {
  if (!HasLabels()) return 0;
  gapX = static_cast<Float>(gap);
  stat->x = (description->x + description->GetWidth(0)) + GetGapX();
  return 0;
}

Int TStatLabel::Draw() {
  if (!HasLabels()) return 0;
  description->Draw();
  stat->Draw();
  return 0;
}

Float TStatLabel::GetGapX() {
  if (!HasLabels()) return 0.0f;
  if (description->useRendererCamera != 0) return gapX * renderer->scaleX * description->scaleX;
  return gapX * description->scaleX;
}

Int TStatLabel::SetColor(Int r, Int g, Int b, Float alpha) {
  if (!HasLabels()) return 0;
  description->SetColor(r, g, b, alpha);
  stat->SetColor(r, g, b, alpha);
  return 0;
}

Int TStatLabel::SetShadow(Float x, Float y, Float alpha) {
  if (!HasLabels()) return 0;
  description->SetShadow(x, y, alpha);
  stat->SetShadow(x, y, alpha);
  return 0;
}

Int TStatLabel::SetUseRendererCamera(Int flag) {
  if (!HasLabels()) return 0;
  description->useRendererCamera = flag;
  stat->useRendererCamera = flag;
  return 0;
}

Int TStatLabel::UpdateStat(const String& text) {
  if (!HasLabels()) return 0;
  return stat->SetTextRaw(text);
}

bool TStatLabel::HasLabels() const {
  assert(description && stat && "a stat label's operations need the labels made by Create");
  return description && stat;
}
