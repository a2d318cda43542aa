// The level: its table by level number, placement, fog, time and drawing.
#include <set>
#include <utility>
#include <vector>

#include "platform/system.h"
#include "platform/testing.h"
#include "play_fixture.h"

namespace {

using play_fixture::PlayTest;
using Cell = std::pair<Int, Int>;

std::set<Cell> ClearedCells() {
  std::set<Cell> cells;
  for (Int c = 0; c < level->fogWidth; ++c) {
    for (Int r = 0; r < level->fogHeight; ++r) {
      if (level->FogAt(c, r) != 0) cells.insert({c, r});
    }
  }
  return cells;
}

std::vector<Ref<TSprite>> Items() {
  std::vector<Ref<TSprite>> items;
  for (const auto& zumbel : level->zumbelList->Each<TSprite>()) items.push_back(zumbel);
  for (const auto& hazard : level->hazardList->Each<TSprite>()) items.push_back(hazard);
  return items;
}

TEST_F(PlayTest, LevelTableByLevelNumber) {
  struct Row {
    Int level, goal, zumbels, hazards, timeLimit;
    Float vision;
  };
  const Row rows[] = {
      {1, 5, 6, 5, 1200, 190.0f},   {2, 6, 7, 6, 1080, 180.0f},   {3, 7, 8, 7, 960, 170.0f},
      {4, 8, 10, 8, 840, 160.0f},   {5, 9, 11, 9, 720, 150.0f},   {6, 10, 12, 10, 600, 140.0f},
      {11, 10, 12, 10, 600, 90.0f}, {12, 10, 12, 10, 600, 80.0f}, {30, 10, 12, 10, 600, 80.0f}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.level);
    StartLevel(row.level);
    EXPECT_EQ(level->GetGoal(), row.goal);
    EXPECT_EQ(level->zumbelList->Count(), row.zumbels);
    EXPECT_EQ(level->hazardList->Count(), row.hazards);
    EXPECT_EQ(level->timeLimit, row.timeLimit);
    EXPECT_EQ(level->timeLeft, row.timeLimit);
    EXPECT_EQ(player->goal, row.goal);
    EXPECT_EQ(player->visionRadius, row.vision);
  }
}

TEST_F(PlayTest, PlacementKeepsItemsInsideApartAndOutOfTheStartSquare) {
  for (Int seed = 1; seed <= 60; ++seed) {
    for (Int number : {1, 6}) {
      SeedRnd(seed);
      StartLevel(number);
      const auto items = Items();
      for (size_t i = 0; i < items.size(); ++i) {
        const auto& item = items[i];
        SCOPED_TRACE(testing::Message() << "seed " << seed << " level " << number << " item " << i);
        const Int left = ToInt(item->x) - item->w2;
        const Int top = ToInt(item->y) - item->h2;
        EXPECT_GE(left, 1);
        EXPECT_LE(left + item->width, 1024);
        EXPECT_GE(top, 51);
        EXPECT_LE(top + item->height, 718);
        const bool inSquare = item->x >= 432 && item->x < 592 && item->y >= 304 && item->y < 464;
        EXPECT_FALSE(inSquare) << item->x << "," << item->y;
        for (size_t j = i + 1; j < items.size(); ++j)
          EXPECT_EQ(item->CollideSprite(items[j]), 0) << j;
      }
    }
  }
}

TEST_F(PlayTest, PlacementDrawsXBeforeY) {
  SeedRnd(7);
  Int cx = 0, cy = 0;
  do {
    cx = 32 + Rand(1024 - 64);
    cy = 32 + 50 + Rand(768 - 100 - 64);
  } while (cx >= 432 && cx < 592 && cy >= 304 && cy < 464);
  SeedRnd(7);
  StartLevel(1);
  const auto first = As<TZumbel>(level->zumbelList->First());
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->x, static_cast<Float>(cx));
  EXPECT_EQ(first->y, static_cast<Float>(cy));
}

TEST_F(PlayTest, ArtTooLargeForTheFieldEndsWithAMessageNamingIt) {
  // An image as large as the field between the bars always lands in the
  // start square: no candidate is ever accepted.
  play_fixture::ReplaceImage("ZUMBEL", 1024, 668);
  std::string error;
  platform::test::SetStderrSink([&](const std::string& text) { error += text; });
  platform::test::TrapExits(true);
  Int status = 0;
  try {
    StartLevel(1);
  } catch (const platform::test::ProcessExit& exit) {
    status = exit.status;
  }
  platform::test::TrapExits(false);
  platform::test::SetStderrSink(nullptr);
  EXPECT_NE(status, 0);
  EXPECT_NE(error.find("ZUMBEL"), std::string::npos) << error;
}

TEST_F(PlayTest, ClearFogRingsMapThroughRounding) {
  struct Case {
    Int x, y;
    Float radius;
    std::set<Cell> cleared;
  };
  const Case cases[] = {
      {100, 100, 17.0f, {{3, 3}, {4, 3}, {3, 4}}},
      {0, 0, 17.0f, {{0, 0}, {1, 0}, {0, 1}}},
      {100, 100, 16.0f, {}},
      {100, 100, 0.0f, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " r " << c.radius);
    level = TLevel::Create();
    level->ClearFog(c.x, c.y, c.radius);
    EXPECT_EQ(ClearedCells(), c.cleared);
  }
}

TEST_F(PlayTest, ClearFogPointAtSixteenFallsInTheNextColumn) {
  struct Case {
    Int x;  // the ring's rightmost point lies at x + 16
    Int cleared;
  };
  for (const Case& c : {Case{-1, 0}, Case{0, 1}}) {
    level = TLevel::Create();
    level->ClearFog(c.x, 400, 17.0f);
    EXPECT_EQ(level->FogAt(1, 13), c.cleared) << c.x;
  }
}

TEST_F(PlayTest, ClearFogAroundTheStartReachesFurtherRightAndDown) {
  level = TLevel::Create();
  level->ClearFog(512, 384, 190.0f);
  struct Case {
    Int column, row, cleared;
  };
  const Case cases[] = {{16, 12, 1}, {22, 12, 1}, {23, 12, 0}, {11, 12, 1}, {10, 12, 0},
                        {16, 7, 1},  {16, 6, 0},  {16, 18, 1}, {16, 19, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(level->FogAt(c.column, c.row), c.cleared) << c.column << "," << c.row;
}

TEST_F(PlayTest, ClearSingleFogIgnoresCellsOffTheGrid) {
  level = TLevel::Create();
  for (const Cell& cell : {Cell{-1, 0}, Cell{0, -1}, Cell{32, 0}, Cell{0, 24}}) {
    level->ClearSingleFog(cell.first, cell.second);
  }
  EXPECT_TRUE(ClearedCells().empty());
  level->ClearSingleFog(31, 23);
  level->ClearSingleFog(31, 23);
  EXPECT_EQ(ClearedCells(), (std::set<Cell>{{31, 23}}));
}

TEST_F(PlayTest, BoostTimeCapsAtTheLimit) {
  struct Case {
    Int timeLeft, frames, expected;
  };
  level = TLevel::Create();
  level->timeLimit = 1200;
  for (const Case& c :
       {Case{100, 60, 160}, Case{1190, 60, 1200}, Case{1200, 60, 1200}, Case{0, 0, 0}}) {
    level->timeLeft = c.timeLeft;
    level->BoostTime(c.frames);
    EXPECT_EQ(level->timeLeft, c.expected) << c.timeLeft << "+" << c.frames;
  }
}

TEST_F(PlayTest, TimerCountsDownAndFreezesWhileAnAnimationRuns) {
  StartLevel(1);
  level->Logic();
  EXPECT_EQ(level->timeLeft, 1199);
  player->deathAnimCounter = 5;
  level->Logic();
  EXPECT_EQ(level->timeLeft, 1199);
  player->deathAnimCounter = 0;
  player->successAnimCounter = 5;
  level->Logic();
  EXPECT_EQ(level->timeLeft, 1199);
}

TEST_F(PlayTest, TimerRunningOutCostsALifeAndRefillsUncapped) {
  struct Case {
    Int lives, livesAfter, timeAfter;
  };
  for (const Case& c : {Case{3, 2, 300}, Case{1, 0, 0}}) {
    SCOPED_TRACE(c.lives);
    StartLevel(1);
    profile->lives = c.lives;
    level->timeLimit = 200;  // the refill is not capped by the limit
    level->timeLeft = 1;
    level->Logic();
    EXPECT_EQ(profile->lives, c.livesAfter);
    EXPECT_EQ(level->timeLeft, c.timeAfter);
    level->Logic();  // frozen: the death animation has started
    EXPECT_EQ(level->timeLeft, c.timeAfter);
    EXPECT_EQ(profile->lives, c.livesAfter);
  }
}

TEST_F(PlayTest, DrawShowsHazardsThenZumbelsThenCoveredFog) {
  StartEmptyLevel();
  AddZumbel(100.0f, 100.0f);
  AddHazard(300.0f, 300.0f);
  level->ClearSingleFog(0, 0);
  Flip(0);
  level->Draw();
  const auto& log = platform::test::CurrentDrawLog();
  const Int fogCells = 32 * 24 - 1;
  ASSERT_EQ(log.size(), static_cast<size_t>(4 + fogCells));
  // Each item draws its shadow pass, then its image.
  EXPECT_TRUE(play_fixture::EndsWith(log[0].image, "spikes.png"));
  EXPECT_EQ(log[1].x, 300.0f);
  EXPECT_TRUE(play_fixture::EndsWith(log[2].image, "zumbel.png"));
  EXPECT_EQ(log[3].x, 100.0f);
  EXPECT_TRUE(play_fixture::EndsWith(log[4].image, "fog.png"));
  EXPECT_EQ(log[4].x, 16.0f);  // column 0, row 1: the first covered cell
  EXPECT_EQ(log[4].y, 48.0f);
  EXPECT_EQ(log.back().x, 16.0f + 32.0f * 31);
  EXPECT_EQ(log.back().y, 16.0f + 32.0f * 23);
}

TEST_F(PlayTest, FogIgnoresTheCamera) {
  StartEmptyLevel();
  renderer->scaleX = renderer->scaleY = 2.0f;
  renderer->scrollX = renderer->scrollY = -100.0f;
  Flip(0);
  level->Draw();
  const auto& first = platform::test::CurrentDrawLog().front();
  EXPECT_EQ(first.x, 16.0f);
  EXPECT_EQ(first.y, 16.0f);
  EXPECT_EQ(first.state.scale_x, 1.0f);
}

}  // namespace
