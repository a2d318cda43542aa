// The game-over screen.
#include "game/game_over_screen.h"

#include "framework/game.h"
#include "game/profile.h"
#include "game/title_screen.h"
#include "platform/input.h"
#include "util/utility.h"

Int TGameOverScreen::Draw() {
  heading_.Draw();
  statColumn->Draw();
  numColumn->Draw();
  prompt_.Draw();
  return 0;
}

Int TGameOverScreen::Init() {
  game->clsColor = TColor::Create(50, 0, 0, 1.0f);
  selectSound = game->LoadGameSound("select.wav", 0);
  gameOverSound = game->LoadGameSound("gameover.wav", 0);
  game->PlayGameSound(gameOverSound, gameOverChannel, 1.0f, 1.0f);
  statColumn = CaptionColumn(300.0f);
  statColumn->AddLabel("Final  Score:");
  statColumn->AddLabel("Final  Level:");
  numColumn = ValueColumn(600.0f);
  numColumn->AddLabel(ScoreText());
  numColumn->AddLabel(String::FromInt(profile->level));
  heading_ = ResultHeading("Game Over", TColor::Create(255, 50, 50, 1.0f));
  prompt_ = ContinuePrompt();
  return 0;
}

Int TGameOverScreen::Logic() {
  if (KeyHit(KEY_ESCAPE)) Close();
  if (KeyHit(KEY_SPACE) || KeyHit(KEY_ENTER) || ccMouseHit()) Close();
  return 0;
}

Ref<TGameOverScreen> TGameOverScreen::Create() { return MakeScreen<TGameOverScreen>("Game Over"); }

Int TGameOverScreen::Close() {
  StopChannel(gameOverChannel);
  game->PlayGameSound(selectSound, selectChannel, 1.0f, 1.0f);
  game->ChangeScreen(TTitleScreen::Create());
  return 0;
}
