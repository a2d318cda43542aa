// The play screen: one level from its start to success, the last death or
// Escape.
#include "game/game_screen.h"

#include "framework/color.h"
#include "framework/game.h"
#include "framework/renderer.h"
#include "game/hud.h"
#include "game/level.h"
#include "game/player.h"
#include "game/title_screen.h"
#include "platform/input.h"

Int TGameScreen::Draw() {
  level->Draw();
  player->Draw();
  particleList->Draw();
  HUD->Draw();
  return 0;
}

Int TGameScreen::Init() {
  game->clsColor = TColor::Create(150, 100, 50, 1.0f);
  level = TLevel::Create();
  level->Init();
  player = TPlayer::CreatePlayer();
  HUD = THUD::Create();
  particleList = TParticleList::Create();
  player->LevelStart();
  renderer->ResetScale();
  renderer->ResetScrolling();
  FlushKeys();
  return 0;
}

Int TGameScreen::Logic() {
  if (KeyHit(KEY_ESCAPE)) {
    renderer->ResetScale();
    renderer->ResetScrolling();
    game->ChangeScreen(TTitleScreen::Create());
    return 0;
  }
  level->Logic();
  player->Logic();
  particleList->Logic();
  return 0;
}

Ref<TGameScreen> TGameScreen::Create() {
  auto screen = New<TGameScreen>();
  screen->Init();
  screen->name = "Game";
  return screen;
}
