// The splash screen.
#include "game/intro_screen.h"

#include "framework/game.h"
#include "game/title_screen.h"
#include "platform/draw.h"
#include "platform/input.h"

namespace {

constexpr Float SPLASH_SECONDS = 3.0f;

}  // namespace

TIntroScreen::TIntroScreen() : LENGTH(ToInt(SPLASH_SECONDS * game->frameRate)) {}

Int TIntroScreen::Draw() {
  const Float rate = game->frameRate;
  const Int fadeFrames = ToInt(rate);
  const Float fadeOutStart = static_cast<Float>(LENGTH - fadeFrames);
  const Float shown = static_cast<Float>(counter);
  if (shown < rate) SetAlpha(shown / rate);
  if (shown > fadeOutStart) {
    SetAlpha(1.0f - (shown - fadeOutStart) / static_cast<Float>(fadeFrames));
  }
  DrawImage(splash, 0.0f, 0.0f);
  SetAlpha(1.0f);
  return 0;
}

Int TIntroScreen::Init() {
  game->clsColor = TColor::Create(0, 0, 0, 1.0f);
  splash = LoadImage(game->dataPath + "thistlebane.png", -1);
  introSound = game->LoadGameSound("splashsound.wav", 0);
  game->PlayGameSound(introSound, introChannel, 1.0f, 1.0f);
  return 0;
}

Int TIntroScreen::Logic() {
  if (KeyHit(KEY_ESCAPE)) {
    game->endGame = 1;
    return 0;
  }
  if (KeyHit(KEY_SPACE) || KeyHit(KEY_ENTER)) return NextScreen();
  ++counter;
  if (counter >= LENGTH) NextScreen();
  return 0;
}

Ref<TIntroScreen> TIntroScreen::Create() { return MakeScreen<TIntroScreen>("Intro"); }

Int TIntroScreen::NextScreen() {
  StopChannel(introChannel);
  game->ChangeScreen(TTitleScreen::Create());
  return 0;
}
