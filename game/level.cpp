// The level: placement, fog, timer and drawing.
#include "game/level.h"

#include "framework/game.h"
#include "framework/image_bank.h"
#include "game/hazard.h"
#include "game/hud.h"
#include "game/player.h"
#include "game/profile.h"
#include "game/zumbel.h"
#include "platform/image.h"
#include "platform/maths.h"
#include "util/image_loading.h"
#include "util/utility.h"

Ref<TLevel> level;

namespace {

// Half the side of the square around the centre where the player starts.
constexpr Int START_HALF_SIZE = 80;
// Candidates rejected for one item before placement gives up; far beyond
// anything the real images need.
constexpr Int MAX_REJECTED = 1000000;

Int Seconds(Float seconds) { return ToInt(seconds * game->frameRate); }

// True at the first sprite of the lists, in order, whose hit box overlaps.
bool OverlapsAny(TSprite& sprite, std::initializer_list<const TList*> others) {
  for (const TList* list : others) {
    for (const auto& other : list->Each<TSprite>()) {
      if (sprite.CollideSprite(other) != 0) return true;
    }
  }
  return false;
}

}  // namespace

Ref<TLevel> TLevel::Create() {
  auto created = New<TLevel>();
  created->timeLimit = Seconds(60.0f);
  created->fogWidth = created->width / FOG_SIZE;
  created->fogHeight = created->height / FOG_SIZE;
  created->fog.assign(static_cast<size_t>(created->fogWidth * created->fogHeight), 0);
  return created;
}

Int TLevel::BoostTime(Int frames) {
  timeLeft = WrapAdd(timeLeft, frames);
  if (timeLeft > timeLimit) timeLeft = timeLimit;
  return 0;
}

Int TLevel::ClearFog(Int x, Int y, Float radius) {
  constexpr Float RING_STEP = 16.0f;
  for (Int angle = 0; angle <= 360; ++angle) {
    const Double sine = Sin(angle);
    const Double cosine = Cos(angle);
    for (Float r = RING_STEP; r < radius; r += RING_STEP) {
      const auto px = static_cast<Float>(x + r * sine);
      const auto py = static_cast<Float>(y - r * cosine);
      ClearSingleFog(ccRound(px / static_cast<Float>(FOG_SIZE)),
                     ccRound(py / static_cast<Float>(FOG_SIZE)));
    }
  }
  return 0;
}

Int TLevel::ClearSingleFog(Int column, Int row) {
  if (InGrid(column, row)) fog[Cell(column, row)] = 1;
  return 0;
}

Int TLevel::FogAt(Int column, Int row) const {
  return InGrid(column, row) ? fog[Cell(column, row)] : 0;
}

bool TLevel::InGrid(Int column, Int row) const {
  return column >= 0 && column < fogWidth && row >= 0 && row < fogHeight;
}

size_t TLevel::Cell(Int column, Int row) const {
  return static_cast<size_t>(column * fogHeight + row);
}

Int TLevel::Draw() {
  for (const auto& hazard : hazardList->Each<THazard>()) hazard->Draw();
  for (const auto& zumbel : zumbelList->Each<TZumbel>()) zumbel->Draw();
  const Ref<TImage> fogImage = imageBank->Find("fog")->image;
  constexpr Float HALF = FOG_SIZE / 2;
  for (Int column = 0; column < fogWidth; ++column) {
    for (Int row = 0; row < fogHeight; ++row) {
      if (fog[Cell(column, row)] != 0) continue;
      DrawImage(fogImage, HALF + static_cast<Float>(FOG_SIZE * column),
                HALF + static_cast<Float>(FOG_SIZE * row), 0);
    }
  }
  return 0;
}

Int TLevel::GenerateZumbel() {
  if (zumbelList) zumbelList->Clear();
  zumbelList = New<TList>();
  const Int goal = GetGoal();
  const Int count = ccRound(static_cast<Float>(goal) + static_cast<Float>(goal) * 0.2f);
  for (Int i = 0; i < count; ++i) {
    auto zumbel = TZumbel::CreateZumbel();
    Place(*zumbel, {zumbelList.get()});
    zumbelList->AddLast(zumbel);
  }
  return 0;
}

Int TLevel::GenerateHazards() {
  if (hazardList) hazardList->Clear();
  hazardList = New<TList>();
  const Int count = ccRound(static_cast<Float>(GetGoal()));
  for (Int i = 0; i < count; ++i) {
    auto hazard = THazard::CreateHazard();
    Place(*hazard, {zumbelList.get(), hazardList.get()});
    hazardList->AddLast(hazard);
  }
  return 0;
}

void TLevel::Place(TSprite& sprite, std::initializer_list<const TList*> others) {
  for (Int rejected = 0;; ++rejected) {
    if (rejected == MAX_REJECTED) {
      ccRunTimeError(String("No free place on the level for image '") + sprite.gameImage->name +
                         "' after " + MAX_REJECTED + " tries",
                     1);
    }
    const Int cx = sprite.w2 + Rand(width - sprite.width);
    const Int cy = sprite.h2 + THUD::TOP_BAR_HEIGHT +
                   Rand(height - THUD::TOP_BAR_HEIGHT - THUD::BOTTOM_BAR_HEIGHT - sprite.height);
    if (InStartSquare(cx, cy)) continue;
    sprite.x = static_cast<Float>(cx);
    sprite.y = static_cast<Float>(cy);
    if (!OverlapsAny(sprite, others)) return;
  }
}

bool TLevel::InStartSquare(Int cx, Int cy) const {
  const Int midX = width / 2;
  const Int midY = height / 2;
  return cx >= midX - START_HALF_SIZE && cx < midX + START_HALF_SIZE &&
         cy >= midY - START_HALF_SIZE && cy < midY + START_HALF_SIZE;
}

Int TLevel::GetGoal() const { return Min(profile->level + 4, 10); }

Int TLevel::Logic() {
  if (player->successAnimCounter != 0 || player->deathAnimCounter != 0) return 0;
  if (timeLeft <= 0) return 0;
  timeLeft -= 1;
  if (timeLeft > 0) return 0;
  player->TimeUp();
  if (profile->lives > 0) timeLeft = Seconds(5.0f);
  return 0;
}

Int TLevel::Init() {
  timeLimit = Seconds(static_cast<Float>(22 - 2 * profile->level));
  if (static_cast<Float>(timeLimit) < 10.0f * game->frameRate) timeLimit = Seconds(10.0f);
  timeLeft = timeLimit;
  GenerateZumbel();
  GenerateHazards();
  return 0;
}
