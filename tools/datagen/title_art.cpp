// The title picture: the player's lantern lighting a clearing in the fog,
// zumbels and a spike plate around it, and the game's wordmark.
#include <algorithm>
#include <cmath>

#include "backdrops.h"
#include "noise.h"
#include "sprites.h"

namespace datagen {

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
const Vec2 kPool{512, 445};     // centre of the lantern's light on the ground
const Vec2 kLantern{512, 339};  // the lantern bulb of the 3x player

void PaintGround(Canvas& c) {
  const Rgba ground = Rgb(150, 100, 50);
  Pcg32 grain(29);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const float fine = Fbm(x + 0.5f, y + 0.5f, 64, 5, 41);
      const float broad = Fbm(x * 0.25f, y * 0.25f, 64, 3, 43);
      const float tone = 1 + 0.06f * fine + 0.09f * broad + 0.025f * grain.Signed();
      c.Over(x, y, Scaled(ground, tone), 1);
    }
  }
}

void PaintPebbles(Canvas& c) {
  Painter p(c, {0, 0}, 1);
  Pcg32 rng(3);
  for (int i = 0; i < 320; ++i) {
    const Vec2 at{rng.Range(0, kWidth), rng.Range(0, 620)};
    const float r = rng.Range(1.2f, 5.0f);
    const float stretch = rng.Range(0.55f, 0.9f);
    const float tone = rng.Range(0.6f, 1.3f);
    const Shape pebble = Ellipse(at, r, r * stretch, rng.Range(-0.6f, 0.6f));
    p.Soft(Ellipse(at + Vec2{1.2f, 1.6f}, r, r * stretch), Solid(Rgb(60, 35, 15, 0.45f)), 1.5f);
    const Rgba base = Scaled(Rgb(150, 108, 65), tone);
    p.Fill(pebble, [=](Vec2 q) {
      const float t = Clamp01(0.5f + ((q.y - at.y) + (q.x - at.x) * 0.5f) / (2 * r));
      return Mix(Scaled(base, 1.3f), Scaled(base, 0.65f), t);
    });
  }
}

// Tufts of dry grass: a few thin blades fanning up from one root.
void PaintGrass(Canvas& c) {
  Painter p(c, {0, 0}, 1);
  Pcg32 rng(23);
  for (int i = 0; i < 34; ++i) {
    const Vec2 root{rng.Range(20, kWidth - 20), rng.Range(60, 600)};
    const int blades = 4 + static_cast<int>(rng.Range(0, 4));
    for (int b = 0; b < blades; ++b) {
      const float angle = -kPi / 2 + rng.Range(-0.7f, 0.7f);
      const float length = rng.Range(6, 14);
      const Vec2 tip = root + Rotate({length, 0}, angle);
      const Rgba colour = Mix(Rgb(120, 115, 45), Rgb(170, 160, 80), rng.Uniform());
      p.Fill(Capsule(root, tip, 0.7f), colour);
    }
  }
}

// Warm light from the lantern, strongest under the player.
void PaintLightPool(Canvas& c) {
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const float dx = (x - kPool.x) / 1.5f;
      const float dy = y - kPool.y;
      const float k = std::exp(-(dx * dx + dy * dy) / (210.0f * 210.0f) * 1.4f);
      Rgba& px = c.At(x, y);
      px.r = std::min(1.0f, px.r * (1 + 0.55f * k));
      px.g = std::min(1.0f, px.g * (1 + 0.5f * k));
      px.b = std::min(1.0f, px.b * (1 + 0.35f * k));
    }
  }
}

Vec2 SpriteOrigin(Vec2 centre, Vec2 designCentre, float scale) {
  return centre - designCentre * scale;
}

void PaintGroundShadow(const Painter& p, Vec2 at, float rx, float ry) {
  p.Soft(Ellipse(at, rx, ry), Solid(Rgb(50, 28, 10, 0.5f)), ry * 1.4f);
}

void PaintGlint(const Painter& p, Vec2 at, float size) {
  std::vector<Vec2> pts;
  for (int i = 0; i < 8; ++i) {
    const float r = (i % 2 == 0) ? size : size * 0.16f;
    pts.push_back(at + Rotate({r, 0}, i * kPi / 4 - kPi / 2));
  }
  p.Glow(Circle(at, size * 0.2f), Rgb(230, 255, 220, 0.5f), size * 0.3f);
  p.Fill(Polygon(pts), Rgb(255, 255, 245, 0.95f));
}

void PaintItems(Canvas& c) {
  Painter screen(c, {0, 0}, 1);
  // The spike plate, half swallowed by the fog on the left.
  PaintGroundShadow(screen, {160, 392}, 52, 16);
  DrawSpikes(Painter(c, SpriteOrigin({150, 350}, {32, 32}, 1.55f), 1.55f));
  struct Flask {
    Vec2 at;
    float scale;
  };
  const Flask flasks[] = {{{318, 492}, 1.75f}, {{722, 392}, 1.6f}, {{668, 532}, 1.7f}};
  for (const Flask& f : flasks) {
    PaintGroundShadow(screen, f.at + Vec2{4, 30 * f.scale}, 24 * f.scale, 5 * f.scale);
    DrawZumbel(Painter(c, SpriteOrigin(f.at, {52, 32}, f.scale), f.scale));
    PaintGlint(screen, f.at + Vec2{-10, 2} * f.scale, 7 * f.scale);
  }
  PaintGroundShadow(screen, {514, 508}, 78, 15);
  DrawPlayer(Painter(c, SpriteOrigin({512, 420}, {32, 32}, 3), 3));
}

// Fog density: clear around the lantern, thick towards the edges, thickest
// and darkest under the prompt lines at the bottom.
float FogDensity(float x, float y) {
  const float dx = (x - kPool.x) / 1.55f;
  const float dy = y - (kPool.y - 20);
  const float e = std::sqrt(dx * dx + dy * dy) + 90 * Fbm(x, y, 256, 6, 61);
  const float edges = Smoothstep(190, 315, e);
  const float bottom = Smoothstep(560, 640, y + 35 * Fbm(x, y * 2, 256, 4, 67));
  return std::max(edges, bottom);
}

void PaintFog(Canvas& c) {
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const float density = FogDensity(x + 0.5f, y + 0.5f);
      if (density <= 0) continue;
      const float swirl = Fbm(x + 60 * Fbm(x, y, 256, 3, 71), y * 1.8f, 256, 6, 73);
      const float near = std::exp(-std::pow(Length({(x - kPool.x) / 1.5f, y - kPool.y}) / 330, 2));
      Rgba fog = Mix(Rgb(62, 71, 94), Rgb(104, 114, 140), Clamp01(0.5f + 0.6f * swirl));
      fog = Mix(fog, Rgb(150, 130, 120), near * 0.35f);
      c.Over(x, y, fog, density * (0.86f + 0.14f * Clamp01(0.5f + swirl)));
    }
  }
}

// Darkens the corners and sinks the prompt rows into the dark.
void PaintVignette(Canvas& c) {
  for (int y = 0; y < kHeight; ++y) {
    const float sink = 1 - 0.68f * Smoothstep(520, 640, static_cast<float>(y));
    for (int x = 0; x < kWidth; ++x) {
      const float dx = (x - 512.0f) / 620;
      const float dy = (y - 400.0f) / 480;
      const float k = (1 - 0.45f * Smoothstep(0.45f, 1.25f, dx * dx + dy * dy)) * sink;
      Rgba& px = c.At(x, y);
      px.r = std::max(px.r * k, 10 / 255.0f);
      px.g = std::max(px.g * k, 8 / 255.0f);
      px.b = std::max(px.b * k, 8 / 255.0f);
    }
  }
}

void PaintLanternBloom(Canvas& c) {
  for (int y = 240; y < 440; ++y) {
    for (int x = 412; x < 612; ++x) {
      const float d = Length({x - kLantern.x, y - kLantern.y});
      const float k = 0.55f * std::exp(-d * d / (2 * 22.0f * 22.0f));
      c.AddLight(x, y, k, k * 0.85f, k * 0.45f);
    }
  }
}

void PaintWordmark(Canvas& c, const FontFace& font) {
  const int pad = 24;
  const TextMask text = font.Render("Quorvane", 146, 0.8f, 2, pad);
  const Mask outline = text.mask.Dilated(6);
  Mask shadow = outline;
  shadow.Blur(6);
  const int x = (kWidth - text.mask.width()) / 2;
  const int y = 232 - text.baseline;
  Painter p(c, {0, 0}, 1);
  p.FillMask(shadow, x + 8, y + 8, Solid(Rgb(8, 6, 10, 0.6f)));
  p.FillMask(outline, x, y, Solid(Rgb(20, 25, 60)));
  const float top = y + text.baseline - 112.0f;
  const float bottom = y + text.baseline;
  p.FillMask(text.mask, x, y, [=](Vec2 q) {
    return Mix(Rgb(170, 228, 255), Rgb(80, 120, 255), (q.y - top) / (bottom - top));
  });
  // A glossy edge along the top of each stroke.
  Mask gloss(text.mask.width(), text.mask.height());
  for (int j = 0; j < gloss.height(); ++j) {
    for (int i = 0; i < gloss.width(); ++i) {
      gloss.At(i, j) = std::max(0.0f, text.mask.Get(i, j) - text.mask.Get(i, j - 4));
    }
  }
  p.FillMask(gloss, x, y, Solid(Rgb(235, 250, 255, 0.7f)));
}

}  // namespace

Canvas MakeTitle(const FontFace& font) {
  Canvas c(kWidth, kHeight);
  PaintGround(c);
  PaintPebbles(c);
  PaintGrass(c);
  PaintLightPool(c);
  PaintItems(c);
  PaintFog(c);
  PaintLanternBloom(c);
  PaintVignette(c);
  PaintWordmark(c, font);
  return c;
}

}  // namespace datagen
