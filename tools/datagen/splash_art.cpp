// The maker's splash logo: a thistle emblem over the name "THISTLEBANE",
// on a transparent background (the splash screen fades it in over black).
#include <cmath>

#include "backdrops.h"
#include "noise.h"

namespace datagen {

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
const Vec2 kBulb{512, 330};
constexpr float kBulbRadius = 55;

// A leaf with saw-toothed edges along a curved spine from `base` outwards.
Shape SpikyLeaf(Vec2 base, float angle, float length, float width, float bend) {
  std::vector<Vec2> left;
  std::vector<Vec2> right;
  const int teeth = 9;
  for (int i = 0; i <= teeth * 2; ++i) {
    const float t = static_cast<float>(i) / (teeth * 2);
    const float a = angle + bend * t * t;
    const Vec2 spine = base + Rotate({length * t, 0}, angle + bend * t * t * 0.5f);
    const float profile = std::sin(kPi * std::pow(t, 0.8f)) * width;
    const float w = profile * ((i % 2 == 1) ? 1.35f : 0.7f);
    const Vec2 normal = Rotate({0, 1}, a);
    left.push_back(spine + normal * w);
    right.push_back(spine - normal * w);
  }
  std::vector<Vec2> outline(left.begin(), left.end());
  outline.insert(outline.end(), right.rbegin(), right.rend());
  return Polygon(outline);
}

void PaintGlow(const Painter& p) {
  p.Soft(Circle({512, 285}, 150), Solid(Rgb(150, 70, 210, 0.22f)), 220);
  p.Soft(Circle({512, 230}, 90), Solid(Rgb(190, 110, 240, 0.18f)), 120);
}

void PaintLeaves(const Painter& p) {
  const Rgba leaf = Rgb(58, 120, 66);
  const Rgba vein = Rgb(150, 205, 140, 0.8f);
  for (const float side : {-1.0f, 1.0f}) {
    const float angle = side < 0 ? kPi - 0.32f : 0.32f;
    const Vec2 base{512 + side * 20, 392};
    const Shape s = SpikyLeaf(base, angle, 175, 26, side * -0.55f);
    p.Fill(Offset(s, 2), Rgb(22, 50, 28));
    p.Fill(s, [=](Vec2 q) {
      return Mix(Scaled(leaf, 1.25f), Scaled(leaf, 0.7f), Clamp01((q.y - 340) / 120));
    });
    const Vec2 mid = base + Rotate({80, 0}, angle + side * -0.12f);
    const Vec2 tip = base + Rotate({160, 0}, angle + side * -0.27f);
    p.Fill(Capsule(base, mid, 1.6f), vein);
    p.Fill(Capsule(mid, tip, 1.0f), vein);
  }
  p.Fill(Capsule({512, 380}, {512, 478}, 8), Rgb(22, 50, 28));
  p.Fill(Capsule({512, 380}, {512, 476}, 6), [](Vec2 q) {
    return Mix(Rgb(110, 175, 110), Rgb(40, 95, 50), Clamp01((q.x - 506) / 12));
  });
}

void PaintPetals(const Painter& p) {
  const Vec2 origin{512, 330};
  Pcg32 rng(19);
  const int count = 25;
  // Outer petals first so the middle ones lie on top.
  for (int k = 0; k < count; ++k) {
    const int i = (k % 2 == 0) ? k / 2 : count - 1 - k / 2;
    const float t = static_cast<float>(i) / (count - 1);
    const float angle = -kPi / 2 + (t - 0.5f) * 2 * (kPi / 3);
    const float length = 130 + rng.Range(-8, 8) - 10 * std::fabs(t - 0.5f);
    const Vec2 dir = Rotate({1, 0}, angle);
    const Vec2 side = Rotate({0, 1}, angle);
    const Vec2 tip = origin + dir * length;
    const Shape petal =
        Polygon({origin + side * 5.5f, origin + dir * (length * 0.7f) + side * 4.2f, tip,
                 origin + dir * (length * 0.7f) - side * 4.2f, origin - side * 5.5f});
    const float depth = 0.75f + 0.25f * (1 - 2 * std::fabs(t - 0.5f));
    p.Fill(Offset(petal, 0.8f), Rgb(60, 20, 80, 0.7f));
    p.Fill(petal, [=](Vec2 q) {
      const float along = Dot(q - origin, dir) / length;
      const Rgba c = Mix(Rgb(120, 55, 160), Rgb(160, 80, 200), Smoothstep(0.35f, 0.6f, along));
      return Scaled(Mix(c, Rgb(225, 150, 255), Smoothstep(0.6f, 1.0f, along)), depth);
    });
  }
}

// Overlapping scales on the bulb: a diagonal lattice, each scale lit at its
// top and shaded at its lower edges, over a ball shading.
Rgba BulbScales(Vec2 q) {
  const Vec2 rel = q - kBulb;
  const float u = (rel.x + rel.y) / 13.0f;
  const float v = (rel.x - rel.y) / 13.0f;
  const float fu = u - std::floor(u);
  const float fv = v - std::floor(v);
  const float edge = std::min(std::min(fu, 1 - fu), std::min(fv, 1 - fv));
  const float lit = Clamp01(1.2f - (fu + (1 - fv)));
  const float nx = rel.x / kBulbRadius;
  const float ny = rel.y / kBulbRadius;
  const float ball = Clamp01(0.65f - 0.45f * nx - 0.55f * ny);
  Rgba c = Mix(Rgb(35, 80, 45), Rgb(110, 185, 110), ball);
  c = Mix(c, Rgb(170, 230, 160), lit * 0.45f);
  return Mix(Rgb(20, 45, 28), c, Smoothstep(0.0f, 0.12f, edge));
}

void PaintBulb(const Painter& p) {
  const Shape bulb = Ellipse(kBulb + Vec2{0, 10}, kBulbRadius, kBulbRadius * 0.88f);
  p.Fill(Offset(bulb, 2.5f), Rgb(20, 45, 28));
  p.Fill(bulb, BulbScales);
  // Small spines at the lattice points along the rim.
  for (int i = 0; i < 14; ++i) {
    const float a = kPi * (0.05f + 0.9f * i / 13.0f);
    const Vec2 at = kBulb + Vec2{0, 10} + Vec2{std::cos(a) * kBulbRadius, std::sin(a) * 48};
    const Vec2 out = Rotate({1, 0}, a);
    const Vec2 side = Rotate({0, 1}, a);
    p.Fill(Polygon({at - side * 3.5f, at + out * 11, at + side * 3.5f}), Rgb(30, 70, 38));
  }
}

void PaintName(const Painter& p, const FontFace& font) {
  const int pad = 8;
  const TextMask text = font.Render("THISTLEBANE", 64, 1.0f, 13, pad);
  const int x = (kWidth - text.mask.width()) / 2;
  const int y = 560 - text.baseline;
  Mask shadow = text.mask;
  shadow.Blur(3);
  p.FillMask(shadow, x + 3, y + 3, Solid(Rgb(0, 0, 0, 0.8f)));
  const float top = 512;
  p.FillMask(text.mask, x, y,
             [=](Vec2 q) { return Mix(Rgb(240, 236, 248), Rgb(200, 190, 220), (q.y - top) / 48); });
  // A thin rule under the name, fading out at both ends, with a diamond.
  const float half = text.mask.width() * 0.5f;
  p.Fill(RoundRect({512, 586}, {half, 1.2f}, 1.2f), [=](Vec2 q) {
    const float fade = 1 - Smoothstep(half * 0.4f, half, std::fabs(q.x - 512));
    return Rgb(175, 95, 225, fade);
  });
  p.Fill(Polygon({{512, 579}, {519, 586}, {512, 593}, {505, 586}}), Rgb(210, 140, 255));
}

}  // namespace

Canvas MakeSplash(const FontFace& font) {
  Canvas c(kWidth, kHeight);
  const Painter p(c, {0, 0}, 1);
  PaintGlow(p);
  PaintLeaves(p);
  PaintPetals(p);
  PaintBulb(p);
  PaintName(p, font);
  return c;
}

}  // namespace datagen
