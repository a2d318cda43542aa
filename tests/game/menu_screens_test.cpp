// The splash, title and credits screens: the splash fade and timeout, and
// the layout of the title and credits text.
#include <gtest/gtest.h>

#include "game/credits_screen.h"
#include "game/intro_screen.h"
#include "game/title_screen.h"
#include "screen_fixture.h"

namespace {

using namespace screen_fixture;

// The logo's draw records of the frame.
std::vector<test::DrawRecord> Logos(const std::vector<test::DrawRecord>& frame) {
  std::vector<test::DrawRecord> logos;
  for (const auto& record : frame) {
    if (record.kind == test::DrawKind::Image) logos.push_back(record);
  }
  return logos;
}

TEST_F(ScreenTest, SplashFadesInAndOutOverItsThreeSeconds) {
  const auto splash = TIntroScreen::Create();
  game->ChangeScreen(splash);
  EXPECT_EQ(splash->LENGTH, 180);
  const struct {
    Int counter;
    Float alpha;
  } cases[] = {{0, 0.0f},   {1, 1.0f / 60},    {30, 0.5f},  {59, 59.0f / 60}, {60, 1.0f},
               {120, 1.0f}, {121, 59.0f / 60}, {150, 0.5f}, {179, 1.0f / 60}};
  for (const auto& [counter, alpha] : cases) {
    SCOPED_TRACE(counter);
    splash->counter = counter;
    const auto logos = Logos(DrawFrame());
    ASSERT_EQ(logos.size(), 1u);
    EXPECT_EQ(logos[0].image, "Data/thistlebane.png");
    EXPECT_EQ(std::vector<Float>({logos[0].x, logos[0].y}), std::vector<Float>({0.0f, 0.0f}));
    EXPECT_NEAR(logos[0].state.alpha, alpha, 1e-6);
    EXPECT_EQ(TDrawState::Current().alpha, 1.0f);
  }
}

// The splash screen that start-up put on the stack.
Ref<TIntroScreen> StartUpSplash() {
  return std::dynamic_pointer_cast<TIntroScreen>(game->currentScreen);
}

TEST_F(ScreenTest, SkipOnTheLastSplashFrameMakesOneTitleScreen) {
  const auto splash = StartUpSplash();
  ASSERT_TRUE(splash);
  splash->counter = 179;
  Tap(KEY_SPACE);
  game->Logic();
  EXPECT_EQ(splash->counter, 179);
  EXPECT_EQ(game->screenStack->Count(), 1);
  EXPECT_EQ(game->currentScreen->name, "Title");
  EXPECT_EQ(Playing(), std::vector<std::string>({"quorvane.wav"}));
  EXPECT_EQ(Cued(), std::vector<std::string>({"quorvane.wav"}));
}

TEST_F(ScreenTest, TitleShowsItsPictureAndThreePrompts) {
  game->ChangeScreen(TTitleScreen::Create());
  const auto frame = DrawFrame();
  EXPECT_EQ(frame[0].kind, test::DrawKind::Cls);
  EXPECT_EQ(std::vector<Int>({frame[0].state.cls_r, frame[0].state.cls_g, frame[0].state.cls_b}),
            std::vector<Int>({80, 30, 0}));
  const auto pictures = Logos(frame);
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0].image, "Data/Images/titleimg.jpg");
  EXPECT_EQ(std::vector<Float>({pictures[0].x, pictures[0].y}), std::vector<Float>({0.0f, 0.0f}));
  ExpectLines(frame, {{"Press <Space> to Play", CENTRED, 628, 0.4f, 0.6f, 100, 255, 100, 2},
                      {"Press <C> for credits", CENTRED, 668, 0.4f, 0.6f, 100, 255, 100, 2},
                      {"Press <Esc> to Exit", CENTRED, 718, 0.4f, 0.6f, 255, 255, 0, 2}});
}

TEST_F(ScreenTest, CreditsListFourRolesAndNames) {
  game->ChangeScreen(TCreditsScreen::Create());
  const auto frame = DrawFrame();
  EXPECT_EQ(std::vector<Int>({frame[0].state.cls_r, frame[0].state.cls_g, frame[0].state.cls_b}),
            std::vector<Int>({0, 0, 0}));
  EXPECT_TRUE(Cued().empty());
  ExpectLines(frame, {{"Quorvane", CENTRED, 10, 1.2f, 2.4f, 100, 150, 255, 3},
                      {"Programming and Design", CENTRED, 224, 0.4f, 0.6f, 100, 255, 100, 2},
                      {"Orrindale", CENTRED, 269, 0.4f, 0.6f, 100, 255, 255, 2},
                      {"Title Screen", CENTRED, 332, 0.4f, 0.6f, 100, 255, 100, 2},
                      {"Vessmont", CENTRED, 377, 0.4f, 0.6f, 100, 255, 255, 2},
                      {"Other Graphics", CENTRED, 440, 0.4f, 0.6f, 100, 255, 100, 2},
                      {"Orrindale", CENTRED, 485, 0.4f, 0.6f, 100, 255, 255, 2},
                      {"Sound Design", CENTRED, 548, 0.4f, 0.6f, 100, 255, 100, 2},
                      {"Orrindale", CENTRED, 593, 0.4f, 0.6f, 100, 255, 255, 2},
                      {"Press <Space> to go back", CENTRED, 668, 0.5f, 0.8f, 255, 255, 0, 2}});
}

}  // namespace
