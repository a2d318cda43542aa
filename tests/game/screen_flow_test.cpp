// The screen flow of the whole game: which input on which screen leads to
// which screen, whether the program ends, and which sounds are cut or go on
// playing over the next screen.
#include <gtest/gtest.h>

#include <functional>

#include "game/credits_screen.h"
#include "game/game_over_screen.h"
#include "game/level_complete_screen.h"
#include "game/title_screen.h"
#include "screen_fixture.h"

namespace {

using namespace screen_fixture;

constexpr Int KEY_C = 67;

struct FlowCase {
  const char* label;
  std::function<Ref<TScreen>()> make;
  std::vector<Int> keys;
  Int button;  // mouse button clicked as well, 0 for none
  const char* next;
  Int endGame;
  const char* cut;  // a sound the change stops, or ""
  bool selectPlays;
  std::vector<Int> profileAfter;  // level, lives, score
};

// The profile each case starts with, and what a new game or the next level
// makes of it.
const std::vector<Int> KEPT = {5, 0, 700};
const std::vector<Int> FRESH = {1, 3, 0};
const std::vector<Int> NEXT = {6, 0, 700};

void PrintTo(const FlowCase& c, std::ostream* out) { *out << c.label; }

// The splash screen that start-up pushed, whose sound is the one playing.
Ref<TScreen> Intro() { return game->currentScreen; }
Ref<TScreen> Title() { return TTitleScreen::Create(); }
Ref<TScreen> Credits() { return TCreditsScreen::Create(); }
Ref<TScreen> LevelComplete() { return TLevelCompleteScreen::Create(); }
Ref<TScreen> GameOver() { return TGameOverScreen::Create(); }

class ScreenFlowTest : public ScreenTest, public ::testing::WithParamInterface<FlowCase> {};

TEST_P(ScreenFlowTest, InputLeadsToTheNextScreen) {
  const FlowCase& c = GetParam();
  profile->level = KEPT[0];
  profile->lives = KEPT[1];
  profile->score = KEPT[2];
  game->ChangeScreen(c.make());
  for (Int key : c.keys) Tap(key);
  if (c.button) Click(c.button);
  game->Logic();
  EXPECT_EQ(game->currentScreen->name, c.next);
  EXPECT_EQ(game->endGame, c.endGame);
  EXPECT_EQ(game->screenStack->Count(), 1);
  if (*c.cut) {
    EXPECT_FALSE(IsPlaying(c.cut));
  }
  EXPECT_EQ(IsPlaying("select.wav"), c.selectPlays);
  EXPECT_EQ(std::vector<Int>({profile->level, profile->lives, profile->score}), c.profileAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScreenFlowTest,
    ::testing::Values(
        FlowCase{"SplashEscape", Intro, {KEY_ESCAPE}, 0, "Intro", 1, "", false, KEPT},
        FlowCase{"SplashSpace", Intro, {KEY_SPACE}, 0, "Title", 0, "splashsound.wav", false, KEPT},
        FlowCase{"SplashEnter", Intro, {KEY_ENTER}, 0, "Title", 0, "splashsound.wav", false, KEPT},
        FlowCase{"TitleEscape", Title, {KEY_ESCAPE, KEY_SPACE}, 0, "Title", 1, "", false, KEPT},
        FlowCase{"TitleSpace", Title, {KEY_SPACE}, 0, "Game", 0, "quorvane.wav", true, FRESH},
        FlowCase{"TitleC", Title, {KEY_C}, 0, "Credits", 0, "quorvane.wav", true, KEPT},
        FlowCase{
            "TitleSpaceAndC", Title, {KEY_C, KEY_SPACE}, 0, "Game", 0, "quorvane.wav", true, FRESH},
        FlowCase{"CreditsSpace", Credits, {KEY_SPACE}, 0, "Title", 0, "", true, KEPT},
        FlowCase{"CreditsEscape", Credits, {KEY_ESCAPE}, 0, "Title", 0, "", true, KEPT},
        FlowCase{"CreditsEnter", Credits, {KEY_ENTER}, 0, "Credits", 0, "", false, KEPT},
        FlowCase{"LevelCompleteEscape", LevelComplete, {KEY_ESCAPE}, 0, "Game", 0, "", true, NEXT},
        FlowCase{"LevelCompleteSpace", LevelComplete, {KEY_SPACE}, 0, "Game", 0, "", true, NEXT},
        FlowCase{"LevelCompleteLeft", LevelComplete, {}, 1, "Game", 0, "", true, NEXT},
        FlowCase{"LevelCompleteRight", LevelComplete, {}, 2, "Game", 0, "", true, NEXT},
        FlowCase{"LevelCompleteC", LevelComplete, {KEY_C}, 0, "Level Complete", 0, "", false, KEPT},
        FlowCase{
            "GameOverEscape", GameOver, {KEY_ESCAPE}, 0, "Title", 0, "gameover.wav", true, KEPT},
        FlowCase{"GameOverSpace", GameOver, {KEY_SPACE}, 0, "Title", 0, "gameover.wav", true, KEPT},
        FlowCase{"GameOverEnter", GameOver, {KEY_ENTER}, 0, "Title", 0, "gameover.wav", true, KEPT},
        FlowCase{"GameOverMiddle", GameOver, {}, 3, "Title", 0, "gameover.wav", true, KEPT},
        FlowCase{"GameOverC", GameOver, {KEY_C}, 0, "Game Over", 0, "", false, KEPT}),
    [](const auto& info) { return info.param.label; });

}  // namespace
