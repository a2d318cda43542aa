// The player's timed sequences: the level start, the loss of a life, the
// death and success animations with their camera zoom, and the changes of
// screen at their ends. No field holds the player's state: it is Playing
// while both counters are 0, Dying while deathAnimCounter > 0 and Succeeding
// while successAnimCounter > 0 (the last two can hold together).
#include "framework/color.h"
#include "framework/game.h"
#include "framework/image_bank.h"
#include "framework/particle.h"
#include "framework/renderer.h"
#include "game/game_over_screen.h"
#include "game/game_screen.h"
#include "game/hud.h"
#include "game/level.h"
#include "game/level_complete_screen.h"
#include "game/main_program.h"
#include "game/player.h"
#include "game/profile.h"
#include "platform/input.h"
#include "platform/maths.h"

namespace {

// Frames of the death animation that TimeUp starts.
constexpr Int TIME_UP_FRAMES = 80;
// Game scale added on both axes in each frame of an animation.
constexpr Float DEATH_ZOOM_STEP = 0.02f;
constexpr Float SUCCESS_ZOOM_STEP = 0.01f;

// The explosions of a death: how many, how far from the player they may
// lie, their starting scale, the range of their growth per frame and of
// their spin in degrees per frame.
constexpr Int EXPLOSION_COUNT = 8;
constexpr Int EXPLOSION_REACH = 50;
constexpr Float EXPLOSION_SCALE = 0.3f;
constexpr Float EXPLOSION_GROWTH_MIN = 0.05f;
constexpr Float EXPLOSION_GROWTH_MAX = 0.1f;
constexpr Int EXPLOSION_SPIN_MIN = 10;
constexpr Int EXPLOSION_SPIN_MAX = 30;
// Fading and growth per frame of the death ring and of each explosion.
constexpr Float BURST_FADE = -0.04f;
constexpr Float RING_GROWTH = 0.1f;

// One of the three messages: a text particle centred on (level width / 2,
// y) in screen pixels, with a 3, 3 drop shadow at alpha 0.5.
struct TextShape {
  Int y;
  Float alphaDelta;
  Float scaleDelta;  // per frame, on both axes
  Float speedY;
  Float scaleX;
  Float scaleY;
  Float alpha;
  Int red, green, blue;
};

constexpr TextShape GOAL_TEXT = {150, -0.03f, 0.003f, 0.0f, 1.0f, 1.5f, 2.0f, 255, 190, 255};
constexpr TextShape DIED_TEXT = {300, -0.015f, 0.015f, -1.0f, 1.0f, 1.5f, 1.0f, 255, 0, 0};
constexpr TextShape AWESOME_TEXT = {300, -0.015f, 0.015f, -1.0f, 1.46f, 2.2f, 1.0f, 150, 255, 255};
constexpr Float TEXT_SHADOW_OFFSET = 3.0f;
constexpr Float TEXT_SHADOW_ALPHA = 0.5f;

void AddText(const String& text, const TextShape& shape) {
  auto particle =
      TGameScreen::particleList->AddNew(nullptr, level->width / 2, shape.y, text, mainFont);
  particle->SetParams(shape.alphaDelta, 0.0f, shape.scaleDelta, shape.scaleDelta, 0.0f,
                      shape.speedY);
  particle->scaleX = shape.scaleX;
  particle->scaleY = shape.scaleY;
  particle->alpha = shape.alpha;
  particle->color = TColor::Create(shape.red, shape.green, shape.blue, 1.0f);
  particle->shadow = TShadow::Create(TEXT_SHADOW_OFFSET, TEXT_SHADOW_OFFSET, TEXT_SHADOW_ALPHA);
  particle->useRendererCamera = 0;
}

// The ring and the eight explosions around the place of death, under the
// camera. Each explosion takes four random draws: y, x, growth, spin.
void AddDeathBurst(Float x, Float y) {
  const auto& particles = TGameScreen::particleList;
  auto ring = particles->AddNew(imageBank->Find("particlering"), ToInt(x), ToInt(y), "", nullptr);
  ring->SetParams(BURST_FADE, 0.0f, RING_GROWTH, RING_GROWTH, 0.0f, 0.0f);
  const auto reach = static_cast<Float>(EXPLOSION_REACH);
  for (Int i = 0; i < EXPLOSION_COUNT; ++i) {
    const Int ey = Rand(ToInt(y - reach), ToInt(y + reach));
    const Int ex = Rand(ToInt(x - reach), ToInt(x + reach));
    auto explosion = particles->AddNew(imageBank->Find("explosion"), ex, ey, "", nullptr);
    explosion->SetScaleParams(EXPLOSION_SCALE, EXPLOSION_SCALE);
    const auto growth = static_cast<Float>(Rnd(EXPLOSION_GROWTH_MIN, EXPLOSION_GROWTH_MAX));
    const Int spin = Rand(EXPLOSION_SPIN_MIN, EXPLOSION_SPIN_MAX);
    explosion->SetParams(BURST_FADE, static_cast<Float>(spin), growth, growth, 0.0f, 0.0f);
  }
}

// One zoom frame: the counter down by one, the game scale up by the step on
// both axes, the camera on (x, y). True when the counter has run out.
bool ZoomStep(Int& counter, Float step, Float x, Float y) {
  counter -= 1;
  renderer->scaleX += step;
  renderer->scaleY += step;
  renderer->CentreOnCoords(x, y);
  return counter <= 0;
}

void ResetCamera() {
  renderer->ResetScale();
  renderer->ResetScrolling();
}

}  // namespace

Int TPlayer::LevelStart() {
  game->PlayGameSound(soundStart, channelStart, 1.0f, 1.0f);
  AddText(String("Find ") + goal + " Zumbels", GOAL_TEXT);
  FlushKeys();
  return 0;
}

Int TPlayer::TimeUp() {
  profile->UpdateLives(-1);
  DeathAnimStart(TIME_UP_FRAMES);
  AddText("You Died!", DIED_TEXT);
  return 0;
}

Int TPlayer::DeathAnimStart(Int frames) {
  AddDeathBurst(x, y);
  deathAnimCounter = frames == 0 ? deathAnimCounterMax : frames;
  ResetVariablesOnDeath();
  HUD->UpdateLives();
  game->PlayGameSound(soundExplosion, channelExplosion, 1.0f, 1.0f);
  return 0;
}

Int TPlayer::DeathAnimManage() {
  if (deathAnimCounter <= 0) return 0;
  if (!ZoomStep(deathAnimCounter, DEATH_ZOOM_STEP, x, y)) return 0;
  DeathAnimEnd();
  return 1;
}

Int TPlayer::DeathAnimEnd() {
  ResetCamera();
  if (profile->lives <= 0) {
    game->ChangeScreen(TGameOverScreen::Create());
    return 1;
  }
  LevelStart();
  return 0;
}

Int TPlayer::SuccessAnimStart() {
  AddText("AWESOME!", AWESOME_TEXT);
  successAnimCounter = successAnimCounterMax;
  game->PlayGameSound(soundSuccess, channelSuccess, 1.0f, 1.0f);
  return 0;
}

Int TPlayer::SuccessAnimManage() {
  if (successAnimCounter <= 0) return 0;
  if (!ZoomStep(successAnimCounter, SUCCESS_ZOOM_STEP, x, y)) return 0;
  SuccessAnimEnd();
  return 1;
}

Int TPlayer::SuccessAnimEnd() {
  ResetCamera();
  game->ChangeScreen(TLevelCompleteScreen::Create());
  return 0;
}
