// Sprite designs: the player, the zumbel flask, the spike plate, the fog
// tile, the explosion burst and the two particle rings.
#include "sprites.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "noise.h"

namespace datagen {

namespace {

// Light falls from the top left, slightly in front.
constexpr float kLightX = -0.48f;
constexpr float kLightY = -0.62f;
constexpr float kLightZ = 0.62f;

// Shading of an ellipsoid seen from the front: shade on the far side, body in
// the middle, light where the surface faces the light.
Shader Sphere(Vec2 c, float rx, float ry, Rgba shade, Rgba body, Rgba light) {
  return [=](Vec2 p) {
    const float nx = (p.x - c.x) / rx;
    const float ny = (p.y - c.y) / ry;
    const float nz = std::sqrt(std::max(0.0f, 1 - nx * nx - ny * ny));
    const float t = (nx * kLightX + ny * kLightY + nz * kLightZ + 1) * 0.5f;
    return t < 0.55f ? Mix(shade, body, t / 0.55f) : Mix(body, light, (t - 0.55f) / 0.45f);
  };
}

// A shader that lightens the shape's edge where it faces the light and
// darkens it on the other side, over `width` units inside the edge.
Shader Bevelled(const Shape& shape, Shader base, float width, Rgba high, Rgba low) {
  return [=](Vec2 p) {
    const Rgba c = base(p);
    const float d = shape.distance(p);
    if (d < -width) return c;
    const float e = 0.25f;
    Vec2 n{shape.distance({p.x + e, p.y}) - shape.distance({p.x - e, p.y}),
           shape.distance({p.x, p.y + e}) - shape.distance({p.x, p.y - e})};
    const float len = Length(n);
    if (len <= 0) return c;
    n = n * (1 / len);
    const float facing = -(n.x * 0.7071f + n.y * 0.7071f);
    const float k = 1 - Clamp01(-d / width);
    return facing > 0 ? Mix(c, high, facing * k) : Mix(c, low, -facing * k);
  };
}

Shader VerticalGradient(float y0, Rgba top, float y1, Rgba bottom) {
  return [=](Vec2 p) { return Mix(top, bottom, (p.y - y0) / (y1 - y0)); };
}

Shader RadialGradient(Vec2 c, float radius, Rgba inner, Rgba outer) {
  return [=](Vec2 p) { return Mix(inner, outer, Length(p - c) / radius); };
}

// A four-pointed star.
Shape Sparkle(Vec2 c, float outer, float inner, float radians) {
  std::vector<Vec2> pts;
  for (int i = 0; i < 8; ++i) {
    const float r = (i % 2 == 0) ? outer : inner;
    pts.push_back(c + Rotate({r, 0}, radians + i * kPi / 4));
  }
  return Polygon(pts);
}

// ---- Player

void DrawPlayerFeet(const Painter& p, Rgba outline, Rgba shade) {
  for (const float x : {22.0f, 42.0f}) {
    const Shape foot = Ellipse({x, 58}, 7, 3);
    p.Fill(Offset(foot, 1.2f), outline);
    p.Fill(foot, Sphere({x - 1, 57}, 8, 4, Rgb(15, 75, 100), shade, Rgb(50, 160, 180)));
  }
}

void DrawPlayerFace(const Painter& p, Rgba outline) {
  const Rgba white = Rgb(255, 255, 255);
  const Rgba pupil = Rgb(12, 36, 52);
  for (const float x : {23.0f, 41.0f}) {
    const Shape eye = Ellipse({x, 30}, 7, 8);
    p.Fill(Offset(eye, 1.3f), outline);
    p.Fill(eye, VerticalGradient(22, white, 38, Rgb(205, 228, 235)));
    p.Fill(Circle({x + 0.5f, 31.5f}, 3.6f), RadialGradient({x, 30}, 4.5f, Rgb(40, 90, 110), pupil));
    p.Fill(Circle({x - 0.8f, 29.6f}, 1.5f), white);
    p.Fill(Circle({x + 1.8f, 33.4f}, 0.6f), WithAlpha(white, 0.8f));
  }
  // Cheeks and a small smile.
  for (const float x : {14.5f, 49.5f}) {
    p.Soft(Ellipse({x, 39.5f}, 4, 2.5f), Solid(Rgb(255, 130, 150, 0.45f)), 2.5f);
  }
  const Shape smile = Intersect(Annulus({32, 36.5f}, 4.2f, 0.9f), RoundRect({32, 41}, {6, 3}, 0));
  p.Fill(smile, outline);
}

void DrawPlayerAntenna(const Painter& p, Rgba outline) {
  const Rgba lantern = Rgb(255, 225, 120);
  p.Glow(Circle({32, 5}, 4), Rgb(255, 220, 120, 0.3f), 1.6f);
  p.Fill(Capsule({32, 11}, {32, 6}, 1.1f), outline);
  p.Fill(Circle({32, 5}, 4), Rgb(150, 90, 30));
  p.Fill(Circle({32, 5}, 3.1f), RadialGradient({31, 4}, 3.5f, Rgb(255, 252, 225), lantern));
  p.Fill(Circle({30.8f, 3.8f}, 1.0f), Rgb(255, 255, 250));
}

}  // namespace

void DrawPlayer(const Painter& p) {
  const Rgba outline = Rgb(15, 60, 80);
  const Rgba shade = Rgb(20, 100, 130);
  const Rgba body = Rgb(40, 170, 190);
  const Rgba light = Rgb(120, 230, 235);
  DrawPlayerFeet(p, outline, shade);
  const Shape torso = Ellipse({32, 35}, 24, 25);
  p.Fill(torso, outline);
  p.Fill(Offset(torso, -2), Sphere({32, 35}, 23, 24, shade, body, light));
  // Belly, lit from the same side as the body.
  const Shape belly = Ellipse({32, 46}, 13, 9.5f);
  p.Soft(belly,
         Sphere({32, 40}, 20, 18, Rgb(120, 205, 205), Rgb(180, 245, 240), Rgb(225, 255, 250)),
         1.6f);
  p.Soft(Ellipse({19.5f, 20}, 7, 4, -0.52f), Solid(Rgb(255, 255, 255, 0.45f)), 2.5f);
  p.Fill(Ellipse({17, 23.5f}, 1.6f, 1.2f, -0.5f), Rgb(255, 255, 255, 0.5f));
  DrawPlayerFace(p, outline);
  DrawPlayerAntenna(p, outline);
}

// ---- Zumbel

namespace {

Shape FlaskSilhouette() {
  return Union(Union(Circle({52, 40}, 20), RoundRect({52, 17}, {6, 8}, 1.5f)),
               Ellipse({52, 10.5f}, 8, 3));
}

void DrawZumbelLiquid(const Painter& p) {
  const Vec2 c{52, 40};
  // The meniscus climbs the glass: the liquid ends at a large circle's lower edge.
  const Shape surface = Circle({52, -27}, 59);
  const Shape liquid = Subtract(Circle(c, 17.6f), surface);
  p.Fill(liquid, RadialGradient({47, 43}, 19, Rgb(170, 255, 170), Rgb(30, 170, 80)));
  p.Soft(Intersect(Circle(c, 17.6f), Annulus({52, -27}, 59, 1.0f)), Solid(Rgb(210, 255, 215, 0.9f)),
         0.8f);
  // Glow from within and a darker rim at the bottom of the liquid.
  p.Soft(Circle({50, 44}, 8), Solid(Rgb(220, 255, 200, 0.35f)), 8);
  p.Soft(Intersect(liquid, Annulus(c, 17.6f, 2.5f)), Solid(Rgb(20, 120, 60, 0.5f)), 2);
  Pcg32 rng(7);
  const Vec2 bubbles[] = {{45, 47}, {57, 41}, {53, 51}, {60, 49}};
  for (const Vec2 b : bubbles) {
    const float r = rng.Range(1.5f, 3.0f);
    p.Fill(Annulus(b, r - 0.5f, 0.5f), Rgb(235, 255, 235, 0.75f));
    p.Fill(Circle(b - Vec2{r * 0.35f, r * 0.35f}, r * 0.3f), Rgb(255, 255, 255, 0.9f));
  }
}

void DrawZumbelCork(const Painter& p) {
  const Shape cork = RoundRect({52, 6.5f}, {5.2f, 4.7f}, 2);
  p.Fill(Offset(cork, 1), Rgb(80, 48, 25));
  p.Fill(cork, Bevelled(cork, Solid(Rgb(170, 120, 70)), 2, Rgb(215, 170, 115), Rgb(120, 78, 40)));
  for (const float y : {5.0f, 8.2f}) {
    p.Fill(RoundRect({52, y}, {5.2f, 0.55f}, 0.3f), Rgb(120, 78, 40, 0.9f));
  }
}

}  // namespace

void DrawZumbel(const Painter& p) {
  const Shape flask = FlaskSilhouette();
  p.Glow(flask, Rgb(120, 255, 150, 0.25f), 1.5f);
  p.Fill(Offset(flask, 1.2f), Rgb(20, 70, 45));
  p.Fill(flask, Sphere({52, 38}, 24, 26, Rgb(120, 190, 170, 0.35f), Rgb(200, 255, 230, 0.25f),
                       Rgb(235, 255, 245, 0.45f)));
  DrawZumbelLiquid(p);
  // Glass rim and highlights.
  p.Fill(Subtract(flask, Offset(flask, -1.8f)), Rgb(220, 255, 235, 0.85f));
  const Shape arc = Intersect(Annulus({52, 40}, 15, 1.4f), Polygon({{52, 40}, {20, 46}, {36, 10}}));
  p.Soft(arc, Solid(Rgb(255, 255, 255, 0.75f)), 1.2f);
  p.Fill(Circle({62, 31}, 1.5f), Rgb(255, 255, 255, 0.7f));
  p.Fill(RoundRect({49.2f, 18}, {0.8f, 4.5f}, 0.8f), Rgb(255, 255, 255, 0.6f));
  DrawZumbelCork(p);
}

// ---- Spikes

namespace {

void DrawPyramid(const Painter& p, Vec2 c, float half) {
  const Vec2 tl{c.x - half, c.y - half};
  const Vec2 tr{c.x + half, c.y - half};
  const Vec2 br{c.x + half, c.y + half};
  const Vec2 bl{c.x - half, c.y + half};
  const Vec2 apex = c;
  p.Soft(RoundRect(c + Vec2{2.2f, 2.2f}, {half, half}, 2), Solid(Rgb(10, 8, 14, 0.55f)), 3);
  p.Fill(RoundRect(c, {half, half}, 0.8f), Rgb(45, 46, 56));
  struct Face {
    std::vector<Vec2> pts;
    Rgba colour;
  };
  const Face faces[] = {{{tl, tr, apex}, Rgb(215, 220, 232)},
                        {{bl, tl, apex}, Rgb(170, 176, 190)},
                        {{tr, br, apex}, Rgb(95, 100, 112)},
                        {{br, bl, apex}, Rgb(66, 68, 80)}};
  for (const Face& f : faces) {
    const Shape s = Offset(Polygon(f.pts), -0.35f);
    const Rgba edge = Scaled(f.colour, 0.85f);
    p.Fill(s, [=](Vec2 q) { return Mix(Scaled(f.colour, 1.12f), edge, Length(q - apex) / half); });
  }
  // The lit ridge and the glint on the point.
  p.Fill(Capsule(tl + Vec2{0.8f, 0.8f}, apex, 0.45f), Rgb(255, 255, 255, 0.55f));
  p.Fill(Circle(apex, 1.0f), Rgb(255, 255, 255));
}

}  // namespace

void DrawSpikes(const Painter& p) {
  const Shape plate = RoundRect({32, 32}, {27, 27}, 8);
  p.Fill(Offset(plate, 0.8f), Rgb(22, 18, 26));
  p.Fill(plate, Bevelled(plate, VerticalGradient(5, Rgb(58, 54, 62), 59, Rgb(38, 34, 42)), 1.5f,
                         Rgb(120, 112, 125), Rgb(18, 15, 22)));
  const Shape rim = Subtract(Offset(plate, -2), Offset(plate, -4));
  p.Fill(rim, Bevelled(Offset(plate, -2), Solid(Rgb(200, 60, 40)), 1, Rgb(255, 120, 90),
                       Rgb(130, 30, 20)));
  for (const float y : {16.0f, 32.0f, 48.0f}) {
    for (const float x : {16.0f, 32.0f, 48.0f}) DrawPyramid(p, {x, y}, 7.2f);
  }
}

// ---- Fog

namespace {

// Fog alpha over a tile: opaque over the centre cell, falling smoothly to 0
// over the rim, the edge broken up by screen-aligned noise.
float FogAlpha(int i, int j, float sx, float sy) {
  const float half = kFogSize * 0.5f;
  const float core = kFogCell * 0.5f;
  const float rim = half - core;
  const float dx = std::max(0.0f, std::fabs(i + 0.5f - half) - core);
  const float dy = std::max(0.0f, std::fabs(j + 0.5f - half) - core);
  const float d = Length({dx, dy}) / rim;
  const float wisp = Fbm(sx, sy, kFogCell, 2, 31) * 0.25f;
  return std::pow(Clamp01(1 - d * (1 + wisp)), 1.6f);
}

}  // namespace

Rgba FogColour(float sx, float sy) {
  const Rgba slate = Rgb(70, 80, 104);
  const Rgba wisp = Rgb(84, 94, 120);
  const float n = Fbm(sx, sy, kFogCell, 3, 17);
  return Mix(slate, wisp, 0.3f + 0.18f * std::clamp(n, -1.0f, 1.0f));
}

Canvas MakeFog() {
  Canvas c(kFogSize, kFogSize);
  const int shift = kFogCell / 2 - kFogSize / 2;
  for (int j = 0; j < kFogSize; ++j) {
    for (int i = 0; i < kFogSize; ++i) {
      // The screen position this pixel covers, modulo one cell.
      const float sx = static_cast<float>((i + shift + kFogCell * 2) % kFogCell);
      const float sy = static_cast<float>((j + shift + kFogCell * 2) % kFogCell);
      c.Over(i, j, FogColour(sx + 0.5f, sy + 0.5f), FogAlpha(i, j, sx + 0.5f, sy + 0.5f));
    }
  }
  return c;
}

// ---- Explosion

namespace {

Rgba ExplosionRamp(float d) {
  struct Stop {
    float at;
    Rgba colour;
  };
  static const Stop stops[] = {{0.0f, Rgb(255, 252, 235)},
                               {0.2f, Rgb(255, 250, 220)},
                               {0.45f, Rgb(255, 200, 80)},
                               {0.7f, Rgb(245, 110, 30)},
                               {0.92f, Rgb(150, 40, 25)}};
  for (size_t i = 1; i < std::size(stops); ++i) {
    if (d <= stops[i].at) {
      return Mix(stops[i - 1].colour, stops[i].colour,
                 (d - stops[i - 1].at) / (stops[i].at - stops[i - 1].at));
    }
  }
  return stops[std::size(stops) - 1].colour;
}

// Nine rounded billows, irregular in size and spacing, around the burst.
float BurstRadius(float theta) {
  const float u = (theta + kPi) / (2 * kPi);
  const float size = 0.55f + 0.45f * ValueNoise(u * 9, 0.5f, 9, 13);
  const float warp = 0.5f * (ValueNoise(u * 5, 1.5f, 5, 14) - 0.5f);
  const float puff = 0.3f + 0.7f * std::sqrt(std::fabs(std::sin(4.5f * theta + 0.7f + warp)));
  return 40 + 18 * size * puff;
}

}  // namespace

Canvas MakeExplosion() {
  Canvas c(kExplosionSize, kExplosionSize);
  const float centre = kExplosionSize * 0.5f;
  for (int y = 0; y < kExplosionSize; ++y) {
    for (int x = 0; x < kExplosionSize; ++x) {
      const Vec2 q{x + 0.5f - centre, y + 0.5f - centre};
      const float dist = Length(q);
      if (dist >= 60) continue;
      const float turbulence = 1 + 0.12f * Fbm(x + 0.5f, y + 0.5f, 32, 4, 5);
      const float radius = BurstRadius(std::atan2(q.y, q.x));
      // The outline follows the billows; the colour bands only half as much.
      const float d = dist / radius * turbulence;
      const float band = dist / ((radius + 48) * 0.5f) * turbulence;
      const float billow =
          1 + 0.2f * Fbm(x + 0.5f, y + 0.5f, 64, 4, 9) * Smoothstep(0.2f, 0.6f, band);
      const float alpha = (1 - Smoothstep(0.7f, 1.0f, d)) * Smoothstep(60, 56, dist);
      c.Over(x, y, Scaled(ExplosionRamp(band), billow), alpha);
    }
  }
  Painter p(c, {0, 0}, 1);
  Pcg32 rng(11);
  for (int i = 0; i < 12; ++i) {
    const float theta = rng.Range(0, 2 * kPi);
    const Vec2 at = Vec2{centre, centre} + Rotate({rng.Range(38, 53), 0}, theta);
    const float r = rng.Range(1.0f, 2.0f);
    p.Glow(Circle(at, r), Rgb(255, 200, 90, 0.6f), 1.2f);
    p.Fill(Circle(at, r), Rgb(255, 245, 200));
  }
  return c;
}

// ---- Rings

Canvas MakeRing(RingKind kind) {
  const bool death = kind == RingKind::kDeath;
  const Rgba colour = death ? Rgb(255, 120, 70) : Rgb(60, 215, 105);
  const Rgba hot = death ? Rgb(255, 230, 200) : Rgb(215, 255, 215);
  Canvas c(kRingSize, kRingSize);
  Painter p(c, {0, 0}, 1);
  const Vec2 centre{kRingSize * 0.5f, kRingSize * 0.5f};
  p.Glow(Annulus(centre, 30, 2.5f), WithAlpha(colour, 0.5f), 4);
  p.Fill(Annulus(centre, 30, 2.5f), colour);
  p.Fill(Annulus(centre, 28.3f, 0.75f), hot);
  if (death) return c;
  for (int i = 0; i < 8; ++i) {
    const Vec2 at = centre + Rotate({30, 0}, i * kPi / 4 + kPi / 8);
    p.Glow(Circle(at, 1.5f), Rgb(200, 255, 200, 0.6f), 1.5f);
    p.Fill(Sparkle(at, 4.2f, 1.0f, 0), Rgb(240, 255, 240));
  }
  return c;
}

Canvas MakeSprite(int width, int height, void (*draw)(const Painter&)) {
  Canvas c(width, height);
  draw(Painter(c, {0, 0}, 1));
  return c;
}

}  // namespace datagen
