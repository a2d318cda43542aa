// The global drawing state, the per-frame draw log, and clearing, text,
// rectangles and lines on the display's canvas. Images, glyphs and
// rectangles all go through DrawTexture, so they share one placement rule.
#include "platform/draw.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <stdexcept>
#include <string_view>

#include "platform/detail.h"
#include "platform/display.h"
#include "platform/render.h"
#include "platform/system.h"
#include "platform/testing.h"

using platform::test::DrawKind;
using platform::test::DrawRecord;

namespace {

TDrawState state;

enum class Setter { ClsColor, Blend, Color, Alpha, Scale, Rotation, Origin, Handle, ImageFont };
constexpr std::array<std::string_view, 9> kSetterNames = {
    "SetClsColor", "SetBlend",  "SetColor",  "SetAlpha",    "SetScale",
    "SetRotation", "SetOrigin", "SetHandle", "SetImageFont"};
std::array<Int, kSetterNames.size()> setterCalls{};

void Count(Setter setter) { ++setterCalls[std::size_t(setter)]; }

std::vector<DrawRecord> currentLog;
std::vector<DrawRecord> lastLog;

// The 1 x 1 white texture rectangles are drawn with, made per display.
struct WhiteTexture {
  SDL_Texture* texture = nullptr;
  Long generation = -1;
};
WhiteTexture white;

SDL_Texture* White(SDL_Renderer* renderer) {
  const Long generation = platform::detail::DisplayGeneration();
  if (white.generation == generation) return white.texture;
  white.generation = generation;
  white.texture =
      SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, 1, 1);
  const std::uint32_t pixel = 0xFFFFFFFF;
  if (white.texture) SDL_UpdateTexture(white.texture, nullptr, &pixel, 4);
  return white.texture;
}

// Cosine and sine of an angle in degrees, exact at quarter turns.
void CosSin(Double degrees, Double& c, Double& s) {
  const Double turn = std::fmod(degrees, 360.0);
  constexpr std::array<std::array<Double, 2>, 4> kQuarters = {{{1, 0}, {0, 1}, {-1, 0}, {0, -1}}};
  if (std::fmod(turn, 90.0) == 0) {
    const auto& quarter = kQuarters[std::size_t(ToInt(turn / 90 + 4)) % 4];
    c = quarter[0];
    s = quarter[1];
    return;
  }
  const Double radians = degrees * std::numbers::pi / 180;
  c = std::cos(radians);
  s = std::sin(radians);
}

void UpdateTransform() {
  Double c = 1, s = 0;
  CosSin(state.rotation, c, s);
  state.tform_ix = Float(c * state.scale_x);
  state.tform_iy = Float(-s * state.scale_y);
  state.tform_jx = Float(s * state.scale_x);
  state.tform_jy = Float(c * state.scale_y);
}

Byte Channel(Int value) { return Byte(std::clamp(value, 0, 255)); }

// The alpha drawing uses: 0..1, and 0 for NaN.
Float ClampedAlpha(Float alpha) { return alpha > 0 ? std::min(alpha, 1.0f) : 0.0f; }

Byte AlphaByte(Float alpha) { return Byte(std::lround(ClampedAlpha(alpha) * 255.0f)); }

SDL_BlendMode BlendMode() {
  return state.blend == SOLIDBLEND ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND;
}

// Quads placed beyond these limits, or not finite, are not drawn: SDL turns
// positions into ints, and its software renderer makes a whole scaled copy
// of a turned quad and fails on what is not finite.
constexpr Float kQuadReach = 1 << 24;
constexpr Float kQuadSide = 16 * CANVAS_WIDTH;

bool Reasonable(const SDL_FRect& quad) {
  return std::abs(quad.x) <= kQuadReach && std::abs(quad.y) <= kQuadReach && quad.w <= kQuadSide &&
         quad.h <= kQuadSide;
}

Ref<TImageFont> CurrentFont() { return state.font ? state.font : DefaultFont(); }

// The screen position of local (lx, ly) drawn at (x, y): origin, then the
// transform applied to the local point plus the state's handle.
SDL_FPoint ScreenPoint(Float x, Float y, Float lx, Float ly) {
  lx += state.handle_x;
  ly += state.handle_y;
  return {x + state.origin_x + lx * state.tform_ix + ly * state.tform_iy,
          y + state.origin_y + lx * state.tform_jx + ly * state.tform_jy};
}

// Pixels of the line from a to b, one per step along the longer axis, the
// other coordinate rounded (halves away from a); only steps on the canvas
// are visited, so absurd end points cost nothing.
void LinePixels(Long ax, Long ay, Long bx, Long by, bool last, std::vector<SDL_Point>& out) {
  out.clear();
  const Long dx = bx - ax, dy = by - ay;
  const bool xMajor = std::abs(dx) >= std::abs(dy);
  const Long major = xMajor ? std::abs(dx) : std::abs(dy);
  const Long minor = xMajor ? std::abs(dy) : std::abs(dx);
  const Long majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
  const Long minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
  const Long start = xMajor ? ax : ay;
  const Long limit = xMajor ? CANVAS_WIDTH : CANVAS_HEIGHT;
  const Long steps = last ? major : major - 1;
  // Steps whose major coordinate lies on the canvas.
  Long first = majorStep > 0 ? -start : start - (limit - 1);
  Long final = majorStep > 0 ? limit - 1 - start : start;
  first = std::max<Long>(first, 0);
  final = std::min(final, steps);
  for (Long i = first; i <= final; ++i) {
    const Long m = start + majorStep * i;
    const Long n =
        (xMajor ? ay : ax) + minorStep * ((2 * i * minor + major) / (2 * std::max<Long>(major, 1)));
    const Long x = xMajor ? m : n, y = xMajor ? n : m;
    if (x >= 0 && y >= 0 && x < CANVAS_WIDTH && y < CANVAS_HEIGHT) out.push_back({Int(x), Int(y)});
  }
}

// Lines are cut where they leave the square of this half-side, which keeps
// the line arithmetic exact.
constexpr Double kLineReach = 1 << 24;

// Cuts the line from a to b to the part inside the reach square (Liang-
// Barsky), so an end point far away keeps the line's slope; an end inside
// stays as it is. False when nothing is inside or an end is not finite.
bool ClipToReach(Double& ax, Double& ay, Double& bx, Double& by) {
  if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) || !std::isfinite(by)) {
    return false;
  }
  const Double dx = bx - ax, dy = by - ay;
  const std::array<std::pair<Double, Double>, 4> edges = {{{-dx, ax + kLineReach},
                                                           {dx, kLineReach - ax},
                                                           {-dy, ay + kLineReach},
                                                           {dy, kLineReach - ay}}};
  Double enter = 0, leave = 1;
  for (const auto& [p, q] : edges) {
    if (p == 0) {
      if (q < 0) return false;
      continue;
    }
    if (p < 0) enter = std::max(enter, q / p);
    if (p > 0) leave = std::min(leave, q / p);
  }
  if (enter > leave) return false;
  const Double startX = ax, startY = ay;
  if (enter > 0) {
    ax = startX + enter * dx;
    ay = startY + enter * dy;
  }
  if (leave < 1) {
    bx = startX + leave * dx;
    by = startY + leave * dy;
  }
  return true;
}

Long LineCoordinate(Double value) { return ToInt(std::floor(value)); }

void FormatNumbers(std::string& out, std::initializer_list<std::pair<const char*, Double>> fields) {
  char buffer[64];
  for (const auto& [name, value] : fields) {
    std::snprintf(buffer, sizeof buffer, " %s=%g", name, value);
    out += buffer;
  }
}

std::string Colour(Int r, Int g, Int b) {
  return std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b);
}

std::string StateText(const TDrawState& s) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, " alpha=%g scale=%g,%g rot=%g", s.alpha, s.scale_x,
                s.scale_y, s.rotation);
  return " colour=" + Colour(s.color_r, s.color_g, s.color_b) + buffer;
}

std::string ImageName(const DrawRecord& record) {
  return record.image.empty() ? "-" : record.image;
}

}  // namespace

const TDrawState& TDrawState::Current() { return state; }

void SetClsColor(Int r, Int g, Int b) {
  Count(Setter::ClsColor);
  state.cls_r = r;
  state.cls_g = g;
  state.cls_b = b;
}

void Cls() {
  platform::detail::AddDrawRecord(DrawKind::Cls);
  SDL_Renderer* renderer = platform::detail::Renderer();
  if (!renderer) return;
  SDL_SetRenderDrawColor(renderer, Channel(state.cls_r), Channel(state.cls_g), Channel(state.cls_b),
                         255);
  SDL_RenderClear(renderer);
}

void SetBlend(Int mode) {
  Count(Setter::Blend);
  state.blend = mode;
}

void SetColor(Int r, Int g, Int b) {
  Count(Setter::Color);
  state.color_r = r;
  state.color_g = g;
  state.color_b = b;
}

void SetAlpha(Float alpha) {
  Count(Setter::Alpha);
  state.alpha = alpha;
}

void SetScale(Float x, Float y) {
  Count(Setter::Scale);
  state.scale_x = x;
  state.scale_y = y;
  UpdateTransform();
}

void SetRotation(Float degrees) {
  Count(Setter::Rotation);
  state.rotation = degrees;
  UpdateTransform();
}

void SetOrigin(Float x, Float y) {
  Count(Setter::Origin);
  state.origin_x = x;
  state.origin_y = y;
}

void SetHandle(Float x, Float y) {
  Count(Setter::Handle);
  state.handle_x = x;
  state.handle_y = y;
}

void SetImageFont(const Ref<TImageFont>& font) {
  Count(Setter::ImageFont);
  state.font = font;
}

Ref<TImageFont> GetImageFont() { return CurrentFont(); }

void GetColor(Int& r, Int& g, Int& b) {
  r = state.color_r;
  g = state.color_g;
  b = state.color_b;
}

Float GetAlpha() { return state.alpha; }

void GetScale(Float& x, Float& y) {
  x = state.scale_x;
  y = state.scale_y;
}

Float GetRotation() { return state.rotation; }
Int GetBlend() { return state.blend; }

void DrawText(const String& text, Float x, Float y) {
  if (DrawRecord* record = platform::detail::AddDrawRecord(DrawKind::Text)) {
    record->text = text.ToUtf8();
    record->x = x;
    record->y = y;
  }
  if (!platform::detail::Renderer()) return;
  const Ref<TImageFont> font = CurrentFont();
  SDL_FPoint pen = ScreenPoint(x, y, 0, 0);
  for (const char16_t unit : text.Units()) {
    const Ref<TImageGlyph> glyph = font->LoadGlyph(font->CharToGlyph(unit));
    if (!glyph) continue;
    const Ref<TImageFrame> frame = glyph->_image ? glyph->_image->Frame(0) : nullptr;
    if (frame) {
      platform::detail::DrawTexture(static_cast<SDL_Texture*>(frame->texture), nullptr,
                                    {pen.x, pen.y, Float(glyph->_x), Float(glyph->_y),
                                     Float(glyph->_image->width), Float(glyph->_image->height)});
    }
    pen.x += glyph->_advance * state.tform_ix;
    pen.y += glyph->_advance * state.tform_jx;
  }
}

Int TextWidth(const String& text) {
  const Ref<TImageFont> font = CurrentFont();
  Int width = 0;
  for (const char16_t unit : text.Units()) {
    const Ref<TImageGlyph> glyph = font->LoadGlyph(font->CharToGlyph(unit));
    if (glyph) width += ToInt(glyph->_advance);
  }
  return width;
}

Int TextHeight(const String&) { return CurrentFont()->Height(); }

void DrawRect(Float x, Float y, Float width, Float height) {
  if (DrawRecord* record = platform::detail::AddDrawRecord(DrawKind::Rect)) {
    record->x = x;
    record->y = y;
    record->x2 = width;
    record->y2 = height;
  }
  SDL_Renderer* renderer = platform::detail::Renderer();
  if (!renderer || !(width > 0 && height > 0)) return;
  platform::detail::DrawTexture(
      White(renderer), nullptr,
      {x + state.origin_x, y + state.origin_y, state.handle_x, state.handle_y, width, height});
}

void DrawLine(Float x, Float y, Float x2, Float y2, Int lastPixel) {
  if (DrawRecord* record = platform::detail::AddDrawRecord(DrawKind::Line)) {
    record->x = x;
    record->y = y;
    record->x2 = x2;
    record->y2 = y2;
    record->lastPixel = lastPixel;
  }
  SDL_Renderer* renderer = platform::detail::Renderer();
  if (!renderer) return;
  const SDL_FPoint a = ScreenPoint(x, y, 0, 0);
  const SDL_FPoint b = ScreenPoint(x, y, x2 - x, y2 - y);
  Double ax = a.x, ay = a.y, bx = b.x, by = b.y;
  if (!ClipToReach(ax, ay, bx, by)) return;
  static std::vector<SDL_Point> pixels;
  LinePixels(LineCoordinate(ax), LineCoordinate(ay), LineCoordinate(bx), LineCoordinate(by),
             lastPixel != 0, pixels);
  if (pixels.empty()) return;
  SDL_SetRenderDrawBlendMode(renderer, BlendMode());
  SDL_SetRenderDrawColor(renderer, Channel(state.color_r), Channel(state.color_g),
                         Channel(state.color_b), AlphaByte(state.alpha));
  SDL_RenderDrawPoints(renderer, pixels.data(), Int(pixels.size()));
}

namespace platform::detail {

test::DrawRecord* AddDrawRecord(test::DrawKind kind) {
  if (!IsHeadless()) return nullptr;
  DrawRecord& record = currentLog.emplace_back();
  record.kind = kind;
  record.state = state;
  record.alphaClamped = ClampedAlpha(state.alpha);
  record.font = state.font ? state.font->source.ToUtf8() : "default";
  return &record;
}

void EndDrawLogFrame() {
  std::swap(currentLog, lastLog);
  currentLog.clear();
}

// The local rectangle is mapped by rotation(scale(p)): SDL flips within the
// destination rectangle for negative scales, then turns it clockwise about
// the centre point, which is where the anchor falls.
void DrawTexture(SDL_Texture* texture, const SDL_Rect* source, const Placement& placement) {
  SDL_Renderer* renderer = Renderer();
  if (!renderer || !texture) return;
  const Float sx = state.scale_x, sy = state.scale_y;
  SDL_FRect target{0, 0, placement.width * std::abs(sx), placement.height * std::abs(sy)};
  if (!(target.w > 0 && target.h > 0)) return;
  const SDL_FPoint centre{-sx * placement.left + (sx < 0 ? target.w : 0),
                          -sy * placement.top + (sy < 0 ? target.h : 0)};
  target.x = placement.anchorX - centre.x;
  target.y = placement.anchorY - centre.y;
  if (!Reasonable(target) || !std::isfinite(state.rotation)) return;
  const int flip = (sx < 0 ? SDL_FLIP_HORIZONTAL : 0) | (sy < 0 ? SDL_FLIP_VERTICAL : 0);
  SDL_SetTextureColorMod(texture, Channel(state.color_r), Channel(state.color_g),
                         Channel(state.color_b));
  SDL_SetTextureAlphaMod(texture, AlphaByte(state.alpha));
  SDL_SetTextureBlendMode(texture, BlendMode());
  SDL_RenderCopyExF(renderer, texture, source, &target, state.rotation, &centre,
                    SDL_RendererFlip(flip));
}

}  // namespace platform::detail

namespace platform::test {

const std::vector<DrawRecord>& CurrentDrawLog() { return currentLog; }
const std::vector<DrawRecord>& LastFrameDrawLog() { return lastLog; }

std::string FormatRecord(const DrawRecord& record) {
  std::string out;
  switch (record.kind) {
    case DrawKind::Cls:
      return "draw cls colour=" +
             Colour(record.state.cls_r, record.state.cls_g, record.state.cls_b);
    case DrawKind::Image:
      out = "draw image " + ImageName(record) + " frame=" + std::to_string(record.frame);
      FormatNumbers(out, {{"x", record.x}, {"y", record.y}});
      break;
    case DrawKind::SubImage:
      out = "draw subimage " + ImageName(record) + " frame=" + std::to_string(record.frame);
      FormatNumbers(out, {{"x", record.x},
                          {"y", record.y},
                          {"w", record.x2},
                          {"h", record.y2},
                          {"sx", record.sx},
                          {"sy", record.sy},
                          {"sw", record.sw},
                          {"sh", record.sh},
                          {"hx", record.hx},
                          {"hy", record.hy}});
      break;
    case DrawKind::Text:
      out = "draw text \"" + record.text + "\"";
      FormatNumbers(out, {{"x", record.x}, {"y", record.y}});
      out += " font=" + record.font;
      break;
    case DrawKind::Rect:
      out = "draw rect";
      FormatNumbers(out, {{"x", record.x}, {"y", record.y}, {"w", record.x2}, {"h", record.y2}});
      break;
    case DrawKind::Line:
      out = "draw line";
      FormatNumbers(out, {{"x", record.x}, {"y", record.y}, {"x2", record.x2}, {"y2", record.y2}});
      out += " last=" + std::to_string(record.lastPixel);
      break;
  }
  return out + StateText(record.state);
}

Int SetterCalls(const std::string& name) {
  const auto found = std::find(kSetterNames.begin(), kSetterNames.end(), name);
  if (found == kSetterNames.end()) throw std::invalid_argument("no drawing-state setter " + name);
  return setterCalls[std::size_t(found - kSetterNames.begin())];
}

void ResetSetterCalls() { setterCalls.fill(0); }

}  // namespace platform::test
