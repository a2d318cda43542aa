// The contact sheet: every picture of a data folder on one page, the sprites
// magnified over a checkerboard, and a play field assembled from the files
// the way the game draws them (ground, shadows, sprites, fog, particles).
#include "contact_sheet.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "image_files.h"
#include "noise.h"
#include "raster.h"

namespace datagen {

namespace {

namespace fs = std::filesystem;

constexpr int kMargin = 20;
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kSheetWidth = 2 * kScreenWidth + 3 * kMargin;
constexpr int kSpriteRow = 300;
constexpr int kSheetHeight = kSpriteRow + 2 * kScreenHeight + 4 * kMargin;

Rgba Sample(const Picture& p, float u, float v) {
  const auto texel = [&](int x, int y) {
    x = std::clamp(x, 0, p.width - 1);
    y = std::clamp(y, 0, p.height - 1);
    const std::uint8_t* q = &p.rgba[(static_cast<size_t>(y) * p.width + x) * 4];
    return Rgb(q[0], q[1], q[2], q[3] / 255.0f);
  };
  const int x0 = static_cast<int>(std::floor(u));
  const int y0 = static_cast<int>(std::floor(v));
  const float fx = u - x0;
  const float fy = v - y0;
  return Mix(Mix(texel(x0, y0), texel(x0 + 1, y0), fx),
             Mix(texel(x0, y0 + 1), texel(x0 + 1, y0 + 1), fx), fy);
}

struct DrawOptions {
  float scale = 1;
  float alpha = 1;
  bool black = false;  // the shadow pass: the image's shape in black
};

// Draws a picture with its top-left corner at (x, y), filtered bilinearly
// in straight alpha as the game's renderer does.
void Blit(Canvas& c, const Picture& p, float x, float y, DrawOptions o = {}) {
  const int x0 = std::max(0, static_cast<int>(std::floor(x)));
  const int y0 = std::max(0, static_cast<int>(std::floor(y)));
  const int x1 = std::min(c.width(), static_cast<int>(std::ceil(x + p.width * o.scale)));
  const int y1 = std::min(c.height(), static_cast<int>(std::ceil(y + p.height * o.scale)));
  for (int ty = y0; ty < y1; ++ty) {
    for (int tx = x0; tx < x1; ++tx) {
      const float u = (tx + 0.5f - x) / o.scale - 0.5f;
      const float v = (ty + 0.5f - y) / o.scale - 0.5f;
      if (u < -0.5f || v < -0.5f || u > p.width - 0.5f || v > p.height - 0.5f) continue;
      Rgba s = Sample(p, u, v);
      if (o.black) s = {0, 0, 0, s.a};
      c.Over(tx, ty, s, o.alpha);
    }
  }
}

// Draws a picture centred at (x, y), as the game draws bank images.
void BlitMid(Canvas& c, const Picture& p, float x, float y, DrawOptions o = {}) {
  Blit(c, p, x - p.width * o.scale * 0.5f, y - p.height * o.scale * 0.5f, o);
}

void FillRect(Canvas& c, int x, int y, int w, int h, Rgba colour) {
  for (int ty = std::max(0, y); ty < std::min(c.height(), y + h); ++ty) {
    for (int tx = std::max(0, x); tx < std::min(c.width(), x + w); ++tx) c.Over(tx, ty, colour, 1);
  }
}

void Checkerboard(Canvas& c, int x, int y, int w, int h) {
  for (int ty = 0; ty < h; ++ty) {
    for (int tx = 0; tx < w; ++tx) {
      const bool light = ((tx / 8) + (ty / 8)) % 2 == 0;
      FillRect(c, x + tx, y + ty, 1, 1, light ? Rgb(190, 190, 190) : Rgb(140, 140, 140));
    }
  }
}

struct Pictures {
  Picture player, zumbel, fog, spikes, explosion, ring, ring2, title, splash;
};

Pictures Load(const fs::path& data) {
  const fs::path images = data / "Images";
  return {ReadPicture((images / "player.png").string()),
          ReadPicture((images / "zumbel.png").string()),
          ReadPicture((images / "fog.png").string()),
          ReadPicture((images / "spikes.png").string()),
          ReadPicture((images / "explosion.png").string()),
          ReadPicture((images / "particlering.png").string()),
          ReadPicture((images / "particlering2.png").string()),
          ReadPicture((images / "titleimg.jpg").string()),
          ReadPicture((data / "thistlebane.png").string())};
}

// The sprites at 3x (the explosion and rings at 2x) over a checkerboard.
void DrawSprites(Canvas& c, const Pictures& p, int top) {
  const Picture* row[] = {&p.player, &p.zumbel, &p.spikes, &p.fog, &p.explosion, &p.ring, &p.ring2};
  int x = kMargin;
  for (const Picture* pic : row) {
    const float scale = pic->width > 90 ? 2.0f : 3.0f;
    const int w = static_cast<int>(pic->width * scale);
    const int h = static_cast<int>(pic->height * scale);
    Checkerboard(c, x, top, w, h);
    Blit(c, *pic, static_cast<float>(x), static_cast<float>(top), {scale});
    x += w + kMargin;
  }
}

struct Item {
  float x, y;
};

// A play field in the middle of a level: part of the fog cleared along the
// player's path, a pickup ring and a fading explosion.
void DrawPlayField(Canvas& c, const Pictures& p, int left, int top) {
  Canvas field(kScreenWidth, kScreenHeight);
  FillRect(field, 0, 0, kScreenWidth, kScreenHeight, Rgb(150, 100, 50));
  Pcg32 rng(5);
  std::vector<Item> hazards, zumbels;
  for (int i = 0; i < 8; ++i) hazards.push_back({32 + rng.Range(0, 960), 82 + rng.Range(0, 604)});
  for (int i = 0; i < 9; ++i) zumbels.push_back({42 + rng.Range(0, 940), 82 + rng.Range(0, 604)});
  for (const auto* list : {&hazards, &zumbels}) {
    const Picture& pic = list == &hazards ? p.spikes : p.zumbel;
    for (const Item& it : *list) {
      BlitMid(field, pic, it.x + 1.5f, it.y + 1.5f, {1, 0.5f, true});
      BlitMid(field, pic, it.x, it.y);
    }
  }
  const Item path[] = {{512, 384}, {420, 330}, {330, 300}, {250, 360}, {200, 470}, {300, 560}};
  for (int r = 0; r < 24; ++r) {
    for (int col = 0; col < 32; ++col) {
      const float cx = 16 + 32.0f * col;
      const float cy = 16 + 32.0f * r;
      bool cleared = false;
      for (const Item& it : path) cleared |= std::hypot(cx - it.x, cy - it.y) < 80;
      if (!cleared) BlitMid(field, p.fog, cx, cy);
    }
  }
  BlitMid(field, p.player, 301.5f, 561.5f, {1, 0.5f, true});
  BlitMid(field, p.player, 300, 560);
  BlitMid(field, p.ring2, 250, 360, {1.8f, 0.7f});
  for (int i = 0; i < 8; ++i) {
    BlitMid(field, p.explosion, 440 + rng.Range(-50, 50), 330 + rng.Range(-50, 50),
            {rng.Range(0.6f, 1.4f), 0.6f});
  }
  BlitMid(field, p.ring, 440, 330, {2.2f, 0.5f});
  FillRect(field, 0, 0, 1024, 50, Rgb(0, 0, 0, 0.75f));
  FillRect(field, 0, 718, 1024, 50, Rgb(0, 0, 0, 0.75f));
  c.Draw(field, left, top);
}

}  // namespace

void WriteContactSheet(const fs::path& data, const std::string& out) {
  const Pictures p = Load(data);
  Canvas sheet(kSheetWidth, kSheetHeight);
  FillRect(sheet, 0, 0, kSheetWidth, kSheetHeight, Rgb(40, 40, 46));
  DrawSprites(sheet, p, kMargin);
  const int row2 = kSpriteRow + 2 * kMargin;
  const int row3 = row2 + kScreenHeight + kMargin;
  const int right = 2 * kMargin + kScreenWidth;
  DrawPlayField(sheet, p, kMargin, row2);
  Blit(sheet, p.title, right, row2);
  FillRect(sheet, kMargin, row3, kScreenWidth, kScreenHeight, Rgb(0, 0, 0));
  Blit(sheet, p.splash, kMargin, row3);
  WritePng(out, kSheetWidth, kSheetHeight, ToRgba8Bled(sheet));
}

}  // namespace datagen
