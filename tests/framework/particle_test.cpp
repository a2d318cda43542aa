// Particles: lifetimes under 32-bit accumulation, rotation wraps, scale
// deaths, and the list's walk.
#include "framework/particle.h"

#include <gtest/gtest.h>

#include "framework/renderer.h"
#include "platform/testing.h"
#include "util/headless_images.h"

namespace {

// Logic steps until the particle reports itself dead; 0 when still alive
// after the limit.
Int StepsToDeath(TParticle& particle, Int limit = 1000) {
  for (Int step = 1; step <= limit; ++step) {
    if (particle.Logic() == 0) return step;
  }
  return 0;
}

TEST(ParticleTest, FallingAlphaEndsOnTheStepItIsNoLongerAbove0) {
  struct Case {
    Float alpha, delta;
    Int dies;
  };
  const Case cases[] = {
      {2.0f, -0.05f, 41}, {1.0f, -0.04f, 25}, {0.5f, -0.25f, 2}, {1.0f, 0.04f, 0}, {1.0f, 0.0f, 0}};
  for (const Case& c : cases) {
    TParticle particle;
    particle.alpha = c.alpha;
    particle.SetParams(c.delta, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f);
    EXPECT_EQ(StepsToDeath(particle), c.dies) << c.alpha << " " << c.delta;
  }
}

TEST(ParticleTest, ScaleNotAbove0Ends) {
  struct Case {
    Float scaleXDelta, scaleYDelta;
    Int dies;
  };
  const Case cases[] = {
      {-0.1f, 0.0f, 10}, {-0.5f, 0.0f, 2}, {0.5f, -0.25f, 4}, {-1.0f, -1.0f, 1}, {0.1f, 0.1f, 0}};
  for (const Case& c : cases) {
    TParticle particle;
    particle.SetParams(0.0f, 0.0f, c.scaleXDelta, c.scaleYDelta, 0.0f, 0.0f);
    EXPECT_EQ(StepsToDeath(particle), c.dies) << c.scaleXDelta << " " << c.scaleYDelta;
  }
}

TEST(ParticleTest, RotationWrapsOnceAtMost) {
  struct Case {
    Float rotation, delta, expected;
  };
  const Case cases[] = {{350.0f, 15.0f, 5.0f},  {5.0f, -10.0f, 355.0f}, {-400.0f, -1.0f, -41.0f},
                        {400.0f, 0.0f, 400.0f}, {359.0f, 1.0f, 0.0f},   {-5.0f, 0.0f, -5.0f},
                        {800.0f, 10.0f, 450.0f}};
  for (const Case& c : cases) {
    TParticle particle;
    particle.rotation = c.rotation;
    particle.SetParams(0.0f, c.delta, 0.0f, 0.0f, 0.0f, 0.0f);
    particle.Logic();
    EXPECT_EQ(particle.rotation, c.expected) << c.rotation << " " << c.delta;
  }
}

TEST(ParticleTest, DyingByAlphaStillMovesButKeepsRotationAndScale) {
  TParticle particle;
  particle.alpha = 0.04f;
  particle.SetParams(-0.04f, 10.0f, 0.5f, 0.5f, 3.0f, -2.0f);
  EXPECT_EQ(particle.Logic(), 0);
  EXPECT_EQ(particle.x, 3.0f);
  EXPECT_EQ(particle.originalY, -2.0f);
  EXPECT_EQ(particle.rotation, 0.0f);
  EXPECT_EQ(particle.scaleX, 1.0f);
}

TEST(ParticleListTest, AddNewPlacesTheParticleAndItsAnchor) {
  auto list = TParticleList::Create();
  const auto particle = list->AddNew(nullptr, 10, 20, "hi", nullptr);
  EXPECT_EQ(list->Count(), 1);
  EXPECT_EQ(list->Last(), particle);
  EXPECT_EQ(particle->x, 10.0f);
  EXPECT_EQ(particle->originalX, 10.0f);
  EXPECT_EQ(particle->y, 20.0f);
  EXPECT_EQ(particle->originalY, 20.0f);
  EXPECT_EQ(particle->text, String("hi"));
  EXPECT_EQ(particle->width, 0);
}

TEST(ParticleListTest, DeadParticleLeavesDuringTheWalkAndLaterOnesStillStep) {
  auto list = TParticleList::Create();
  const auto first = list->AddNew(nullptr, 0, 0, "a", nullptr);
  const auto second = list->AddNew(nullptr, 0, 0, "b", nullptr);
  const auto third = list->AddNew(nullptr, 0, 0, "c", nullptr);
  const auto other = New<TSprite>();
  list->AddLast(other);
  for (const auto& particle : {first, second, third}) particle->SetParams(0, 0, 0, 0, 1.0f, 0);
  second->alpha = 0.01f;
  second->alphaDelta = -0.05f;
  list->Logic();
  ASSERT_EQ(list->Count(), 3);
  EXPECT_EQ(list->First(), first);
  EXPECT_EQ(list->Last(), other);
  EXPECT_EQ(first->x, 1.0f);
  EXPECT_EQ(third->x, 1.0f);
  EXPECT_FALSE(list->Contains(second.get()));
}

TEST(ParticleListTest, TwoNeighboursDyingInOnePassBothLeave) {
  auto list = TParticleList::Create();
  for (Int i = 0; i < 3; ++i)
    list->AddNew(nullptr, 0, 0, "x", nullptr)->SetParams(-2.0f, 0, 0, 0, 0, 0);
  list->Logic();
  EXPECT_TRUE(list->IsEmpty());
}

TEST(ParticleListTest, DrawsParticlesInOrderAndSkipsOtherValues) {
  headless_images::StartHeadless();
  renderer = New<TRenderer>();
  auto list = TParticleList::Create();
  Flip(0);
  list->Draw();
  EXPECT_TRUE(platform::test::CurrentDrawLog().empty());
  list->AddNew(nullptr, 100, 50, "first", nullptr);
  list->AddLast(New<TSprite>());
  list->AddNew(nullptr, 200, 50, "second", nullptr);
  list->Draw();
  const auto& log = platform::test::CurrentDrawLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].text, "first");
  EXPECT_EQ(log[1].text, "second");
}

}  // namespace
