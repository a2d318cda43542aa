// The profile's additions and the zumbel's and hazard's set-up and boxes.
#include "play_fixture.h"

namespace {

using play_fixture::PlayTest;

TEST(ProfileTest, NewProfileStartsAtLevelOneWithThreeLivesAndNoScore) {
  const auto created = TProfile::Create();
  EXPECT_EQ(created->level, 1);
  EXPECT_EQ(created->lives, 3);
  EXPECT_EQ(created->score, 0);
}

TEST(ProfileTest, LivesNeverGoBelowZero) {
  struct Case {
    Int lives, change, expected;
  };
  for (const Case& c : {Case{3, -1, 2}, Case{0, -1, 0}, Case{3, -5, 0}, Case{3, 1, 4}}) {
    TProfile run;
    run.lives = c.lives;
    run.UpdateLives(c.change);
    EXPECT_EQ(run.lives, c.expected) << c.lives << " " << c.change;
  }
}

TEST(ProfileTest, ScoreAddsWithoutLimit) {
  TProfile run;
  run.UpdateScore(10);
  run.UpdateScore(-25);
  EXPECT_EQ(run.score, -15);
}

TEST_F(PlayTest, ZumbelAndHazardBoxesMeetWithoutOverlapping) {
  struct Case {
    Float hazardX;
    Int overlap;
  };
  const auto zumbel = TZumbel::CreateZumbel();
  zumbel->x = 100.0f;
  zumbel->y = 200.0f;
  for (const Case& c : {Case{161.0f, 0}, Case{160.0f, 1}}) {
    const auto hazard = THazard::CreateHazard();
    hazard->x = c.hazardX;
    hazard->y = 200.0f;
    EXPECT_EQ(zumbel->CollideSprite(hazard), c.overlap) << c.hazardX;
    EXPECT_EQ(hazard->CollideSprite(zumbel), c.overlap) << c.hazardX;
  }
}

TEST_F(PlayTest, TimeBoostIsOneSecondAtTheFrameRate) {
  TZumbel::timeBoost = 0;
  game->frameRate = 30.0f;
  TZumbel::InitGlobals();
  EXPECT_EQ(TZumbel::timeBoost, 30);
  game->frameRate = 60.0f;
  TZumbel::InitGlobals();
  EXPECT_EQ(TZumbel::timeBoost, 60);
}

}  // namespace
