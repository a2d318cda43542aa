// TLevel: the play field of one level (1024 x 768), its fog grid of 32-pixel
// cells, the zumbels and hazards placed on it and the level's timer. The
// current level is the global `level`, made by the play screen per level.
#pragma once

#include <initializer_list>
#include <vector>

#include "platform/list.h"

class TSprite;

class TLevel : public Object {
 public:
  // Side of one fog cell in pixels.
  static constexpr Int FOG_SIZE = 32;

  // A new level with the defaults: no zumbels or hazards, all fog covered,
  // a time limit of 60 seconds. Needs the global game (its frame rate).
  static Ref<TLevel> Create();

  // timeLeft += frames, capped at timeLimit.
  Int BoostTime(Int frames);
  // Clears the cells under the rings r = 16, 32, ... (r < radius) around
  // (x, y) on each whole angle 0..360, a point mapping to its cell through
  // ccRound(p / 32). The centre itself is never used.
  Int ClearFog(Int x, Int y, Float radius);
  // Marks one cell cleared; cells outside the grid are ignored.
  Int ClearSingleFog(Int column, Int row);
  // Hazards, zumbels (with their shadows, under the camera), then every
  // covered fog cell in screen pixels. Leaves the drawing state at its
  // defaults.
  Int Draw();
  // Replaces zumbelList with ccRound(goal * 1.2) zumbels placed at random.
  Int GenerateZumbel();
  // Replaces hazardList with goal hazards placed at random, clear of the
  // zumbels.
  Int GenerateHazards();
  // Zumbels to collect: min(profile level + 4, 10).
  Int GetGoal() const;
  // One frame of the timer; frozen while the global player animates. At 0
  // the player's TimeUp runs, and with lives left the timer restarts at 5 s
  // (not capped by the limit).
  Int Logic();
  // The time limit and time left for the profile's level, then the zumbels
  // and the hazards. Random draws: per candidate x then y.
  Int Init();

  // 1 when cell (column, row) is cleared, 0 when covered or off the grid.
  Int FogAt(Int column, Int row) const;

  Int width = 1024;
  Int height = 768;
  Int timeLeft = 0;
  Int timeLimit = 0;
  Ref<TList> zumbelList;
  Ref<TList> hazardList;
  Int fogWidth = 0;
  Int fogHeight = 0;
  std::vector<Int> fog;  // column-major: fog[column * fogHeight + row]; 1 = cleared

 private:
  // Draws candidate positions until one lies outside the start square and
  // overlaps no sprite of `others`, and moves the sprite there. Ends through
  // the fatal-error protocol, naming the image, after too many rejections.
  void Place(TSprite& sprite, std::initializer_list<const TList*> others);
  bool InStartSquare(Int cx, Int cy) const;
  bool InGrid(Int column, Int row) const;
  // Index of a cell of the grid in `fog`.
  size_t Cell(Int column, Int row) const;
};

// The level being played; Null until the first play screen.
extern Ref<TLevel> level;
