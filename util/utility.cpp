// Small free functions shared by the framework and the game.
#include "util/utility.h"

#include "platform/draw.h"
#include "platform/input.h"
#include "platform/maths.h"

namespace {

constexpr Int kLargestPow2 = 1 << 30;

// The four edges clockwise from (left, top), each leaving out its end point,
// which is the next edge's start.
void DrawOutline(Float left, Float top, Float right, Float bottom) {
  DrawLine(left, top, right, top, 0);
  DrawLine(right, top, right, bottom, 0);
  DrawLine(right, bottom, left, bottom, 0);
  DrawLine(left, bottom, left, top, 0);
}

}  // namespace

Int ccRound(Float x) { return ToInt(Floor(static_cast<Double>(x) + 0.5)); }

Int ccRectsOverlap(Int x1, Int y1, Int w1, Int h1, Int x2, Int y2, Int w2, Int h2) {
  // Sums in 64 bits: the same answers as 32-bit sums wherever those do not
  // overflow, and no overflow anywhere.
  const Long left1 = x1, top1 = y1, left2 = x2, top2 = y2;
  if (left1 >= left2 + w2) return 0;
  if (left1 + w1 <= left2) return 0;
  if (top1 >= top2 + h2) return 0;
  if (top1 + h1 <= top2) return 0;
  return 1;
}

String ccPadWithZeros(const String& text, Int length) {
  if (text.Length() >= length) return text;
  return String(std::u16string(static_cast<size_t>(length - text.Length()), u'0')) + text;
}

Int ccPow2Size(Int n) {
  Int p = 1;
  while (p < n && p < kLargestPow2) p *= 2;
  return p;
}

String ccAddSlash(const String& path) {
  const String last = Right(path, 1);
  if (last != "/" && last != "\\") return path + "/";
  return path;
}

Int ccMouseHit() {
  if (MouseHit(1) != 0) return 1;
  if (MouseHit(2) != 0) return 1;
  return MouseHit(3) != 0 ? 1 : 0;
}

Int ccDrawRectOutline(Int x, Int y, Int w, Int h) {
  const Int right = WrapSub(WrapAdd(x, w), 1);
  const Int bottom = WrapSub(WrapAdd(y, h), 1);
  DrawOutline(static_cast<Float>(x), static_cast<Float>(y), static_cast<Float>(right),
              static_cast<Float>(bottom));
  return 0;
}

Int ccDrawRectOutlinePrecise(Float x, Float y, Float w, Float h) {
  DrawOutline(x, y, x + w, y + h);
  return 0;
}
