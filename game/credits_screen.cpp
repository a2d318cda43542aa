// The credits screen.
#include "game/credits_screen.h"

#include "framework/game.h"
#include "framework/renderer.h"
#include "game/title_screen.h"
#include "platform/input.h"

namespace {

// A role (green) or a name (cyan), at its distance below the first role.
struct Credit {
  const char* text;
  Int offset;
  bool isName;
};

constexpr Credit CREDITS[] = {
    {"Programming and Design", 0, false}, {"Orrindale", 45, true},
    {"Title Screen", 108, false},         {"Vessmont", 153, true},
    {"Other Graphics", 216, false},       {"Orrindale", 261, true},
    {"Sound Design", 324, false},         {"Orrindale", 369, true},
};

constexpr Float CREDIT_SCALE_X = 0.4f;
constexpr Float CREDIT_SCALE_Y = 0.6f;

}  // namespace

Int TCreditsScreen::Draw() {
  for (const CentredLine& line : lines_) line.Draw();
  return 0;
}

Int TCreditsScreen::Init() {
  game->clsColor = TColor::Create(0, 0, 0, 1.0f);
  selectSound = game->LoadGameSound("select.wav", 0);
  const Int height = renderer->screenHeight;
  const Int firstRole = height / 2 - 160;
  lines_.push_back(
      {game->name, 10.0f, 1.2f, 2.4f, TColor::Create(100, 150, 255, 1.0f), HeadingShadow()});
  for (const Credit& credit : CREDITS) {
    lines_.push_back(
        {credit.text, static_cast<Float>(firstRole + credit.offset), CREDIT_SCALE_X, CREDIT_SCALE_Y,
         credit.isName ? TColor::Create(100, 255, 255, 1.0f) : TColor::Create(100, 255, 100, 1.0f),
         TextShadow()});
  }
  lines_.push_back({"Press <Space> to go back", static_cast<Float>(height - 100), 0.5f, 0.8f,
                    TColor::Create(255, 255, 0, 1.0f), TextShadow()});
  return 0;
}

Int TCreditsScreen::Logic() {
  if (!KeyHit(KEY_SPACE) && !KeyHit(KEY_ESCAPE)) return 0;
  game->PlayGameSound(selectSound, selectChannel, 1.0f, 1.0f);
  game->ChangeScreen(TTitleScreen::Create());
  return 0;
}

Ref<TCreditsScreen> TCreditsScreen::Create() { return MakeScreen<TCreditsScreen>("Credits"); }
