// The display: opening as a window or full screen, closing, what a re-open
// keeps and discards, presenting and reading frames back, the letterbox,
// and a small scene drawn end to end.
#include <unistd.h>

#include <filesystem>

#include "canvas_fixture.h"
#include "platform/detail.h"
#include "platform/input.h"
#include "platform/system.h"

namespace {

using canvas_test::CanvasTest;

class DisplayTest : public CanvasTest {
 protected:
  void SetUp() override {
    CanvasTest::SetUp();
    title_ = AppTitle;
  }
  void TearDown() override {
    AppTitle = title_;
    Graphics(CANVAS_WIDTH, CANVAS_HEIGHT, 0);
    CanvasTest::TearDown();
  }

  String title_;
};

TEST_F(DisplayTest, DepthChoosesWindowOrFullScreen) {
  struct Case {
    Int depth;
    bool fullscreen;
    const char* title;
  };
  const Case cases[] = {{32, true, "Quorvane V0.21"}, {0, false, "Windowed"}, {16, true, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.depth);
    AppTitle = c.title;
    const Int calls = platform::test::GraphicsCalls();
    EXPECT_EQ(Graphics(CANVAS_WIDTH, CANVAS_HEIGHT, c.depth), 1);
    EXPECT_TRUE(GraphicsOpen());
    EXPECT_EQ(platform::test::Fullscreen(), c.fullscreen);
    EXPECT_EQ(platform::test::WindowTitle(), c.title);
    EXPECT_EQ(GraphicsDepth(), c.depth);
    EXPECT_EQ(platform::test::GraphicsCalls(), calls + 1);
  }
  const Int ends = platform::test::EndGraphicsCalls();
  EndGraphics();
  EXPECT_FALSE(GraphicsOpen());
  EXPECT_FALSE(platform::test::Fullscreen());
  EXPECT_EQ(platform::test::WindowTitle(), "");
  EXPECT_EQ(GraphicsWidth(), 0);
  EndGraphics();
  Flip(1);
  EXPECT_EQ(platform::test::EndGraphicsCalls(), ends + 2);
}

TEST_F(DisplayTest, ReopeningDiscardsHitsButKeepsHeldKeys) {
  for (const bool close : {false, true}) {
    SCOPED_TRACE(close ? "EndGraphics" : "Graphics");
    platform::test::PressKey(KEY_SPACE);
    platform::test::PressMouse(1);
    platform::test::ReleaseMouse(1);
    if (close) {
      EndGraphics();
    } else {
      Graphics(CANVAS_WIDTH, CANVAS_HEIGHT, 32);
    }
    EXPECT_EQ(KeyHit(KEY_SPACE), 0);
    EXPECT_EQ(MouseHit(1), 0);
    EXPECT_TRUE(KeyDown(KEY_SPACE));
    platform::test::ReleaseKey(KEY_SPACE);
    EXPECT_FALSE(KeyDown(KEY_SPACE));
  }
}

TEST_F(DisplayTest, FlipPresentsTheCanvas) {
  SetColor(0, 255, 0);
  DrawRect(7, 7, 1, 1);
  EXPECT_EQ(platform::test::ReadCanvasPixel(7, 7), 0xFF00FF00u);
  EXPECT_EQ(platform::test::ReadBackBuffer()[7 * CANVAS_WIDTH + 7], 0xFF000000u);
  Present();
  EXPECT_EQ(At(7, 7), 0xFF00FF00u);
  EXPECT_EQ(platform::test::ReadCanvasPixel(-1, 0), 0u);
}

TEST_F(DisplayTest, WindowPixelsMapThroughTheLetterbox) {
  struct Case {
    Int width, height, wx, wy, cx, cy;
  };
  const Case cases[] = {
      {1024, 768, 5, 6, 5, 6},    {2048, 768, 512, 0, 0, 0},      {2048, 768, 1535, 767, 1023, 767},
      {2048, 768, 511, 0, -1, 0}, {512, 384, 256, 193, 512, 386}, {1024, 1024, 0, 128, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " " << c.wx << "," << c.wy);
    Graphics(c.width, c.height, 0);
    Int cx = 0, cy = 0;
    platform::detail::WindowToCanvas(c.wx, c.wy, cx, cy);
    EXPECT_EQ(cx, c.cx);
    EXPECT_EQ(cy, c.cy);
  }
}

TEST(DisplayModesTest, TheDummyDriverOffersItsOneMode) {
  platform_test::StartHeadless();
  ASSERT_GE(CountGraphicsModes(), 1);
  Int width = 0, height = 0, depth = 0, hertz = -1;
  GetGraphicsMode(0, width, height, depth, hertz);
  EXPECT_EQ(width, 1024);
  EXPECT_EQ(height, 768);
  EXPECT_EQ(depth, 32);
  GetGraphicsMode(CountGraphicsModes(), width, height, depth, hertz);
  EXPECT_EQ(width + height + depth + hertz, 0);
}

// A PNG written to disk, loaded, drawn plainly and turned, with a line and
// text in the default font.
TEST_F(DisplayTest, SmallSceneReadsBackRight) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                     ("quorvane-scene-" + std::to_string(getpid()) + ".png");
  constexpr std::uint32_t red = 0xFFFF0000, blue = 0xFF0000FF;
  ASSERT_TRUE(platform::test::WritePng(file.string(), {red, red, red, blue}, 4, 1));
  const Ref<TImage> image = LoadImage(file.string(), 0);
  std::filesystem::remove(file);
  ASSERT_TRUE(image);
  MidHandleImage(image);

  DrawImage(image, 100, 100);  // covers x 98..101 at y 99
  SetRotation(90);
  DrawImage(image, 200, 100);  // covers y 98..101 at x 200, blue at the bottom
  SetRotation(0);
  SetColor(0, 255, 0);
  DrawLine(300, 50, 305, 50, 0);
  SetColor(255, 255, 255);
  SetImageFont(nullptr);
  DrawText("Quorvane", 400, 100);
  Present();

  const auto& log = platform::test::LastFrameDrawLog();
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(platform::test::FormatRecord(log[1]),
            "draw image " + file.string() +
                " frame=0 x=200 y=100 colour=255,255,255 alpha=1 scale=1,1 rot=90");
  EXPECT_EQ(log[1].imageId, image.get());

  EXPECT_EQ(At(98, 99), red);
  EXPECT_EQ(At(101, 99), blue);
  EXPECT_EQ(At(102, 99), 0xFF000000u);
  EXPECT_EQ(At(200, 98), red);
  EXPECT_EQ(At(200, 101), blue);
  EXPECT_EQ(At(199, 101), 0xFF000000u);
  EXPECT_EQ(Lit(300, 50, 306, 50).size(), 5u);
  const auto text = Lit(390, 90, 600, 130);
  ASSERT_FALSE(text.empty());
  const Int height = TextHeight("Quorvane"), width = TextWidth("Quorvane");
  for (const auto& [x, y] : text) {
    EXPECT_TRUE(x >= 400 && x < 400 + width && y >= 100 && y < 100 + height) << x << "," << y;
  }
}

}  // namespace
