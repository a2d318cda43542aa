// The renderer's camera, text output and display switching, and the colour
// and shadow objects' effect on the drawing state.
#include "framework/renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "platform/display.h"
#include "platform/draw.h"
#include "platform/headless_start.h"
#include "platform/input.h"
#include "platform/maths.h"
#include "platform/testing.h"

namespace test = platform::test;

namespace {

constexpr Int KEY_F = 70;

class RendererTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform_test::RestartHeadless();
    camera = New<TRenderer>();
    camera->SetFullScreen(1);
    Flip(1);  // starts an empty draw log
  }
  static std::vector<Int> Colour(const test::DrawRecord& record) {
    return {record.state.color_r, record.state.color_g, record.state.color_b};
  }
  static void ExpectRestState() {
    Int r, g, b;
    GetColor(r, g, b);
    EXPECT_EQ(std::vector<Int>({r, g, b}), std::vector<Int>({255, 255, 255}));
    EXPECT_EQ(GetAlpha(), 1.0f);
  }
  Ref<TRenderer> camera;
};

struct CentreCase {
  Float scaleX, scaleY, x, y, scrollX, scrollY;
};

TEST_F(RendererTest, CentreOnCoordsUsesScaleXForBothOffsets) {
  for (const CentreCase& c :
       {CentreCase{1.0f, 1.0f, 300, 200, 0, 0}, CentreCase{1.5f, 1.5f, 512, 384, -256, -192},
        CentreCase{2.0f, 1.0f, 100, 50, -100, -50}}) {
    SCOPED_TRACE(c.scaleX);
    camera->SetGameScale(c.scaleX, c.scaleY);
    camera->CentreOnCoords(c.x, c.y);
    EXPECT_FLOAT_EQ(camera->scrollX, c.scrollX);
    EXPECT_FLOAT_EQ(camera->scrollY, c.scrollY);
    EXPECT_FLOAT_EQ(camera->GetX(c.x), c.x);  // the point keeps its screen position
  }
  camera->ResetScale();
  camera->ResetScrolling();
  EXPECT_EQ(std::vector<Float>({camera->scaleX, camera->scaleY, camera->scrollX, camera->scrollY}),
            std::vector<Float>({1.0f, 1.0f, 0.0f, 0.0f}));
  EXPECT_EQ(camera->GetY(100.0f), 100.0f);
}

TEST_F(RendererTest, OutputTextWithFontShadowAndColour) {
  camera->SetGameScale(2.0f, 1.5f);
  camera->OutputText("Hi", 100, 50, DefaultFont(), 0.5f, 2.0f, TColor::Create(255, 0, 0, 0.5f),
                     TShadow::Create(3, 4, 0.7f));
  const auto& log = test::CurrentDrawLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(std::vector<Float>({log[0].x, log[0].y, log[1].x, log[1].y}),
            std::vector<Float>({103, 54, 100, 50}));
  EXPECT_EQ(Colour(log[0]), std::vector<Int>({0, 0, 0}));
  EXPECT_FLOAT_EQ(log[0].state.alpha, 0.7f);
  EXPECT_EQ(Colour(log[1]), std::vector<Int>({255, 0, 0}));
  EXPECT_FLOAT_EQ(log[1].state.alpha, 0.5f);
  for (const auto& record : log) {
    EXPECT_EQ(std::vector<Float>({record.state.scale_x, record.state.scale_y}),
              std::vector<Float>({1.0f, 3.0f}));
  }
  ExpectRestState();
  EXPECT_FALSE(TDrawState::Current().font);
  Float sx, sy;
  GetScale(sx, sy);
  EXPECT_EQ(std::vector<Float>({sx, sy}), std::vector<Float>({1.0f, 1.0f}));
}

TEST_F(RendererTest, OutputTextWithoutFontKeepsFontScaleAndColour) {
  SetImageFont(DefaultFont());
  SetScale(2.0f, 2.0f);
  SetColor(10, 20, 30);
  SetAlpha(0.3f);
  camera->OutputText("Hi", 7, 8, nullptr, 5.0f, 5.0f, nullptr, nullptr);
  const auto& text = test::CurrentDrawLog().back();
  EXPECT_EQ(Colour(text), std::vector<Int>({10, 20, 30}));
  EXPECT_FLOAT_EQ(text.state.alpha, 0.3f);
  EXPECT_EQ(text.state.scale_x, 2.0f);
  Float sx, sy;
  GetScale(sx, sy);
  EXPECT_EQ(sx, 2.0f);
  EXPECT_EQ(TDrawState::Current().font, DefaultFont());

  // After a shadow pass a text without colour is white and opaque.
  camera->OutputText("Hi", 7, 8, nullptr, 1.0f, 1.0f, nullptr, New<TShadow>());
  EXPECT_EQ(Colour(test::CurrentDrawLog().back()), std::vector<Int>({255, 255, 255}));
  EXPECT_EQ(test::CurrentDrawLog().back().state.alpha, 1.0f);
}

TEST_F(RendererTest, CentredTextIsNotRounded) {
  const String text = "Press Space";
  camera->scaleX = 1.5f;
  const Float width = TextWidth(text) * 1.5f * 0.5f;
  EXPECT_EQ(camera->GetTextWidth(text, DefaultFont(), 0.5f), width);
  EXPECT_FALSE(TDrawState::Current().font);
  const Float x = (1024 - width) / 2.0f;
  ASSERT_NE(x, std::trunc(x)) << "pick a text whose centred x has a fraction";
  camera->OutputTextCentered(text, 20, DefaultFont(), 0.5f, 0.5f, nullptr, nullptr);
  EXPECT_EQ(test::CurrentDrawLog().back().x, x);
}

struct RandCase {
  Int size, low, high;
};

TEST_F(RendererTest, RandomPositionsFitTheScreen) {
  SeedRnd(7);
  for (const RandCase& c :
       {RandCase{1024, 0, 0}, RandCase{1023, 0, 1}, RandCase{0, 0, 1024}, RandCase{1100, -76, 0}}) {
    SCOPED_TRACE(c.size);
    std::vector<Int> values;
    for (int draw = 0; draw < 500; ++draw) values.push_back(camera->GetRandX(c.size));
    EXPECT_GE(*std::min_element(values.begin(), values.end()), c.low);
    EXPECT_LE(*std::max_element(values.begin(), values.end()), c.high);
    if (c.high - c.low <= 1) {
      EXPECT_EQ(*std::min_element(values.begin(), values.end()), c.low);
      EXPECT_EQ(*std::max_element(values.begin(), values.end()), c.high);
    }
  }
  for (int draw = 0; draw < 100; ++draw) EXPECT_EQ(camera->GetRandY(768), 0);
}

// The difference is plain 32-bit Int arithmetic: at the far end of the range
// it wraps around instead of overflowing.
TEST_F(RendererTest, RandomPositionOfAnExtremeSizeWraps) {
  SeedRnd(7);
  const Int lowest = std::numeric_limits<Int>::min();
  for (int draw = 0; draw < 100; ++draw) {
    EXPECT_LE(camera->GetRandX(lowest), 0);
    EXPECT_GE(camera->GetRandX(lowest), lowest + 1024);
    EXPECT_GE(camera->GetRandY(lowest), lowest + 768);
  }
}

TEST_F(RendererTest, ControlFSwitchesDisplayAndDiscardsHits) {
  EXPECT_TRUE(test::Fullscreen());
  EXPECT_EQ(GraphicsDepth(), 32);

  test::PressKey(KEY_F);
  test::ReleaseKey(KEY_F);
  camera->Logic();  // F without Control
  EXPECT_EQ(camera->fullScreen, 1);

  test::PressKey(KEY_LCONTROL);
  for (Int expected : {0, 1}) {
    test::PressKey(KEY_SPACE);
    test::ReleaseKey(KEY_SPACE);
    test::PressKey(KEY_F);
    test::ReleaseKey(KEY_F);
    camera->Logic();
    EXPECT_EQ(camera->fullScreen, expected);
    EXPECT_EQ(camera->bitDepth, expected ? 32 : 0);
    EXPECT_EQ(test::Fullscreen(), expected == 1);
    EXPECT_EQ(GraphicsDepth(), camera->bitDepth);
    EXPECT_EQ(KeyHit(KEY_SPACE), 0);  // the re-open discarded it
  }
}

TEST(ColourTest, ApplyAndRestoreSetTheDrawingState) {
  platform_test::StartHeadless();
  SetColor(1, 2, 3);
  SetAlpha(0.3f);
  const auto colour = TColor::Create(300, -5, 0, 1.5f);
  colour->ApplyNoAlpha();
  EXPECT_EQ(GetAlpha(), 0.3f);
  colour->Apply();
  Int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ(std::vector<Int>({r, g, b}), std::vector<Int>({300, -5, 0}));  // passed on unchecked
  EXPECT_EQ(GetAlpha(), 1.5f);
  colour->Restore();
  GetColor(r, g, b);
  EXPECT_EQ(std::vector<Int>({r, g, b}), std::vector<Int>({255, 255, 255}));
  EXPECT_EQ(GetAlpha(), 1.0f);

  const auto shadow = New<TShadow>();
  EXPECT_EQ(std::vector<Float>({shadow->X, shadow->Y, shadow->alpha}),
            std::vector<Float>({1.0f, 1.0f, 0.5f}));
  SetColor(9, 9, 9);
  shadow->Apply();
  GetColor(r, g, b);
  EXPECT_EQ(std::vector<Int>({r, g, b}), std::vector<Int>({0, 0, 0}));
  EXPECT_EQ(GetAlpha(), 0.5f);
  shadow->Restore();
  EXPECT_EQ(GetAlpha(), 1.0f);
}

TEST(ColourTest, GetWritesThreeComponentsGetFullFour) {
  const auto colour = TColor::Create(4, 5, 6, 0.25f);
  Int r = 0, g = 0, b = 0;
  Float a = -1.0f;
  colour->Get(r, g, b);
  EXPECT_EQ(std::vector<Int>({r, g, b}), std::vector<Int>({4, 5, 6}));
  EXPECT_EQ(a, -1.0f);
  colour->GetFull(r, g, b, a);
  EXPECT_EQ(a, 0.25f);
}

}  // namespace
