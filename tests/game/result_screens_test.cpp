// The level-complete and game-over screens: the time display and bonus,
// the layout of both screens, and what closing them does to the profile.
#include <gtest/gtest.h>

#include "framework/label.h"
#include "game/game_over_screen.h"
#include "game/level_complete_screen.h"
#include "screen_fixture.h"

namespace {

using namespace screen_fixture;

std::vector<std::string> Texts(const Ref<TLabelColumn>& column) {
  std::vector<std::string> texts;
  for (const auto& label : column->Each<TLabel>()) texts.push_back(label->text.ToUtf8());
  return texts;
}

struct TimeCase {
  Int frames;
  const char* time;
  const char* bonus;
  Int points;
};

TEST_F(ScreenTest, TimeLeftEarnsTwoPointsForEachWholeSecondAsTheConstantCountsThem) {
  const TimeCase cases[] = {
      {0, "0.000 secs", "+ 0 points", 0},      {60, "0.999 secs", "+ 0 points", 0},
      {61, "1.016 secs", "+ 2 points", 2},     {90, "1.500 secs", "+ 2 points", 2},
      {600, "10.00 secs", "+ 18 points", 18},  {601, "10.01 secs", "+ 20 points", 20},
      {1800, "29.99 secs", "+ 58 points", 58}, {6000, "100.0 secs", "+ 198 points", 198}};
  for (const TimeCase& c : cases) {
    SCOPED_TRACE(c.frames);
    profile = TProfile::Create();
    profile->level = 2;
    profile->score = 120;
    level = TLevel::Create();
    level->timeLeft = c.frames;
    const auto screen = TLevelCompleteScreen::Create();
    game->ChangeScreen(screen);
    EXPECT_EQ(Texts(screen->numColumn), std::vector<std::string>({"00120", c.time, c.bonus}));
    // Escape and Space in one frame close the screen once.
    Tap(KEY_ESCAPE);
    Tap(KEY_SPACE);
    game->Logic();
    EXPECT_EQ(game->currentScreen->name, "Game");
    EXPECT_EQ(std::vector<Int>({profile->level, profile->score, profile->lives}),
              std::vector<Int>({3, 120 + c.points, 3}));
  }
}

TEST_F(ScreenTest, LevelCompleteShowsTheLevelJustFinishedScoreTimeAndBonus) {
  profile->level = 4;
  profile->score = 1230;
  level->timeLeft = 90;
  const auto screen = TLevelCompleteScreen::Create();
  game->ChangeScreen(screen);
  EXPECT_TRUE(Cued().empty());
  const auto frame = DrawFrame();
  EXPECT_EQ(std::vector<Int>({frame[0].state.cls_r, frame[0].state.cls_g, frame[0].state.cls_b}),
            std::vector<Int>({0, 50, 0}));
  ExpectLines(frame, {{"Level 4 Complete!", CENTRED, 84, 1.0f, 1.5f, 100, 255, 100, 3},
                      {"Current Score:", 260, 300, 0.5f, 0.8f, 150, 255, 255, 2},
                      {"Time Left:", 260, 360, 0.5f, 0.8f, 150, 255, 255, 2},
                      {"Time Bonus:", 260, 420, 0.5f, 0.8f, 150, 255, 255, 2},
                      {"01230", 605, 300, 0.5f, 0.8f, 255, 255, 255, 2},
                      {"1.500 secs", 605, 360, 0.5f, 0.8f, 255, 255, 255, 2},
                      {"+ 2 points", 605, 420, 0.5f, 0.8f, 255, 255, 255, 2},
                      {"Press <Space> to Continue", CENTRED, 700, 0.5f, 0.8f, 255, 255, 0, 2}});
}

TEST_F(ScreenTest, GameOverShowsTheFinalScoreAndLevel) {
  profile->level = 7;
  profile->score = 120;
  profile->lives = 0;
  game->ChangeScreen(TGameOverScreen::Create());
  EXPECT_EQ(Cued(), std::vector<std::string>({"gameover.wav"}));
  const auto frame = DrawFrame();
  EXPECT_EQ(std::vector<Int>({frame[0].state.cls_r, frame[0].state.cls_g, frame[0].state.cls_b}),
            std::vector<Int>({50, 0, 0}));
  ExpectLines(frame, {{"Game Over", CENTRED, 84, 1.0f, 1.5f, 255, 50, 50, 3},
                      {"Final  Score:", 300, 300, 0.5f, 0.8f, 150, 255, 255, 2},
                      {"Final  Level:", 300, 360, 0.5f, 0.8f, 150, 255, 255, 2},
                      {"00120", 600, 300, 0.5f, 0.8f, 255, 255, 255, 2},
                      {"7", 600, 360, 0.5f, 0.8f, 255, 255, 255, 2},
                      {"Press <Space> to Continue", CENTRED, 700, 0.5f, 0.8f, 255, 255, 0, 2}});
  Tap(KEY_ENTER);
  game->Logic();
  EXPECT_EQ(game->currentScreen->name, "Title");
  EXPECT_FALSE(IsPlaying("gameover.wav"));
  EXPECT_EQ(std::vector<Int>({profile->level, profile->score, profile->lives}),
            std::vector<Int>({7, 120, 0}));
}

TEST_F(ScreenTest, ScoresShowAtLeastFiveDigits) {
  const struct {
    Int score;
    const char* text;
  } cases[] = {{0, "00000"}, {120, "00120"}, {99999, "99999"}, {1234567, "1234567"}};
  for (const auto& [score, text] : cases) {
    SCOPED_TRACE(score);
    profile->score = score;
    EXPECT_EQ(Texts(TLevelCompleteScreen::Create()->numColumn)[0], text);
    EXPECT_EQ(Texts(TGameOverScreen::Create()->numColumn)[0], text);
  }
}

}  // namespace
