// The game object: screen changes and their lifetime, the global keys,
// pause, window close and the frame's drawing.
#include "framework/game.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/renderer.h"
#include "platform/display.h"
#include "platform/draw.h"
#include "platform/headless_start.h"
#include "platform/input.h"
#include "platform/system.h"
#include "platform/testing.h"

namespace test = platform::test;

namespace {

constexpr Int KEY_D = 68;
constexpr Int KEY_F = 70;
constexpr Int KEY_P = 80;

// Counts its calls and what reached it. When `next` is set, its Logic
// changes to that screen first and then goes on reading input and its own
// fields.
class RecordingScreen : public TScreen {
 public:
  explicit RecordingScreen(const char* screenName) { name = screenName; }

  Int Logic() override {
    if (next) game->ChangeScreen(std::exchange(next, nullptr));
    ++logicRuns;
    spaceHits += KeyHit(KEY_SPACE);
    dHits += KeyHit(KEY_D);
    mouseHits += MouseHit(1);
    if (endsGame) game->endGame = 1;
    return 0;
  }
  Int Draw() override {
    ++drawRuns;
    DrawText(name, 0, 0);
    return 0;
  }

  Ref<TScreen> next;
  bool endsGame = false;
  Int logicRuns = 0;
  Int drawRuns = 0;
  Int spaceHits = 0;
  Int dHits = 0;
  Int mouseHits = 0;
};

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform_test::RestartHeadless();
    game = TGame::Create();
    game->debugPanelY = 100;
    renderer = New<TRenderer>();
    renderer->SetFullScreen(1);
    Flip(1);  // starts an empty draw log
    screen = New<RecordingScreen>("First");
    game->AddScreenToStack(screen);
  }
  void TearDown() override {
    game = nullptr;
    renderer = nullptr;
  }

  static void Tap(Int key) {
    test::PressKey(key);
    test::ReleaseKey(key);
  }

  static std::vector<std::string> DrawnTexts() {
    std::vector<std::string> texts;
    for (const auto& record : test::CurrentDrawLog()) {
      if (record.kind == test::DrawKind::Text) texts.push_back(record.text);
    }
    return texts;
  }

  Ref<RecordingScreen> screen;
};

TEST_F(GameTest, ReplacedScreenLivesUntilItsLogicReturns) {
  auto next = New<RecordingScreen>("Next");
  std::weak_ptr<RecordingScreen> first = screen;
  screen->next = next;
  screen = nullptr;  // the stack and currentScreen hold the only references
  Tap(KEY_SPACE);
  test::PressMouse(1);
  test::ReleaseMouse(1);

  EXPECT_EQ(game->Logic(), 0);

  // Released once its Logic returned, after reading its own fields (ASan
  // reports a use after free otherwise); the flush left it no hits.
  EXPECT_TRUE(first.expired());
  EXPECT_EQ(game->currentScreen, next);
  EXPECT_EQ(game->screenStack->Count(), 1);
  EXPECT_EQ(next->logicRuns, 0);
  game->Draw();
  EXPECT_EQ(DrawnTexts(), std::vector<std::string>{"Next"});
}

TEST_F(GameTest, ChangeScreenDiscardsHitsAndHeldKeys) {
  auto next = New<RecordingScreen>("Next");
  screen->next = next;
  test::PressKey(KEY_LCONTROL);
  Tap(KEY_SPACE);
  game->Logic();
  EXPECT_EQ(screen->spaceHits, 0);
  EXPECT_EQ(KeyDown(KEY_LCONTROL), 0);
  // Control still physically held: Control+D needs a fresh press of it.
  Tap(KEY_D);
  game->Logic();
  EXPECT_EQ(game->displayDebugPanel, 0);
}

struct GlobalKeysCase {
  const char* label;
  std::vector<Int> held;
  std::vector<Int> tapped;
  Int panel;
  Int paused;
  Int spaceHits;  // seen by the screen
};

void PrintTo(const GlobalKeysCase& c, std::ostream* out) { *out << c.label; }

class GlobalKeysTest : public GameTest, public ::testing::WithParamInterface<GlobalKeysCase> {};

TEST_P(GlobalKeysTest, TogglesAndWhatReachesTheScreen) {
  const GlobalKeysCase& c = GetParam();
  for (Int key : c.held) test::PressKey(key);
  for (Int key : c.tapped) Tap(key);
  game->Logic();
  EXPECT_EQ(game->displayDebugPanel, c.panel);
  EXPECT_EQ(game->paused, c.paused);
  EXPECT_EQ(screen->spaceHits, c.spaceHits);
  EXPECT_EQ(screen->dHits, 0);  // D never reaches a screen
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GlobalKeysTest,
    ::testing::Values(
        GlobalKeysCase{"DAloneIsConsumed", {}, {KEY_D}, 0, 0, 0},
        GlobalKeysCase{"LeftControlD", {KEY_LCONTROL}, {KEY_D}, 1, 0, 0},
        GlobalKeysCase{"RightControlD", {KEY_RCONTROL}, {KEY_D}, 1, 0, 0},
        GlobalKeysCase{"P", {}, {KEY_P}, 0, 1, 0},
        GlobalKeysCase{"ControlP", {KEY_LCONTROL}, {KEY_P}, 0, 1, 0},
        GlobalKeysCase{"ControlDAndPTogglesPanelOnly", {KEY_LCONTROL}, {KEY_D, KEY_P}, 1, 0, 0},
        GlobalKeysCase{"SpaceLostToControlD", {KEY_LCONTROL}, {KEY_D, KEY_SPACE}, 1, 0, 0},
        GlobalKeysCase{"SpaceAloneReachesScreen", {}, {KEY_SPACE}, 0, 0, 1}),
    [](const auto& info) { return info.param.label; });

TEST_F(GameTest, PauseFreezesLogicButNotDrawing) {
  Tap(KEY_P);
  game->Logic();
  ASSERT_EQ(game->paused, 1);
  // Control+F is the renderer's Logic, which does not run while paused.
  test::PressKey(KEY_LCONTROL);
  Tap(KEY_F);
  for (int frame = 0; frame < 3; ++frame) {
    EXPECT_EQ(game->Logic(), 0);
    game->Draw();
  }
  EXPECT_EQ(screen->logicRuns, 0);
  EXPECT_EQ(screen->drawRuns, 3);
  EXPECT_EQ(renderer->fullScreen, 1);
  test::ReleaseKey(KEY_LCONTROL);
  Tap(KEY_P);
  game->Logic();
  EXPECT_EQ(game->paused, 0);
  EXPECT_EQ(screen->logicRuns, 1);
}

TEST_F(GameTest, WindowCloseEndsBeforeAnyKeyOrScreen) {
  for (bool paused : {false, true}) {
    SCOPED_TRACE(paused);
    SetUp();
    game->paused = paused ? 1 : 0;
    Tap(KEY_P);
    test::RequestClose();
    EXPECT_EQ(game->Logic(), 1);
    EXPECT_EQ(game->paused, paused ? 1 : 0);
    EXPECT_EQ(screen->logicRuns, 0);
  }
}

TEST_F(GameTest, EndFlagEndsInTheSameFrame) {
  screen->endsGame = true;
  EXPECT_EQ(game->Logic(), 1);
  EXPECT_EQ(screen->logicRuns, 1);
}

TEST_F(GameTest, DrawClearsBlendsAndDrawsStackBottomToTop) {
  game->AddScreenToStack(New<RecordingScreen>("Top"));
  SetClsColor(1, 2, 3);
  SetBlend(SOLIDBLEND);
  game->Draw();
  const auto& log = test::CurrentDrawLog();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front().kind, test::DrawKind::Cls);
  // With no clear colour of its own the platform's stays in use.
  EXPECT_EQ(log.front().state.cls_r, 1);
  EXPECT_EQ(log.front().state.cls_b, 3);
  EXPECT_EQ(GetBlend(), ALPHABLEND);
  EXPECT_EQ(DrawnTexts(), (std::vector<std::string>{"First", "Top"}));

  Flip(1);
  game->clsColor = TColor::Create(9, 8, 7, 0.25f);
  game->Draw();
  const auto& cls = test::CurrentDrawLog().front().state;
  EXPECT_EQ((std::vector<Int>{cls.cls_r, cls.cls_g, cls.cls_b}), (std::vector<Int>{9, 8, 7}));
}

TEST_F(GameTest, RemovingAnAbsentScreenChangesNothing) {
  game->RemoveScreenFromStack(New<RecordingScreen>("Stranger"));
  EXPECT_EQ(game->screenStack->Count(), 1);
  game->RemoveScreenFromStack(screen);
  EXPECT_EQ(game->screenStack->Count(), 0);
  EXPECT_EQ(game->currentScreen, screen);
}

}  // namespace
