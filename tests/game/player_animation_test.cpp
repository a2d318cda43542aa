// The player's animations: the messages, the burst of a death, the zoom
// frame by frame, the ends of the animations and the frame in which a goal
// and a hazard are reached together.
#include <functional>
#include <string>
#include <vector>

#include "animation_fixture.h"
#include "framework/color.h"
#include "game/hud.h"

namespace {

using animation_fixture::AnimationTest;
using platform::test::ClearSoundLog;

// The fields of a text particle that its maker sets.
struct TextCase {
  const char* trigger;
  std::function<void()> run;
  std::string text;
  Float y;
  Float alphaDelta, scaleDelta, speedY;
  Float scaleX, scaleY, alpha;
  Int red, green, blue;
};

TEST_F(AnimationTest, MessagesStandInScreenPixelsWithTheirOwnParameters) {
  const TextCase cases[] = {
      {"LevelStart", [] { player->LevelStart(); }, "Find 5 Zumbels", 150.0f, -0.03f, 0.003f, 0.0f,
       1.0f, 1.5f, 2.0f, 255, 190, 255},
      {"TimeUp", [] { player->TimeUp(); }, "You Died!", 300.0f, -0.015f, 0.015f, -1.0f, 1.0f, 1.5f,
       1.0f, 255, 0, 0},
      {"SuccessAnimStart", [] { player->SuccessAnimStart(); }, "AWESOME!", 300.0f, -0.015f, 0.015f,
       -1.0f, 1.46f, 2.2f, 1.0f, 150, 255, 255},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.trigger);
    StartEmptyLevel();
    player->x = 200.0f;  // the messages keep to the middle of the screen
    c.run();
    const auto p = LastParticle();
    EXPECT_EQ(p->text.ToUtf8(), c.text);
    EXPECT_EQ(p->textFont, mainFont);
    EXPECT_EQ(p->gameImage, nullptr);
    EXPECT_EQ(p->originalX, 512.0f);
    EXPECT_EQ(p->originalY, c.y);
    EXPECT_EQ(p->alphaDelta, c.alphaDelta);
    EXPECT_EQ(p->rotationDelta, 0.0f);
    EXPECT_EQ(p->scaleXDelta, c.scaleDelta);
    EXPECT_EQ(p->scaleYDelta, c.scaleDelta);
    EXPECT_EQ(p->speedX, 0.0f);
    EXPECT_EQ(p->speedY, c.speedY);
    EXPECT_EQ(p->scaleX, c.scaleX);
    EXPECT_EQ(p->scaleY, c.scaleY);
    EXPECT_EQ(p->alpha, c.alpha);
    ASSERT_TRUE(p->color);
    EXPECT_EQ(p->color->R, c.red);
    EXPECT_EQ(p->color->G, c.green);
    EXPECT_EQ(p->color->B, c.blue);
    EXPECT_EQ(p->color->alpha, 1.0f);
    ASSERT_TRUE(p->shadow);
    EXPECT_EQ(p->shadow->X, 3.0f);
    EXPECT_EQ(p->shadow->Y, 3.0f);
    EXPECT_EQ(p->shadow->alpha, 0.5f);
    EXPECT_EQ(p->useRendererCamera, 0);
  }
}

TEST_F(AnimationTest, LevelStartSoundsAndFlushesAHeldArrow) {
  StartEmptyLevel();
  player->collected = 3;  // the message names the whole goal
  platform::test::PressKey(KEY_RIGHT);
  ClearSoundLog();
  player->LevelStart();
  EXPECT_EQ(CuedSounds(), std::vector<std::string>{"start.wav"});
  EXPECT_EQ(LastParticle()->text.ToUtf8(), "Find 5 Zumbels");
  player->Logic();
  EXPECT_EQ(player->x, 512.0f);
}

TEST_F(AnimationTest, DeathBurstsAtThePlaceOfDeathWithDrawsInOrder) {
  StartEmptyLevel();
  player->x = 300.0f;
  player->y = 200.0f;
  SeedRnd(7);
  player->DeathAnimStart(0);
  const Int nextDraw = Rand(1, 1000000);
  const auto particles = Particles();
  ASSERT_EQ(particles.size(), 9u);

  const auto& ring = particles[0];
  EXPECT_EQ(ring->gameImage, imageBank->Find("particlering"));
  EXPECT_EQ(ring->x, 300.0f);
  EXPECT_EQ(ring->y, 200.0f);
  EXPECT_EQ(ring->alphaDelta, -0.04f);
  EXPECT_EQ(ring->scaleXDelta, 0.1f);
  EXPECT_EQ(ring->scaleYDelta, 0.1f);
  EXPECT_EQ(ring->rotationDelta, 0.0f);
  EXPECT_EQ(ring->useRendererCamera, 1);

  SeedRnd(7);
  for (size_t i = 1; i < particles.size(); ++i) {
    SCOPED_TRACE(i);
    const Int ey = Rand(150, 250);
    const Int ex = Rand(250, 350);
    const auto growth = static_cast<Float>(Rnd(0.05f, 0.1f));
    const Int spin = Rand(10, 30);
    const auto& p = particles[i];
    EXPECT_EQ(p->gameImage, imageBank->Find("explosion"));
    EXPECT_EQ(p->x, static_cast<Float>(ex));
    EXPECT_EQ(p->y, static_cast<Float>(ey));
    EXPECT_EQ(p->scaleX, 0.3f);
    EXPECT_EQ(p->scaleY, 0.3f);
    EXPECT_EQ(p->alphaDelta, -0.04f);
    EXPECT_EQ(p->rotationDelta, static_cast<Float>(spin));
    EXPECT_EQ(p->scaleXDelta, growth);
    EXPECT_EQ(p->scaleYDelta, growth);
    EXPECT_EQ(p->useRendererCamera, 1);
  }
  EXPECT_EQ(Rand(1, 1000000), nextDraw);  // the burst took 32 draws
}

TEST_F(AnimationTest, DeathStartMovesThePlayerAndShowsTheLostLife) {
  StartEmptyLevel();
  player->x = 300.0f;
  player->y = 200.0f;
  player->TimeUp();
  EXPECT_EQ(player->x, 512.0f);
  EXPECT_EQ(player->y, 384.0f);
  EXPECT_EQ(player->deathAnimCounter, 80);
  EXPECT_EQ(profile->lives, 2);
  EXPECT_EQ(HUD->livesLabel->stat->text.ToUtf8(), "2");
  EXPECT_EQ(CuedSounds(), std::vector<std::string>{"dead.wav"});
  EXPECT_EQ(Particles().size(), 10u);  // ring, explosions, then the message on top
}

// Game scale and scroll after the given frame of an animation centred on
// the level's centre.
struct ZoomCase {
  Int frame;
  Float scale;
  Float scrollX, scrollY;
};

TEST_F(AnimationTest, DeathZoomSumsInSinglePrecisionAndEndsAtRest) {
  const ZoomCase cases[] = {{1, 1.02f, -10.24f, -7.68f},
                            {2, 1.04f, -20.48f, -15.36f},
                            {40, 1.7999992f, -409.5996f, -307.1997f},
                            {79, 2.5799985f, -808.9592f, -606.7194f},
                            {80, 1.0f, 0.0f, 0.0f}};
  StartEmptyLevel();
  player->TimeUp();
  Int frame = 0;
  for (const ZoomCase& c : cases) {
    SCOPED_TRACE(c.frame);
    Int ended = 0;
    while (frame < c.frame) {
      ended = player->DeathAnimManage();
      ++frame;
    }
    EXPECT_EQ(ended, c.frame == 80 ? 1 : 0);
    EXPECT_EQ(renderer->scaleX, c.scale);
    EXPECT_EQ(renderer->scaleY, c.scale);
    EXPECT_NEAR(renderer->scrollX, c.scrollX, 1e-3);
    EXPECT_NEAR(renderer->scrollY, c.scrollY, 1e-3);
  }
}

TEST_F(AnimationTest, SuccessZoomStepsByAHundredth) {
  const ZoomCase cases[] = {{1, 1.01f, -5.12f, -3.84f},
                            {40, 1.3999996f, -204.7998f, -153.5998f},
                            {69, 1.6899993f, -353.2797f, -264.9597f}};
  StartEmptyLevel();
  player->SuccessAnimStart();
  Int frame = 0;
  for (const ZoomCase& c : cases) {
    SCOPED_TRACE(c.frame);
    while (frame < c.frame) {
      EXPECT_EQ(player->SuccessAnimManage(), 0);
      ++frame;
    }
    EXPECT_EQ(renderer->scaleX, c.scale);
    EXPECT_EQ(renderer->scaleY, c.scale);
    EXPECT_NEAR(renderer->scrollX, c.scrollX, 1e-3);
    EXPECT_NEAR(renderer->scrollY, c.scrollY, 1e-3);
  }
}

// An animation run frame by frame through the player's Logic: how it
// starts, its length and what follows it.
struct EndCase {
  const char* name;
  Int lives;
  std::function<void()> start;
  Int frames;
  std::string screenAfter;
  Int livesAfter;
};

TEST_F(AnimationTest, AnimationsRunTheirFramesThenEndAsTheirStateSays) {
  const EndCase cases[] = {
      {"hazard with lives left", 3, [] { player->TimeUp(); }, 80, "Before", 2},
      {"last life", 1, [] { player->TimeUp(); }, 80, "Game Over", 0},
      {"death of default length", 3, [] { player->DeathAnimStart(0); }, 40, "Before", 3},
      {"timer at zero", 3,
       [] {
         level->timeLeft = 1;
         level->Logic();
       },
       80, "Before", 2},
      {"success", 3, [] { player->SuccessAnimStart(); }, 70, "Level Complete", 3},
  };
  for (const EndCase& c : cases) {
    SCOPED_TRACE(c.name);
    Restart();
    StartEmptyLevel();
    profile->lives = c.lives;
    c.start();
    ClearSoundLog();
    for (Int frame = 1; frame < c.frames; ++frame) player->Logic();
    EXPECT_EQ(ScreenName(), "Before");
    EXPECT_NE(player->deathAnimCounter + player->successAnimCounter, 0);
    EXPECT_NE(renderer->scaleX, 1.0f);
    player->Logic();
    EXPECT_EQ(player->deathAnimCounter, 0);
    EXPECT_EQ(player->successAnimCounter, 0);
    EXPECT_EQ(ScreenName(), c.screenAfter);
    EXPECT_EQ(profile->lives, c.livesAfter);
    EXPECT_EQ(renderer->scaleX, 1.0f);
    EXPECT_EQ(renderer->scrollX, 0.0f);
    EXPECT_EQ(renderer->scrollY, 0.0f);
    // A restart on the same level sounds the start and shows the goal again.
    const bool restarted = c.screenAfter == "Before";
    EXPECT_EQ(CuedSounds() == std::vector<std::string>{"start.wav"}, restarted);
    EXPECT_EQ(LastParticle()->text.ToUtf8() == "Find 5 Zumbels", restarted);
  }
}

TEST_F(AnimationTest, DeathEndReportsWhetherTheGameIsOver) {
  for (Int lives : {0, 1}) {
    SCOPED_TRACE(lives);
    StartEmptyLevel();
    profile->lives = lives;
    EXPECT_EQ(player->DeathAnimEnd(), lives == 0 ? 1 : 0);
  }
}

TEST_F(AnimationTest, GoalAndHazardInOneFrameEndInSuccessWithTheLifeLost) {
  for (Int lives : {3, 1}) {
    SCOPED_TRACE(lives);
    Restart();
    StartEmptyLevel();
    profile->lives = lives;
    player->goal = 1;
    player->x = 300.0f;
    player->y = 200.0f;
    AddZumbel(300.0f, 200.0f);
    AddHazard(300.0f, 200.0f);
    player->Logic();
    EXPECT_EQ(CuedSounds(), (std::vector<std::string>{"pickup.wav", "yum.wav", "hit.wav",
                                                      "dead.wav", "success.wav"}));
    EXPECT_EQ(player->deathAnimCounter, 79);
    EXPECT_EQ(player->successAnimCounter, 69);
    EXPECT_FLOAT_EQ(renderer->scaleX, 1.03f);
    EXPECT_EQ(LastParticle()->text.ToUtf8(), "AWESOME!");
    for (Int frame = 2; frame <= 70; ++frame) player->Logic();
    EXPECT_EQ(ScreenName(), "Level Complete");
    EXPECT_EQ(player->successAnimCounter, 0);
    EXPECT_EQ(player->deathAnimCounter, 10);
    EXPECT_EQ(profile->lives, lives - 1);
    EXPECT_EQ(renderer->scaleX, 1.0f);
  }
}

}  // namespace
