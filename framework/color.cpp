// Colour and shadow application to the platform's drawing state.
#include "framework/color.h"

#include "platform/draw.h"

namespace {

Int RestoreWhite() {
  SetColor(255, 255, 255);
  SetAlpha(1.0f);
  return 0;
}

}  // namespace

Int TColor::Apply() const {
  SetColor(R, G, B);
  SetAlpha(alpha);
  return 0;
}

Int TColor::ApplyNoAlpha() const {
  SetColor(R, G, B);
  return 0;
}

Int TColor::Copy(const TColor& source) { return Set(source.R, source.G, source.B, source.alpha); }

Ref<TColor> TColor::Create(Int r, Int g, Int b, Float a) {
  auto color = New<TColor>();
  color->Set(r, g, b, a);
  return color;
}

Int TColor::Get(Int& r, Int& g, Int& b) const {
  r = R;
  g = G;
  b = B;
  return 0;
}

Int TColor::GetFull(Int& r, Int& g, Int& b, Float& a) const {
  a = alpha;
  return Get(r, g, b);
}

Int TColor::Restore() const { return RestoreWhite(); }

Int TColor::Set(Int r, Int g, Int b, Float a) {
  R = r;
  G = g;
  B = b;
  alpha = a;
  return 0;
}

Ref<TShadow> TShadow::Create(Float x, Float y, Float a) {
  auto shadow = New<TShadow>();
  shadow->Init(x, y, a);
  return shadow;
}

Int TShadow::Init(Float x, Float y, Float a) {
  X = x;
  Y = y;
  alpha = a;
  return 0;
}

Int TShadow::Copy(const TShadow& source) { return Init(source.X, source.Y, source.alpha); }

Int TShadow::Apply() const {
  SetColor(0, 0, 0);
  SetAlpha(alpha);
  return 0;
}

Int TShadow::Restore() const { return RestoreWhite(); }
