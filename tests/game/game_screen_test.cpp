// The play screen: what its Init builds and in which order, one frame of its
// Logic, Escape at any moment, and the order of its drawing.
#include "game/game_screen.h"

#include <functional>
#include <string>
#include <vector>

#include "animation_fixture.h"
#include "game/hud.h"

namespace {

using animation_fixture::AnimationTest;
using platform::test::DrawKind;

// Positions of the level's items, in list order.
std::vector<std::pair<Float, Float>> ItemPositions(const TLevel& field) {
  std::vector<std::pair<Float, Float>> positions;
  for (const auto& list : {field.zumbelList, field.hazardList}) {
    for (const auto& item : list->Each<TSprite>()) positions.emplace_back(item->x, item->y);
  }
  return positions;
}

class GameScreenTest : public AnimationTest {
 protected:
  // A play screen made the way the title and level-complete screens make
  // one, current on the stack.
  static Ref<TGameScreen> Enter() {
    auto screen = TGameScreen::Create();
    game->ChangeScreen(screen);
    return screen;
  }
};

TEST_F(GameScreenTest, InitBuildsTheLevelThenWhatReadsIt) {
  // What a previous level left behind.
  StartLevel(1);
  player->collected = 4;
  const auto oldList = TGameScreen::particleList;
  oldList->AddNew(nullptr, 0, 0, "old", nullptr);
  renderer->SetGameScale(2.0f, 2.0f);
  renderer->CentreOnCoords(100.0f, 100.0f);
  profile->level = 2;

  SeedRnd(3);
  const auto screen = TGameScreen::Create();
  EXPECT_EQ(screen->name.ToUtf8(), "Game");
  EXPECT_EQ(ScreenName(), "Before");  // Create changes no screen
  SeedRnd(3);                         // the level takes the first draws
  const auto replayed = TLevel::Create();
  replayed->Init();
  EXPECT_EQ(ItemPositions(*level), ItemPositions(*replayed));

  EXPECT_EQ(game->clsColor->R, 150);
  EXPECT_EQ(game->clsColor->G, 100);
  EXPECT_EQ(game->clsColor->B, 50);
  EXPECT_EQ(player->goal, 6);  // the player reads the new level
  EXPECT_EQ(player->visionRadius, 180.0f);
  EXPECT_EQ(HUD->goalLabel->stat->text.ToUtf8(), "0/6");  // the display reads the new player
  EXPECT_NE(TGameScreen::particleList, oldList);
  ASSERT_EQ(Particles().size(), 1u);  // LevelStart adds to the new list
  EXPECT_EQ(LastParticle()->text.ToUtf8(), "Find 6 Zumbels");
  EXPECT_EQ(CuedSounds(), std::vector<std::string>{"start.wav"});
  EXPECT_EQ(renderer->scaleX, 1.0f);
  EXPECT_EQ(renderer->scaleY, 1.0f);
  EXPECT_EQ(renderer->scrollX, 0.0f);
  EXPECT_EQ(renderer->scrollY, 0.0f);
}

TEST_F(GameScreenTest, KeysHitBeforeThePlayScreenAreForgotten) {
  Tap(KEY_ESCAPE);
  TGameScreen::Create()->Logic();
  EXPECT_EQ(level->timeLeft, level->timeLimit - 1);
}

TEST_F(GameScreenTest, LogicAdvancesLevelPlayerAndParticles) {
  Enter();
  level->zumbelList->Clear();
  level->hazardList->Clear();
  platform::test::PressKey(KEY_RIGHT);
  game->Logic();
  EXPECT_EQ(level->timeLeft, level->timeLimit - 1);
  EXPECT_EQ(player->x, 522.0f);
  EXPECT_GT(level->FogAt(16, 12), 0);
  EXPECT_FLOAT_EQ(LastParticle()->alpha, 1.97f);
}

std::vector<Float> Alphas() {
  std::vector<Float> alphas;
  for (const auto& p : TGameScreen::particleList->Each<TParticle>()) alphas.push_back(p->alpha);
  return alphas;
}

// Escape at some moment of a level: the camera is at rest, the title screen
// is current and stays, and nothing of the level moved in that frame.
struct EscapeCase {
  const char* moment;
  std::function<void()> before;
};

TEST_F(GameScreenTest, EscapeLeavesForTheTitleAndNothingElseRuns) {
  const EscapeCase cases[] = {
      {"during play", [] {}},
      {"during the death zoom", [] { player->TimeUp(); }},
      {"as the last death would end",
       [] {
         profile->lives = 1;
         player->TimeUp();
         for (Int frame = 1; frame < 80; ++frame) game->Logic();
       }},
      {"as the success would end",
       [] {
         player->SuccessAnimStart();
         for (Int frame = 1; frame < 70; ++frame) game->Logic();
       }},
  };
  for (const EscapeCase& c : cases) {
    SCOPED_TRACE(c.moment);
    Restart();
    Enter();
    game->Logic();
    c.before();
    const Int timeLeft = level->timeLeft;
    const Int death = player->deathAnimCounter;
    const Int success = player->successAnimCounter;
    const auto alphas = Alphas();
    platform::test::PressKey(KEY_LEFT);
    Tap(KEY_ESCAPE);
    game->Logic();
    EXPECT_EQ(ScreenName(), "Title");
    EXPECT_EQ(renderer->scaleX, 1.0f);
    EXPECT_EQ(renderer->scaleY, 1.0f);
    EXPECT_EQ(renderer->scrollX, 0.0f);
    EXPECT_EQ(renderer->scrollY, 0.0f);
    EXPECT_EQ(level->timeLeft, timeLeft);
    EXPECT_EQ(player->deathAnimCounter, death);
    EXPECT_EQ(player->successAnimCounter, success);
    EXPECT_EQ(player->x, 512.0f);
    EXPECT_EQ(Alphas(), alphas);
    platform::test::ReleaseKey(KEY_LEFT);
    game->Logic();
    EXPECT_EQ(ScreenName(), "Title");
  }
}

// Index of the first record of the kind whose image or text contains the
// name; the log's size when there is none.
size_t FirstDraw(DrawKind kind, const std::string& name) {
  const auto& log = platform::test::CurrentDrawLog();
  for (size_t i = 0; i < log.size(); ++i) {
    const auto& record = log[i];
    const std::string& what = kind == DrawKind::Text ? record.text : record.image;
    if (record.kind == kind && what.find(name) != std::string::npos) return i;
  }
  return log.size();
}

TEST_F(GameScreenTest, DrawsLevelPlayerParticlesThenTheDisplay) {
  Enter();
  Flip(0);
  game->Draw();
  const size_t spikes = FirstDraw(DrawKind::Image, "spikes");
  const size_t zumbel = FirstDraw(DrawKind::Image, "zumbel");
  const size_t fog = FirstDraw(DrawKind::Image, "fog");
  const size_t self = FirstDraw(DrawKind::Image, "player");
  const size_t message = FirstDraw(DrawKind::Text, "Find 5 Zumbels");
  const size_t display = FirstDraw(DrawKind::Text, "Score");
  const size_t size = platform::test::CurrentDrawLog().size();
  EXPECT_LT(spikes, zumbel);
  EXPECT_LT(zumbel, fog);
  EXPECT_LT(fog, self);
  EXPECT_LT(self, message);
  EXPECT_LT(message, display);
  EXPECT_LT(display, size);
}

}  // namespace
