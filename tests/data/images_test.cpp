// The data folder's pictures, decoded by the platform: sizes, formats, and
// the properties the game relies on (fog feathering and alignment, sprite
// extents that match the hit boxes, bled colour under transparent pixels).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "data_files.h"
#include "platform/pixmap.h"

namespace {

using data_files::kData;

struct Argb {
  int a, r, g, b;
};

Argb At(const Ref<TPixmap>& p, int x, int y) {
  const auto v = static_cast<std::uint32_t>(ReadPixel(p, x, y));
  return {static_cast<int>(v >> 24), static_cast<int>((v >> 16) & 255),
          static_cast<int>((v >> 8) & 255), static_cast<int>(v & 255)};
}

Ref<TPixmap> Load(const std::string& path) {
  data_files::StartHeadless();
  Ref<TPixmap> p = LoadPixmap(String(kData + path));
  EXPECT_TRUE(p) << path << " does not decode";
  return p;
}

// The box holding every pixel with at least the given alpha.
struct Extent {
  int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;
  int Width() const { return x1 - x0 + 1; }
  int Height() const { return y1 - y0 + 1; }
  float CentreX() const { return (x0 + x1 + 1) * 0.5f; }
};

Extent VisibleExtent(const Ref<TPixmap>& p, int alpha = 128) {
  Extent e;
  for (int y = 0; y < p->height; ++y) {
    for (int x = 0; x < p->width; ++x) {
      if (At(p, x, y).a < alpha) continue;
      e.x0 = std::min(e.x0, x);
      e.y0 = std::min(e.y0, y);
      e.x1 = std::max(e.x1, x);
      e.y1 = std::max(e.y1, y);
    }
  }
  return e;
}

struct ImageCase {
  const char* path;
  int width, height;
  bool png;
};

const ImageCase kImages[] = {
    {"Images/player.png", 64, 64, true},        {"Images/zumbel.png", 84, 64, true},
    {"Images/fog.png", 48, 48, true},           {"Images/spikes.png", 64, 64, true},
    {"Images/explosion.png", 128, 128, true},   {"Images/particlering.png", 96, 96, true},
    {"Images/particlering2.png", 96, 96, true}, {"Images/titleimg.jpg", 1024, 768, false},
    {"thistlebane.png", 1024, 768, true},
};

TEST(DataImages, EveryPictureDecodesAtItsDesignedSize) {
  for (const ImageCase& c : kImages) {
    const Ref<TPixmap> p = Load(c.path);
    if (!p) continue;
    EXPECT_EQ(p->width, c.width) << c.path;
    EXPECT_EQ(p->height, c.height) << c.path;
    EXPECT_EQ(p->hasAlpha, c.png) << c.path;
  }
}

TEST(DataImages, PngsAreEightBitRgbaWithoutInterlace) {
  for (const ImageCase& c : kImages) {
    if (!c.png) continue;
    const auto bytes = data_files::ReadBytes(kData + c.path);
    ASSERT_GT(bytes.size(), 33u) << c.path;
    EXPECT_EQ(data_files::Be(bytes, 12, 4), 0x49484452u) << c.path;  // IHDR first
    EXPECT_EQ(bytes[24], 8) << c.path << " bit depth";
    EXPECT_EQ(bytes[25], 6) << c.path << " colour type";
    EXPECT_EQ(bytes[28], 0) << c.path << " interlace";
  }
}

TEST(DataImages, TitleIsABaselineJpeg) {
  const auto bytes = data_files::ReadBytes(kData + "Images/titleimg.jpg");
  ASSERT_GT(bytes.size(), 4u);
  EXPECT_EQ(data_files::Be(bytes, 0, 2), 0xFFD8u);
  // A baseline frame header (SOF0) and no progressive one (SOF2).
  bool baseline = false, progressive = false;
  for (size_t i = 0; i + 1 < bytes.size(); ++i) {
    baseline |= bytes[i] == 0xFF && bytes[i + 1] == 0xC0;
    progressive |= bytes[i] == 0xFF && bytes[i + 1] == 0xC2;
  }
  EXPECT_TRUE(baseline);
  EXPECT_FALSE(progressive);
}

// Transparent pixels next to visible ones carry a visible neighbour's colour,
// so bilinear filtering at the edges never pulls in black.
TEST(DataImages, ColourIsBledIntoTransparentPixels) {
  for (const ImageCase& c : kImages) {
    if (!c.png) continue;
    const Ref<TPixmap> p = Load(c.path);
    if (!p) continue;
    int edgePixels = 0, unbled = 0;
    for (int y = 0; y < p->height; ++y) {
      for (int x = 0; x < p->width; ++x) {
        const Argb here = At(p, x, y);
        if (here.a != 0) continue;
        int best = 256;
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            if (x + dx < 0 || y + dy < 0 || x + dx >= p->width || y + dy >= p->height) continue;
            const Argb n = At(p, x + dx, y + dy);
            if (n.a == 0) continue;
            best = std::min(best, std::max({std::abs(n.r - here.r), std::abs(n.g - here.g),
                                            std::abs(n.b - here.b)}));
          }
        }
        if (best == 256) continue;
        ++edgePixels;
        if (best > 8) ++unbled;
      }
    }
    EXPECT_GT(edgePixels, 0) << c.path << " has no transparent border";
    EXPECT_EQ(unbled, 0) << c.path;
  }
}

TEST(DataImages, FogTileIsOpaqueInTheCellAndFeatheredAroundIt) {
  const Ref<TPixmap> fog = Load("Images/fog.png");
  ASSERT_TRUE(fog);
  for (int y = 8; y < 40; ++y) {
    for (int x = 8; x < 40; ++x) ASSERT_EQ(At(fog, x, y).a, 255) << x << "," << y;
  }
  EXPECT_EQ(At(fog, 0, 0).a, 0);
  EXPECT_EQ(At(fog, 47, 47).a, 0);
  // From the cell's edge outwards the alpha falls through intermediate values
  // without rising again, on every side.
  for (int i = 8; i < 40; i += 5) {
    const int sides[4][4] = {{i, 8, 0, -1}, {i, 39, 0, 1}, {8, i, -1, 0}, {39, i, 1, 0}};
    for (const auto& s : sides) {
      int last = 255, partial = 0;
      for (int step = 1; step <= 8; ++step) {
        const int a = At(fog, s[0] + s[2] * step, s[1] + s[3] * step).a;
        EXPECT_LE(a, last) << "at " << s[0] << "," << s[1] << " step " << step;
        partial += (a > 0 && a < 255) ? 1 : 0;
        last = a;
      }
      EXPECT_GE(partial, 4);
      EXPECT_LT(last, 40);
    }
  }
}

// Tiles overlap their neighbours by 16 pixels; where they do, both must show
// the same colour or the grid shows seams.
TEST(DataImages, FogColourRepeatsEveryCell) {
  const Ref<TPixmap> fog = Load("Images/fog.png");
  ASSERT_TRUE(fog);
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 16; ++x) {
      const Argb a = At(fog, x, y);
      const Argb b = At(fog, x + 32, y);
      const Argb c = At(fog, y, x);
      const Argb d = At(fog, y, x + 32);
      if (a.a > 0 && b.a > 0) {
        EXPECT_TRUE(a.r == b.r && a.g == b.g && a.b == b.b) << x << "," << y;
      }
      if (c.a > 0 && d.a > 0) {
        EXPECT_TRUE(c.r == d.r && c.g == d.g && c.b == d.b) << y << "," << x;
      }
    }
  }
}

// The hit boxes are fixed in code; the drawn bodies must match them.
TEST(DataImages, SpriteBodiesMatchTheirHitBoxes) {
  const Ref<TPixmap> player = Load("Images/player.png");
  const Ref<TPixmap> zumbel = Load("Images/zumbel.png");
  const Ref<TPixmap> spikes = Load("Images/spikes.png");
  ASSERT_TRUE(player && zumbel && spikes);
  const Extent p = VisibleExtent(player);
  EXPECT_NEAR(p.Width(), 50, 4);
  EXPECT_NEAR(p.Height(), 59, 3);
  EXPECT_NEAR(p.CentreX(), 32, 1);
  // The flask sits 10 pixels right of its canvas centre, like its hit box.
  const Extent z = VisibleExtent(zumbel);
  EXPECT_NEAR(z.CentreX(), 52, 1.5);
  EXPECT_NEAR(z.Width(), 44, 4);
  EXPECT_NEAR(z.Height(), 58, 4);
  const Extent s = VisibleExtent(spikes);
  EXPECT_NEAR(s.Width(), 54, 3);
  EXPECT_NEAR(s.Height(), 54, 3);
  EXPECT_NEAR(s.CentreX(), 32, 1);
}

struct MeanColour {
  double r = 0, g = 0, b = 0;
};

MeanColour VisibleMean(const Ref<TPixmap>& p) {
  MeanColour m;
  double weight = 0;
  for (int y = 0; y < p->height; ++y) {
    for (int x = 0; x < p->width; ++x) {
      const Argb c = At(p, x, y);
      m.r += c.r * c.a;
      m.g += c.g * c.a;
      m.b += c.b * c.a;
      weight += c.a;
    }
  }
  m.r /= weight;
  m.g /= weight;
  m.b /= weight;
  return m;
}

TEST(DataImages, RingsAreHollowAndColouredForDeathAndPickup) {
  const Ref<TPixmap> death = Load("Images/particlering.png");
  const Ref<TPixmap> pickup = Load("Images/particlering2.png");
  ASSERT_TRUE(death && pickup);
  for (const auto& ring : {death, pickup}) {
    EXPECT_EQ(At(ring, 48, 48).a, 0);
    EXPECT_EQ(At(ring, 0, 48).a, 0);
    EXPECT_EQ(At(ring, 95, 48).a, 0);
    EXPECT_EQ(At(ring, 48 + 30, 48).a, 255);  // on the ring's centre line
  }
  const MeanColour d = VisibleMean(death);
  const MeanColour g = VisibleMean(pickup);
  EXPECT_GT(d.r, d.g + 60);
  EXPECT_GT(g.g, g.r + 60);
}

// The explosion spins: nothing may show outside its inscribed circle.
TEST(DataImages, ExplosionStaysInsideItsCircle) {
  const Ref<TPixmap> e = Load("Images/explosion.png");
  ASSERT_TRUE(e);
  int outside = 0;
  for (int y = 0; y < 128; ++y) {
    for (int x = 0; x < 128; ++x) {
      const float dx = x + 0.5f - 64, dy = y + 0.5f - 64;
      if (dx * dx + dy * dy > 62.0f * 62.0f && At(e, x, y).a > 0) ++outside;
    }
  }
  EXPECT_EQ(outside, 0);
  EXPECT_EQ(At(e, 64, 64).a, 255);
}

// The prompts are drawn over the bottom of the title picture: it stays dark
// there, and no pixel is pure black anywhere.
TEST(DataImages, TitleIsDarkUnderThePromptsAndNeverPureBlack) {
  const Ref<TPixmap> t = Load("Images/titleimg.jpg");
  ASSERT_TRUE(t);
  double bottom = 0;
  int black = 0;
  for (int y = 0; y < 768; ++y) {
    for (int x = 0; x < 1024; ++x) {
      const Argb c = At(t, x, y);
      if (c.r + c.g + c.b == 0) ++black;
      if (y >= 600) bottom += (c.r + c.g + c.b) / 3.0;
    }
  }
  EXPECT_EQ(black, 0);
  EXPECT_LT(bottom / (168 * 1024), 0.35 * 255);
}

TEST(DataImages, SplashLogoIsCentredOnATransparentBackground) {
  const Ref<TPixmap> s = Load("thistlebane.png");
  ASSERT_TRUE(s);
  for (const auto& [x, y] : {std::pair{0, 0}, {1023, 0}, {0, 767}, {1023, 767}}) {
    EXPECT_EQ(At(s, x, y).a, 0);
  }
  const Extent e = VisibleExtent(s, 250);
  EXPECT_NEAR(e.CentreX(), 512, 8);
  EXPECT_GT(e.Width(), 300);
  EXPECT_GT(e.y0, 100);
  EXPECT_LT(e.y1, 668);
}

}  // namespace
