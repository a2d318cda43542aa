// The stand-in first screen: the title text on a dark background.
#include "game/stand_in_screen.h"

#include "framework/game.h"
#include "framework/renderer.h"
#include "game/main_program.h"

Int TStandInScreen::Draw() {
  renderer->OutputTextCentered(game->name, 300.0f, mainFont, 1.0f, 1.0f, nullptr, shadow_);
  return 0;
}

Int TStandInScreen::Init() {
  game->clsColor = TColor::Create(20, 20, 40, 1.0f);
  shadow_ = TShadow::Create(3.0f, 3.0f, 0.5f);
  return 0;
}

Int TStandInScreen::Logic() { return 0; }

Ref<TStandInScreen> TStandInScreen::Create() {
  auto screen = New<TStandInScreen>();
  screen->name = "Stand-in";
  screen->Init();
  return screen;
}
