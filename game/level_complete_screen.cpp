// The level-complete screen and its time bonus.
#include "game/level_complete_screen.h"

#include "framework/game.h"
#include "game/game_screen.h"
#include "game/level.h"
#include "game/profile.h"
#include "platform/input.h"
#include "platform/maths.h"
#include "util/utility.h"

namespace {

// Milliseconds per frame as the bonus and the display count them: a
// single-precision constant just below 1000 / 60.
constexpr Float FRAME_MILLISECONDS = 16.666666f;
constexpr Int TIME_TEXT_LENGTH = 5;

}  // namespace

Int TLevelCompleteScreen::Draw() {
  heading_.Draw();
  statColumn->Draw();
  numColumn->Draw();
  prompt_.Draw();
  return 0;
}

Int TLevelCompleteScreen::Init() {
  game->clsColor = TColor::Create(0, 50, 0, 1.0f);
  selectSound = game->LoadGameSound("select.wav", 0);
  statColumn = CaptionColumn(260.0f);
  statColumn->AddLabel("Current Score:");
  statColumn->AddLabel("Time Left:");
  statColumn->AddLabel("Time Bonus:");
  numColumn = ValueColumn(605.0f);
  numColumn->AddLabel(ScoreText());
  const auto seconds = static_cast<Float>(GetSeconds());
  numColumn->AddLabel(Left(String::FromFloat(seconds), TIME_TEXT_LENGTH) + " secs");
  numColumn->AddLabel("+ " + String::FromInt(TimeBonus()) + " points");
  heading_ = ResultHeading("Level " + String::FromInt(profile->level) + " Complete!",
                           TColor::Create(100, 255, 100, 1.0f));
  prompt_ = ContinuePrompt();
  return 0;
}

Int TLevelCompleteScreen::Logic() {
  if (KeyHit(KEY_ESCAPE)) Close();
  if (KeyHit(KEY_SPACE) || KeyHit(KEY_ENTER) || ccMouseHit()) Close();
  return 0;
}

Ref<TLevelCompleteScreen> TLevelCompleteScreen::Create() {
  return MakeScreen<TLevelCompleteScreen>("Level Complete");
}

Int TLevelCompleteScreen::Close() {
  profile->level += 1;
  profile->score = WrapAdd(profile->score, TimeBonus());
  game->PlayGameSound(selectSound, selectChannel, 1.0f, 1.0f);
  game->ChangeScreen(TGameScreen::Create());
  return 0;
}

Double TLevelCompleteScreen::GetSeconds() {
  return static_cast<Double>(level->timeLeft) * static_cast<Double>(FRAME_MILLISECONDS) / 1000.0;
}

Int TLevelCompleteScreen::TimeBonus() { return ToInt(Floor(GetSeconds()) * 2.0); }
