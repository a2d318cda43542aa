// The renderer: display opening, the camera and text output.
#include "framework/renderer.h"

#include "framework/keys.h"
#include "platform/display.h"
#include "platform/draw.h"
#include "platform/maths.h"
#include "platform/object.h"

Ref<TRenderer> renderer;

namespace {

constexpr Int KEY_F = 70;
constexpr Int REFRESH_RATE = 60;

}  // namespace

Int TRenderer::CentreOnCoords(Float x, Float y) {
  const Float zoomX = screenWidth * scaleX - screenWidth;
  const Float zoomY = screenHeight * scaleX - screenHeight;
  scrollX = 0 - zoomX * (x / screenWidth);
  scrollY = 0 - zoomY * (y / screenHeight);
  return 0;
}

Int TRenderer::CreateScreen() {
  EndGraphics();
  Graphics(screenWidth, screenHeight, bitDepth, REFRESH_RATE, 0);
  return 0;
}

Float TRenderer::GetTextWidth(const String& text, const Ref<TImageFont>& font, Float scale) {
  if (font) SetImageFont(font);
  const Float width = TextWidth(text) * scaleX * scale;
  if (font) SetImageFont(nullptr);
  return width;
}

Int TRenderer::OutputText(const String& text, Float x, Float y, const Ref<TImageFont>& font,
                          Float sx, Float sy, const Ref<TColor>& color,
                          const Ref<TShadow>& shadow) {
  if (font) {
    SetImageFont(font);
    TempScale(sx, sy);
  }
  if (shadow) {
    shadow->Apply();
    DrawText(text, x + shadow->X, y + shadow->Y);
    shadow->Restore();
  }
  if (color) color->Apply();
  DrawText(text, x, y);
  if (color) color->Restore();
  if (font) {
    SetImageFont(nullptr);
    RestoreScale();
  }
  return 0;
}

Int TRenderer::OutputTextCentered(const String& text, Float y, const Ref<TImageFont>& font,
                                  Float sx, Float sy, const Ref<TColor>& color,
                                  const Ref<TShadow>& shadow) {
  const Float x = (screenWidth - GetTextWidth(text, font, sx)) / 2.0f;
  return OutputText(text, x, y, font, sx, sy, color, shadow);
}

Int TRenderer::GetRandX(Int size) { return Rand(0, WrapSub(screenWidth, size)); }

Int TRenderer::GetRandY(Int size) { return Rand(0, WrapSub(screenHeight, size)); }

Float TRenderer::GetX(Float x) const { return scrollX + x * scaleX; }

Float TRenderer::GetY(Float y) const { return scrollY + y * scaleY; }

Int TRenderer::Logic() {
  if (KeyHit(KEY_F) && ControlKeyDown()) ToggleFullScreen();
  return 0;
}

Int TRenderer::ResetScale() { return SetGameScale(1.0f, 1.0f); }

Int TRenderer::ResetScrolling() {
  scrollX = 0.0f;
  scrollY = 0.0f;
  return 0;
}

Int TRenderer::RestoreScale() {
  SetScale(1.0f, 1.0f);
  return 0;
}

Int TRenderer::SetGameScale(Float sx, Float sy) {
  scaleX = sx;
  scaleY = sy;
  return 0;
}

Int TRenderer::TempScale(Float sx, Float sy) {
  SetScale(sx * scaleX, sy * scaleY);
  return 0;
}

Int TRenderer::ToggleFullScreen() { return SetFullScreen(fullScreen ? 0 : 1); }

Int TRenderer::SetFullScreen(Int on) {
  fullScreen = on;
  bitDepth = on ? 32 : 0;
  return CreateScreen();
}
