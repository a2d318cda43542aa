// Sprites: drawing in two passes through the renderer camera or in screen
// pixels, text centring, hit-box collisions and screen bounds.
#include "framework/sprite.h"

#include "framework/color.h"
#include "framework/image_bank.h"
#include "framework/renderer.h"
#include "platform/draw.h"
#include "platform/font.h"
#include "util/utility.h"

Ref<TSprite> TSprite::Create(const Ref<TGameImage>& image, Float x, Float y, const String& text,
                             const Ref<TImageFont>& font) {
  auto sprite = New<TSprite>();
  sprite->SetImage(image);
  sprite->x = x;
  sprite->y = y;
  sprite->StoreOriginalCoords();
  sprite->text = text;
  sprite->textFont = font;
  return sprite;
}

Int TSprite::BoundsCheck() {
  ClampLowFirst(x, w2, renderer->screenWidth - w2);
  ClampLowFirst(y, h2, renderer->screenHeight - h2);
  return 0;
}

Int TSprite::StoreOriginalCoords() {
  originalX = x;
  originalY = y;
  return 0;
}

Int TSprite::CalcSize() {
  if (!gameImage) return 0;
  width = gameImage->w;
  height = gameImage->h;
  w2 = ToInt(gameImage->w2);
  h2 = ToInt(gameImage->h2);
  hitBoxWidth = width;
  hitBoxHeight = height;
  return 0;
}

Int TSprite::CentreText() {
  const auto textWidth = static_cast<Float>(TextWidth(text));
  const auto textHeight = static_cast<Float>(TextHeight(text));
  x = originalX - textWidth * scaleX / 2.0f;
  y = originalY - textHeight * scaleY / 2.0f;
  return 0;
}

Int TSprite::CollideSprite(const Ref<TSprite>& other) {
  if (!other) return 0;
  return ccRectsOverlap(ToInt(x + static_cast<Float>(hitBoxX)),
                        ToInt(y + static_cast<Float>(hitBoxY)), hitBoxWidth, hitBoxHeight,
                        ToInt(other->x + static_cast<Float>(other->hitBoxX)),
                        ToInt(other->y + static_cast<Float>(other->hitBoxY)), other->hitBoxWidth,
                        other->hitBoxHeight);
}

Int TSprite::Draw() {
  const bool rotated = rotation != 0.0f;
  const bool faded = alpha != 1.0f;
  if (rotated) SetRotation(rotation);
  if (faded) SetAlpha(alpha);
  if (shadow) {
    shadow->Apply();
    if (faded) SetAlpha(shadow->alpha * alpha);
    DrawCore(1);
    shadow->Restore();
    if (faded) SetAlpha(alpha);
  }
  DrawCore(0);
  if (rotated) SetRotation(0.0f);
  if (faded) SetAlpha(1.0f);
  return 0;
}

Int TSprite::DrawCore(Int shadowPass) {
  const bool onShadow = shadowPass != 0 && shadow;
  const Float offsetX = onShadow ? shadow->X : 0.0f;
  const Float offsetY = onShadow ? shadow->Y : 0.0f;
  const bool camera = useRendererCamera != 0;
  if (camera) {
    renderer->TempScale(scaleX, scaleY);
  } else {
    SetScale(scaleX, scaleY);
  }
  // Read after CentreText has placed a text sprite.
  auto pointX = [&] { return camera ? renderer->GetX(x + offsetX) : x + offsetX; };
  auto pointY = [&] { return camera ? renderer->GetY(y + offsetY) : y + offsetY; };
  if (!text.IsEmpty()) {
    const bool coloured = !onShadow && color;
    if (textFont) SetImageFont(textFont);
    if (coloured) {
      color->Apply();
      if (alpha != 1.0f) SetAlpha(alpha);
    }
    CentreText();
    DrawText(text, pointX(), pointY());
    if (textFont) SetImageFont(nullptr);
    if (coloured) color->Restore();
  } else if (gameImage) {
    DrawImage(gameImage->image, pointX(), pointY(), 0);
  }
  renderer->RestoreScale();
  return 0;
}

Int TSprite::Logic() { return 0; }

Int TSprite::Move() {
  x += speedX;
  y += speedY;
  originalX += speedX;
  originalY += speedY;
  return 0;
}

Int TSprite::SetHitBox(Int boxX, Int boxY, Int boxWidth, Int boxHeight) {
  hitBoxX = boxX;
  hitBoxY = boxY;
  hitBoxWidth = boxWidth;
  hitBoxHeight = boxHeight;
  return 0;
}

Int TSprite::SetImage(const Ref<TGameImage>& image) {
  gameImage = image;
  return CalcSize();
}

Int TSprite::SetScaleParams(Float newScaleX, Float newScaleY) {
  scaleX = newScaleX;
  scaleY = newScaleY;
  return 0;
}

void TSprite::ClampLowFirst(Float& value, Int low, Int high) {
  if (value < static_cast<Float>(low)) {
    value = static_cast<Float>(low);
  } else if (value > static_cast<Float>(high)) {
    value = static_cast<Float>(high);
  }
}

Int TSprite::SetSize(Int newWidth, Int newHeight) {
  width = newWidth;
  height = newHeight;
  w2 = width / 2;
  h2 = height / 2;
  return 0;
}
