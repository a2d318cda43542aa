// The profile's additions and the zumbel's and hazard's set-up and boxes.
#include "framework/color.h"
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

TEST_F(PlayTest, ItemsTakeTheirImageShadowAndHitBox) {
  struct Case {
    Ref<TSprite> sprite;
    const char* image;
    Int box[4];
  };
  const Case cases[] = {{TZumbel::CreateZumbel(), "ZUMBEL", {16, 6, 52, 52}},
                        {THazard::CreateHazard(), "SPIKES", {7, 7, 50, 50}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.image);
    EXPECT_EQ(c.sprite->gameImage, imageBank->Find(c.image));
    EXPECT_EQ(c.sprite->width, play_fixture::SPRITE_SIZE);
    EXPECT_EQ(c.sprite->w2, play_fixture::SPRITE_SIZE / 2);
    ASSERT_NE(c.sprite->shadow, nullptr);
    EXPECT_EQ(c.sprite->shadow->X, 1.5f);
    EXPECT_EQ(c.sprite->shadow->Y, 1.5f);
    EXPECT_EQ(c.sprite->shadow->alpha, 0.5f);
    EXPECT_EQ(c.sprite->hitBoxX, c.box[0]);
    EXPECT_EQ(c.sprite->hitBoxY, c.box[1]);
    EXPECT_EQ(c.sprite->hitBoxWidth, c.box[2]);
    EXPECT_EQ(c.sprite->hitBoxHeight, c.box[3]);
  }
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
