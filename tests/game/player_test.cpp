// The player: creation, movement, bounds, collisions, drinking and drawing.
#include <string>
#include <vector>

#include "framework/color.h"
#include "platform/audio.h"
#include "platform/testing.h"
#include "play_fixture.h"

namespace {

using platform::test::SoundEvent;
using play_fixture::EndsWith;
using play_fixture::PlayTest;

// File names of the sounds cued since the log was cleared, in order.
std::vector<std::string> CuedSounds() {
  std::vector<std::string> cued;
  for (const auto& record : platform::test::SoundLog()) {
    if (record.event != SoundEvent::Cue) continue;
    cued.push_back(record.path.substr(record.path.rfind('/') + 1));
  }
  return cued;
}

void HoldKeys(std::initializer_list<Int> keys) {
  for (Int key : keys) platform::test::PressKey(key);
}

void ReleaseKeys(std::initializer_list<Int> keys) {
  for (Int key : keys) platform::test::ReleaseKey(key);
}

TEST_F(PlayTest, NewPlayerStandsAtTheCentreWithItsSoundsLoadedInOrder) {
  platform::test::ClearSoundLog();
  StartLevel(1);
  EXPECT_EQ(player->x, 512.0f);
  EXPECT_EQ(player->y, 384.0f);
  std::vector<std::string> loaded;
  for (const auto& record : platform::test::SoundLog()) {
    if (record.event == SoundEvent::Load && record.ok) {
      loaded.push_back(record.path.substr(record.path.rfind('/') + 1));
    }
  }
  EXPECT_EQ(loaded, (std::vector<std::string>{"blip.wav", "dead.wav", "hit.wav", "start.wav",
                                              "yum.wav", "pickup.wav", "success.wav"}));
}

TEST_F(PlayTest, HeldArrowsMoveTenPixelsEachWithoutNormalising) {
  struct Case {
    std::initializer_list<Int> keys;
    Float dx, dy;
  };
  const Case cases[] = {{{KEY_LEFT}, -10.0f, 0.0f},
                        {{KEY_RIGHT}, 10.0f, 0.0f},
                        {{KEY_UP}, 0.0f, -10.0f},
                        {{KEY_DOWN}, 0.0f, 10.0f},
                        {{KEY_LEFT, KEY_UP}, -10.0f, -10.0f},
                        {{KEY_LEFT, KEY_RIGHT}, 0.0f, 0.0f},
                        {{}, 0.0f, 0.0f}};
  StartEmptyLevel();
  for (const Case& c : cases) {
    player->ResetVariables();
    HoldKeys(c.keys);
    player->CheckKeys();
    ReleaseKeys(c.keys);
    EXPECT_EQ(player->x, 512.0f + c.dx) << c.keys.size();
    EXPECT_EQ(player->y, 384.0f + c.dy) << c.keys.size();
  }
}

TEST_F(PlayTest, KeyHeldThroughAFlushDoesNotMove) {
  StartEmptyLevel();
  HoldKeys({KEY_RIGHT});
  FlushKeys();
  player->CheckKeys();
  EXPECT_EQ(player->x, 512.0f);
}

TEST_F(PlayTest, BoundsKeepThePlayerOnScreenAndBetweenTheBars) {
  struct Case {
    Float x, y, expectedX, expectedY;
  };
  // Half sizes 32: x from 32 to 992, y from 82 to 686.
  const Case cases[] = {{10.0f, 400.0f, 32.0f, 400.0f},    {32.0f, 400.0f, 32.0f, 400.0f},
                        {1000.0f, 400.0f, 992.0f, 400.0f}, {992.5f, 400.0f, 992.0f, 400.0f},
                        {500.0f, 60.0f, 500.0f, 82.0f},    {500.0f, 82.0f, 500.0f, 82.0f},
                        {500.0f, 700.0f, 500.0f, 686.0f},  {500.0f, 686.0f, 500.0f, 686.0f}};
  StartEmptyLevel();
  for (const Case& c : cases) {
    player->x = c.x;
    player->y = c.y;
    player->BoundsCheckPlayer();
    EXPECT_EQ(player->x, c.expectedX) << c.x << "," << c.y;
    EXPECT_EQ(player->y, c.expectedY) << c.x << "," << c.y;
  }
}

TEST_F(PlayTest, HeldArrowStopsAtTheBar) {
  StartEmptyLevel();
  HoldKeys({KEY_UP});
  for (Int frame = 0; frame < 40; ++frame) player->Logic();
  EXPECT_EQ(player->y, 82.0f);
}

TEST_F(PlayTest, DrinkingAddsScoreTimeSoundsAndParticles) {
  StartEmptyLevel();
  const auto zumbel = AddZumbel(500.0f, 380.0f);
  level->timeLeft = 1000;
  platform::test::ClearSoundLog();
  player->Collision();
  EXPECT_EQ(level->zumbelList->Count(), 0);
  EXPECT_EQ(profile->score, 10);
  EXPECT_EQ(player->collected, 1);
  EXPECT_EQ(level->timeLeft, 1060);
  EXPECT_EQ(CuedSounds(), (std::vector<std::string>{"pickup.wav", "yum.wav"}));

  const auto& particles = *TGameScreen::particleList;
  ASSERT_EQ(particles.Count(), 2);
  const auto ring = As<TParticle>(particles.First());
  EXPECT_EQ(ring->gameImage, imageBank->Find("particlering2"));
  EXPECT_EQ(ring->x, 500.0f);
  EXPECT_EQ(ring->y, 380.0f);
  EXPECT_EQ(ring->alphaDelta, -0.04f);
  EXPECT_EQ(ring->scaleXDelta, 0.1f);
  EXPECT_EQ(ring->useRendererCamera, 1);
  const auto text = As<TParticle>(particles.Last());
  EXPECT_EQ(text->text, String("+1 Second"));
  EXPECT_EQ(text->gameImage, nullptr);
  EXPECT_EQ(text->originalX, 500.0f);
  EXPECT_EQ(text->alphaDelta, -0.05f);
  EXPECT_EQ(text->scaleYDelta, 0.01f);
  EXPECT_EQ(text->speedY, -1.0f);
  EXPECT_EQ(text->scaleX, 0.2f);
  EXPECT_EQ(text->scaleY, 0.3f);
  EXPECT_EQ(text->alpha, 2.0f);
  EXPECT_EQ(text->color->G, 255);
  EXPECT_EQ(text->color->R, 180);
  EXPECT_EQ(text->shadow->X, 2.0f);
  EXPECT_EQ(text->useRendererCamera, 0);
}

TEST_F(PlayTest, TwoZumbelsTouchedInOneFrameAreBothDrunk) {
  StartEmptyLevel();
  AddZumbel(490.0f, 370.0f);
  const auto far = AddZumbel(100.0f, 100.0f);
  AddZumbel(520.0f, 390.0f);
  level->timeLeft = level->timeLimit;  // already full: no time added, text still shown
  player->Collision();
  EXPECT_EQ(level->zumbelList->Count(), 1);
  EXPECT_EQ(level->zumbelList->First(), far);
  EXPECT_EQ(profile->score, 20);
  EXPECT_EQ(player->collected, 2);
  EXPECT_EQ(level->timeLeft, level->timeLimit);
  EXPECT_EQ(TGameScreen::particleList->Count(), 4);
}

TEST_F(PlayTest, HitBoxesThatOnlyShareAnEdgeDoNotCollide) {
  // The player's box at the centre spans x 518 to 569; a zumbel's starts 16
  // right of its position.
  struct Case {
    Float zumbelX;
    Int drunk;
  };
  for (const Case& c : {Case{553.0f, 0}, Case{552.0f, 1}}) {
    StartEmptyLevel();
    AddZumbel(c.zumbelX, 384.0f);
    player->Collision();
    EXPECT_EQ(player->collected, c.drunk) << c.zumbelX;
  }
}

TEST_F(PlayTest, OnlyTheFirstHazardTouchedCostsALife) {
  StartEmptyLevel();
  AddHazard(490.0f, 380.0f);
  AddHazard(510.0f, 390.0f);
  player->x = 500.0f;
  player->y = 380.0f;
  platform::test::ClearSoundLog();
  player->Collision();
  EXPECT_EQ(profile->lives, 2);
  EXPECT_EQ(CuedSounds(), (std::vector<std::string>{"hit.wav", "dead.wav"}));
  EXPECT_EQ(level->hazardList->Count(), 2);
  EXPECT_EQ(player->x, 512.0f);
  EXPECT_EQ(player->y, 384.0f);
}

TEST_F(PlayTest, ZumbelIsDrunkInTheFrameOfAHazardHit) {
  StartEmptyLevel();
  AddZumbel(300.0f, 200.0f);
  AddHazard(310.0f, 210.0f);
  player->x = 300.0f;
  player->y = 200.0f;
  player->Collision();
  EXPECT_EQ(player->collected, 1);
  EXPECT_EQ(profile->lives, 2);
}

TEST_F(PlayTest, FogClearsAroundTheCentreAfterAHazardHit) {
  StartEmptyLevel();
  AddHazard(150.0f, 150.0f);
  player->x = 150.0f;
  player->y = 150.0f;
  player->Logic();
  EXPECT_EQ(profile->lives, 2);
  EXPECT_EQ(level->FogAt(16, 12), 1);
  EXPECT_EQ(level->FogAt(4, 4), 0);
}

TEST_F(PlayTest, PlayingWorkStopsWhileAnAnimationRuns) {
  struct Case {
    Int death, success;
  };
  for (const Case& c : {Case{1, 0}, Case{0, 1}}) {
    StartEmptyLevel();
    AddZumbel(500.0f, 380.0f);
    player->deathAnimCounter = c.death;
    player->successAnimCounter = c.success;
    HoldKeys({KEY_LEFT});
    player->Logic();
    ReleaseKeys({KEY_LEFT});
    EXPECT_EQ(player->x, 512.0f);
    EXPECT_EQ(player->collected, 0);
    EXPECT_EQ(level->FogAt(16, 12), 0);
  }
}

TEST_F(PlayTest, PlayerIsHiddenWhileAnAnimationRuns) {
  struct Case {
    Int death, success;
    size_t draws;
  };
  StartEmptyLevel();
  for (const Case& c : {Case{0, 0, 2}, Case{3, 0, 0}, Case{0, 3, 0}}) {
    player->deathAnimCounter = c.death;
    player->successAnimCounter = c.success;
    Flip(0);
    player->Draw();
    EXPECT_EQ(platform::test::CurrentDrawLog().size(), c.draws) << c.death << c.success;
  }
}

}  // namespace
