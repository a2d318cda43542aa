// The title screen.
#include "game/title_screen.h"

#include "framework/game.h"
#include "framework/renderer.h"
#include "game/credits_screen.h"
#include "game/game_screen.h"
#include "game/profile.h"
#include "platform/input.h"

namespace {

constexpr Int KEY_C = 67;

}  // namespace

Int TTitleScreen::Draw() {
  DrawImage(titleImage, 0.0f, 0.0f);
  for (const CentredLine& prompt : prompts_) prompt.Draw();
  return 0;
}

Int TTitleScreen::Init() {
  game->clsColor = TColor::Create(80, 30, 0, 1.0f);
  titleImage = LoadImage(game->imagePath + "titleimg.jpg", -1);
  selectSound = game->LoadGameSound("select.wav", 0);
  speechSound = game->LoadGameSound("quorvane.wav", 0);
  game->PlayGameSound(speechSound, speechChannel, 1.0f, 1.0f);
  const auto height = static_cast<Float>(renderer->screenHeight);
  prompts_ = {{{"Press <Space> to Play", height - 140.0f, 0.4f, 0.6f,
                TColor::Create(100, 255, 100, 1.0f), TextShadow()},
               {"Press <C> for credits", height - 100.0f, 0.4f, 0.6f,
                TColor::Create(100, 255, 100, 1.0f), TextShadow()},
               {"Press <Esc> to Exit", height - 50.0f, 0.4f, 0.6f,
                TColor::Create(255, 255, 0, 1.0f), TextShadow()}}};
  return 0;
}

Int TTitleScreen::Logic() {
  if (KeyHit(KEY_ESCAPE)) {
    game->endGame = 1;
    return 0;
  }
  if (KeyHit(KEY_SPACE)) {
    Select();
    StartGame();
    game->ChangeScreen(TGameScreen::Create());
  }
  if (KeyHit(KEY_C)) {
    Select();
    game->ChangeScreen(TCreditsScreen::Create());
  }
  return 0;
}

Ref<TTitleScreen> TTitleScreen::Create() { return MakeScreen<TTitleScreen>("Title"); }

Int TTitleScreen::StartGame() {
  profile = TProfile::Create();
  return 0;
}

void TTitleScreen::Select() {
  StopChannel(speechChannel);
  game->PlayGameSound(selectSound, selectChannel, 1.0f, 1.0f);
}
