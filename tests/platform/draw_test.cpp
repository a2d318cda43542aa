// The drawing state, lines, rectangles, colour and alpha on the headless
// canvas, and the draw log.
#include <array>
#include <cmath>
#include <set>

#include "canvas_fixture.h"

namespace {

using canvas_test::CanvasTest;
using canvas_test::Channel;
using Pixels = std::set<std::pair<Int, Int>>;

TEST(DrawStateTest, TransformFollowsScaleAndClockwiseRotation) {
  struct Case {
    Float sx, sy, degrees, ix, iy, jx, jy;
  };
  const Float c30 = std::cos(0.5235987755982988), s30 = 0.5f;
  const Case cases[] = {
      {1, 1, 0, 1, 0, 0, 1},     {2, 3, 90, 0, -3, 2, 0},
      {1, 1, 180, -1, 0, 0, -1}, {1, 1, -90, 0, 1, -1, 0},
      {1, 2, 450, 0, -2, 1, 0},  {2, 2, 30, 2 * c30, -2 * s30, 2 * s30, 2 * c30},
      {-1, 1, 0, -1, 0, 0, 1},
  };
  for (const Case& c : cases) {
    SetScale(c.sx, c.sy);
    SetRotation(c.degrees);
    const TDrawState& s = TDrawState::Current();
    SCOPED_TRACE(testing::Message() << c.sx << "," << c.sy << " rot " << c.degrees);
    EXPECT_FLOAT_EQ(s.tform_ix, c.ix);
    EXPECT_FLOAT_EQ(s.tform_iy, c.iy);
    EXPECT_FLOAT_EQ(s.tform_jx, c.jx);
    EXPECT_FLOAT_EQ(s.tform_jy, c.jy);
  }
  canvas_test::RestState();
}

TEST_F(CanvasTest, LinesPlotTheirPixelsAndLeaveOutTheEndOnRequest) {
  struct Case {
    Float x, y, x2, y2;
    Int last;
    Float scale;
    Pixels expected;
  };
  const Case cases[] = {
      {10, 10, 13, 10, 1, 1, {{10, 10}, {11, 10}, {12, 10}, {13, 10}}},
      {10, 10, 13, 10, 0, 1, {{10, 10}, {11, 10}, {12, 10}}},
      {10, 10, 10, 7, 0, 1, {{10, 10}, {10, 9}, {10, 8}}},
      {10, 10, 13, 13, 1, 1, {{10, 10}, {11, 11}, {12, 12}, {13, 13}}},
      {10, 10, 14, 11, 1, 1, {{10, 10}, {11, 10}, {12, 11}, {13, 11}, {14, 11}}},
      {10, 10, 10, 10, 1, 1, {{10, 10}}},
      {10, 10, 10, 10, 0, 1, {}},
      {10.7f, 10.2f, 12.9f, 10.9f, 1, 1, {{10, 10}, {11, 10}, {12, 10}}},
      {-5, 10, 2, 10, 1, 1, {{0, 10}, {1, 10}, {2, 10}}},
      {10, 10, 12, 10, 1, 2, {{10, 10}, {11, 10}, {12, 10}, {13, 10}, {14, 10}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " to " << c.x2 << "," << c.y2);
    Cls();
    SetScale(c.scale, c.scale);
    DrawLine(c.x, c.y, c.x2, c.y2, c.last);
    SetScale(1, 1);
    Present();
    const auto lit = Lit(0, 0, 20, 20);
    EXPECT_EQ(Pixels(lit.begin(), lit.end()), c.expected);
  }
  // Far-away end points: only the canvas's part of the line is visited.
  Cls();
  DrawLine(-1e9f, 10, 1e9f, 10);
  Present();
  EXPECT_EQ(Lit(0, 9, CANVAS_WIDTH - 1, 11).size(), std::size_t(CANVAS_WIDTH));
}

// Four lines without their last pixels outline a 4 x 3 rectangle: each of
// the 10 border pixels is painted once, which a translucent colour shows.
TEST_F(CanvasTest, OutlineOfLinesPaintsEachBorderPixelOnce) {
  SetAlpha(0.5f);
  DrawLine(10, 20, 13, 20, 0);
  DrawLine(13, 20, 13, 22, 0);
  DrawLine(13, 22, 10, 22, 0);
  DrawLine(10, 22, 10, 20, 0);
  Present();
  Int painted = 0;
  for (Int y = 18; y <= 24; ++y) {
    for (Int x = 8; x <= 15; ++x) {
      const bool border =
          (y == 20 || y == 22 || x == 10 || x == 13) && x >= 10 && x <= 13 && y >= 20 && y <= 22;
      SCOPED_TRACE(testing::Message() << x << "," << y);
      EXPECT_NEAR(Channel(At(x, y), 8), border ? 128 : 0, 1);
      painted += border;
    }
  }
  EXPECT_EQ(painted, 10);
}

TEST_F(CanvasTest, RectanglesCoverTheirPixelsUnderTheTransform) {
  struct Case {
    Float x, y, w, h, sx, sy, degrees;
    Int x0, y0, x1, y1;  // covered box; x1 < x0 when nothing is drawn
  };
  const Case cases[] = {
      {10, 10, 3, 2, 1, 1, 0, 10, 10, 12, 11},  {10, 10, 0, 5, 1, 1, 0, 0, 0, -1, -1},
      {10, 10, -2, 2, 1, 1, 0, 0, 0, -1, -1},   {10, 10, 3, 2, 2, 1, 0, 10, 10, 15, 11},
      {20, 20, 3, 2, 1, 1, 90, 18, 20, 19, 22}, {20, 20, 3, 2, 1, 1, 180, 17, 18, 19, 19},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.x << "," << c.y << " " << c.w << "x" << c.h << " rot " << c.degrees);
    Cls();
    SetScale(c.sx, c.sy);
    SetRotation(c.degrees);
    DrawRect(c.x, c.y, c.w, c.h);
    canvas_test::RestState();
    Present();
    Pixels expected;
    for (Int y = c.y0; y <= c.y1; ++y) {
      for (Int x = c.x0; x <= c.x1; ++x) expected.emplace(x, y);
    }
    const auto lit = Lit(0, 0, 30, 30);
    EXPECT_EQ(Pixels(lit.begin(), lit.end()), expected);
  }
}

// Quads that are not finite or far too large are left out, not handed to
// the renderer (its software path crashes on a rotation that is NaN).
TEST_F(CanvasTest, WildTransformsDrawNothing) {
  const Float nan = std::nanf(""), inf = INFINITY;
  const std::array<std::array<Float, 3>, 4> cases = {
      {{1, 1, nan}, {nan, 1, 0}, {inf, 1, 10}, {1e30f, 1e30f, 45}}};
  for (const auto& [sx, sy, degrees] : cases) {
    SCOPED_TRACE(testing::Message() << sx << "," << sy << " rot " << degrees);
    Cls();
    SetScale(sx, sy);
    SetRotation(degrees);
    DrawRect(10, 10, 5, 5);
    DrawText("Wild", 10, 10);
    canvas_test::RestState();
    Present();
    EXPECT_TRUE(Lit(0, 0, CANVAS_WIDTH - 1, CANVAS_HEIGHT - 1).empty());
  }
}

// A line whose end points are not finite (also through the transform) draws
// nothing; one reaching far off the canvas keeps its slope on the canvas.
TEST_F(CanvasTest, WildLinesDrawNothingAndFarLinesKeepTheirSlope) {
  const Float nan = std::nanf(""), inf = INFINITY;
  const std::array<std::array<Float, 6>, 5> cases = {{{nan, 10, 20, 10, 1, 0},
                                                      {10, 10, 20, inf, 1, 0},
                                                      {10, 10, 20, 10, 1, nan},
                                                      {10, 10, 20, 10, inf, 0},
                                                      {10, 10, 20, 10, nan, 0}}};
  for (const auto& [x, y, x2, y2, scale, degrees] : cases) {
    SCOPED_TRACE(testing::Message() << x << "," << y << " to " << x2 << "," << y2 << " scale "
                                    << scale << " rot " << degrees);
    Cls();
    SetScale(scale, scale);
    SetRotation(degrees);
    DrawLine(x, y, x2, y2);
    canvas_test::RestState();
    Present();
    EXPECT_TRUE(Lit(0, 0, CANVAS_WIDTH - 1, CANVAS_HEIGHT - 1).empty());
  }
  Cls();
  DrawLine(0, 0, 1e9f, 5e8f);
  Present();
  const auto lit = Lit(0, 0, CANVAS_WIDTH - 1, CANVAS_HEIGHT - 1);
  EXPECT_EQ(lit.size(), std::size_t(CANVAS_WIDTH));
  for (const auto& [px, py] : lit) EXPECT_NEAR(py, px / 2.0, 1) << px;
}

TEST_F(CanvasTest, DrawLogRecordsArgumentsAndStateSnapshots) {
  platform::test::ResetSetterCalls();
  SetClsColor(10, 20, 30);
  Cls();
  SetColor(300, 0, 7);
  SetAlpha(2);
  DrawRect(1, 2, 3, 4);
  SetScale(2, 0.5f);
  SetRotation(-45);
  DrawLine(1.5f, 2, 3, 4, 0);
  canvas_test::RestState();
  DrawText("Screen: Title", 10, 115);
  const std::vector<std::string> expected = {
      "draw cls colour=10,20,30",
      "draw rect x=1 y=2 w=3 h=4 colour=300,0,7 alpha=2 scale=1,1 rot=0",
      "draw line x=1.5 y=2 x2=3 y2=4 last=0 colour=300,0,7 alpha=2 scale=2,0.5 rot=-45",
      "draw text \"Screen: Title\" x=10 y=115 font=default colour=255,255,255 alpha=1 scale=1,1 "
      "rot=0",
  };
  std::vector<std::string> lines;
  for (const auto& record : platform::test::CurrentDrawLog()) {
    lines.push_back(platform::test::FormatRecord(record));
  }
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(platform::test::SetterCalls("SetColor"), 2);
  EXPECT_EQ(platform::test::SetterCalls("SetRotation"), 2);
  EXPECT_EQ(platform::test::SetterCalls("SetClsColor"), 2);
  EXPECT_THROW(platform::test::SetterCalls("SetColour"), std::invalid_argument);

  Flip(0);
  EXPECT_TRUE(platform::test::CurrentDrawLog().empty());
  ASSERT_EQ(platform::test::LastFrameDrawLog().size(), expected.size());
  EXPECT_EQ(platform::test::LastFrameDrawLog()[1].state.color_r, 300);
  EXPECT_EQ(platform::test::LastFrameDrawLog()[1].alphaClamped, 1.0f);
  SetAlpha(-0.5f);
  DrawRect(1, 2, 3, 4);
  SetAlpha(0.25f);
  DrawRect(1, 2, 3, 4);
  canvas_test::RestState();
  EXPECT_EQ(platform::test::CurrentDrawLog()[0].alphaClamped, 0.0f);
  EXPECT_EQ(platform::test::CurrentDrawLog()[1].alphaClamped, 0.25f);
}

TEST_F(CanvasTest, DrawingWithoutADisplayOnlyLogs) {
  EndGraphics();
  Cls();
  DrawRect(1, 1, 5, 5);
  DrawLine(0, 0, 10, 10);
  DrawText("no display", 0, 0);
  EXPECT_EQ(platform::test::CurrentDrawLog().size(), 4u);
  EXPECT_EQ(platform::test::ReadCanvasPixel(2, 2), 0u);
  Flip(1);
  Graphics(CANVAS_WIDTH, CANVAS_HEIGHT, 0);
}

}  // namespace
