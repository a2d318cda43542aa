// The player's creation and its Playing-state frame work.
#include "game/player.h"

#include "framework/color.h"
#include "framework/game.h"
#include "framework/image_bank.h"
#include "framework/particle.h"
#include "framework/renderer.h"
#include "game/game_screen.h"
#include "game/hazard.h"
#include "game/hud.h"
#include "game/level.h"
#include "game/main_program.h"
#include "game/profile.h"
#include "game/zumbel.h"
#include "platform/audio.h"
#include "platform/input.h"

Ref<TPlayer> player;

namespace {

// The vision radius: 200 pixels less 10 a level, never below 80.
constexpr Int VISION_BASE = 200;
constexpr Int VISION_STEP = 10;
constexpr Float VISION_MIN = 80.0f;

}  // namespace

Ref<TPlayer> TPlayer::CreatePlayer() {
  auto created = New<TPlayer>();
  created->SetImage(imageBank->Find("player"));
  created->shadow = TShadow::Create(1.5f, 1.5f, 0.5f);
  created->SetHitBox(6, 4, 51, 57);
  created->speedX = static_cast<Float>(STARTING_SPEED);
  created->speedY = static_cast<Float>(STARTING_SPEED);
  created->soundBlip = game->LoadGameSound("blip.wav", 0);
  created->soundExplosion = game->LoadGameSound("dead.wav", 0);
  created->soundHit = game->LoadGameSound("hit.wav", 0);
  created->soundStart = game->LoadGameSound("start.wav", 0);
  created->soundPickup = game->LoadGameSound("yum.wav", 0);
  created->soundPickup2 = game->LoadGameSound("pickup.wav", 0);
  created->soundSuccess = game->LoadGameSound("success.wav", 0);
  created->goal = level->GetGoal();
  created->visionRadius = static_cast<Float>(VISION_BASE - VISION_STEP * profile->level);
  if (created->visionRadius < VISION_MIN) created->visionRadius = VISION_MIN;
  created->ResetVariables();
  return created;
}

Int TPlayer::Logic() {
  if (deathAnimCounter == 0 && successAnimCounter == 0) {
    CheckKeys();
    BoundsCheckPlayer();
    Collision();
    GoalTest();
    level->ClearFog(ToInt(x), ToInt(y), visionRadius);
  }
  DeathAnimManage();
  SuccessAnimManage();
  return 0;
}

Int TPlayer::Draw() {
  if (deathAnimCounter != 0 || successAnimCounter != 0) return 0;
  return TSprite::Draw();
}

Int TPlayer::BoundsCheckPlayer() {
  ClampLowFirst(x, w2, renderer->screenWidth - w2);
  ClampLowFirst(y, h2 + THUD::TOP_BAR_HEIGHT,
                renderer->screenHeight - h2 - THUD::BOTTOM_BAR_HEIGHT);
  return 0;
}

Int TPlayer::CheckKeys() {
  if (KeyDown(KEY_LEFT)) x -= speedX;
  if (KeyDown(KEY_RIGHT)) x += speedX;
  if (KeyDown(KEY_UP)) y -= speedY;
  if (KeyDown(KEY_DOWN)) y += speedY;
  return 0;
}

Int TPlayer::Collision() {
  const auto self = std::static_pointer_cast<TSprite>(shared_from_this());
  for (const auto& zumbel : level->zumbelList->Each<TZumbel>()) {
    if (zumbel->CollideSprite(self) == 0) continue;
    level->zumbelList->Remove(zumbel.get());
    DrinkZumbel(zumbel);
  }
  for (const auto& hazard : level->hazardList->Each<THazard>()) {
    if (hazard->CollideSprite(self) == 0) continue;
    game->PlayGameSound(soundHit, channelHit, 1.0f, 1.0f);
    TimeUp();
    break;
  }
  return 0;
}

Int TPlayer::DrinkZumbel(const Ref<TZumbel>& zumbel) {
  profile->score = WrapAdd(profile->score, TZumbel::SCORE);
  HUD->UpdateScore();
  collected += 1;
  HUD->UpdateGoal();
  level->BoostTime(TZumbel::timeBoost);
  game->PlayGameSound(soundPickup2, channelPickup2, 1.0f, 1.0f);
  game->PlayGameSound(soundPickup, channelPickup, 1.0f, 1.0f);

  const Int zx = ToInt(zumbel->x);
  const Int zy = ToInt(zumbel->y);
  const auto& particles = TGameScreen::particleList;
  auto ring = particles->AddNew(imageBank->Find("particlering2"), zx, zy, "", nullptr);
  ring->SetParams(-0.04f, 0.0f, 0.1f, 0.1f, 0.0f, 0.0f);

  auto text = particles->AddNew(nullptr, zx, zy, "+1 Second", mainFont);
  text->SetParams(-0.05f, 0.0f, 0.01f, 0.01f, 0.0f, -1.0f);
  text->scaleX = 0.2f;
  text->scaleY = 0.3f;
  text->alpha = 2.0f;
  text->color = TColor::Create(180, 255, 180, 1.0f);
  text->shadow = TShadow::Create(2.0f, 2.0f, 0.5f);
  text->useRendererCamera = 0;
  return 0;
}

Int TPlayer::GoalTest() {
  if (collected < goal) return 0;
  SuccessAnimStart();
  return 1;
}

Int TPlayer::ResetVariables() {
  ResetVariablesOnDeath();
  collected = 0;
  return 0;
}

Int TPlayer::ResetVariablesOnDeath() {
  x = static_cast<Float>(level->width / 2);
  y = static_cast<Float>(level->height / 2);
  return 0;
}
