// The game's sprites. Each Draw function paints one design in its own units
// (one unit = one pixel of the sprite file) through a painter, so the same
// design draws the sprite file at 1x and the title picture's art at any scale.
#pragma once

#include "raster.h"

namespace datagen {

// Canvas sizes of the sprite files.
constexpr int kPlayerSize = 64;
constexpr int kZumbelWidth = 84;
constexpr int kZumbelHeight = 64;
constexpr int kSpikesSize = 64;
constexpr int kFogSize = 48;
constexpr int kFogCell = 32;
constexpr int kExplosionSize = 128;
constexpr int kRingSize = 96;

void DrawPlayer(const Painter& p);
void DrawZumbel(const Painter& p);
void DrawSpikes(const Painter& p);

// Fog colour at a screen position (periodic over one fog cell).
Rgba FogColour(float sx, float sy);
Canvas MakeFog();
Canvas MakeExplosion();
enum class RingKind { kDeath, kPickup };
Canvas MakeRing(RingKind kind);

// A sprite canvas with the design drawn at 1x.
Canvas MakeSprite(int width, int height, void (*draw)(const Painter&));

}  // namespace datagen
