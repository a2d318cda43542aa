// The heads-up display: its rows, bars and timer bar in screen pixels, the
// seconds and their colours, the countdown tick, and the refresh of the
// rows.
#include "game/hud.h"

#include <string>
#include <vector>

#include "framework/label_fixture.h"
#include "game/main_program.h"
#include "platform/testing.h"
#include "play_fixture.h"

namespace {

using label_test::ExpectStateAtRest;
using label_test::TextDraw;
using label_test::Texts;
using platform::test::DrawKind;

struct Rgb {
  Int r, g, b;
  bool operator==(const Rgb&) const = default;
};
constexpr Rgb WHITE = {255, 255, 255};
constexpr Rgb RED = {255, 50, 50};

class HudTest : public play_fixture::PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    mainFont = label_test::GameFont(64);
    ASSERT_TRUE(mainFont);
    platform::test::ClearSoundLog();
  }

  void TearDown() override {
    mainFont = nullptr;
    renderer->ResetScale();
    renderer->ResetScrolling();
    PlayTest::TearDown();
  }

  // A level with its display, and a clean frame.
  static void Start(Int number) {
    StartLevel(number);
    Flip(0);
  }

  // Plays one drawing pass of the display at the given time left.
  static void DrawAt(Int timeLeft) {
    level->timeLeft = timeLeft;
    Flip(0);
    HUD->Draw();
  }

  static Int Blips() {
    Int blips = 0;
    for (const auto& record : platform::test::SoundLog()) {
      const bool blip = play_fixture::EndsWith(record.path, "/blip.wav");
      if (record.event == platform::test::SoundEvent::Cue && blip) ++blips;
    }
    return blips;
  }

  static Float TextWidthInMainFont(const String& text) {
    SetImageFont(mainFont);
    const Int width = TextWidth(text);
    SetImageFont(nullptr);
    return static_cast<Float>(width);
  }
};

// Caption and value of each row, each after its black shadow at (1, 1),
// the value 16 pixels after the caption's text at scale 0.4.
TEST_F(HudTest, RowsOfALevelStartDrawAtTheirPlacesAndColours) {
  struct Row {
    std::string caption, value;
    Float x;
    Rgb colour;
  };
  const Row rows[] = {{"Zumbel", "0/5", 412, {100, 255, 100}},
                      {"Level", "1", 10, {255, 255, 100}},
                      {"Lives", "3", 210, {255, 200, 200}},
                      {"Score", "00000", 774, {255, 255, 100}}};
  // The display ignores the camera, when it is made and when it draws.
  renderer->SetGameScale(2.0f, 2.0f);
  renderer->scrollX = 40.0f;
  Start(1);
  HUD->Draw();
  std::vector<TextDraw> expected;
  for (const Row& row : rows) {
    const Float valueX = (row.x + TextWidthInMainFont(row.caption) * 0.4f) + 16.0f;
    const auto [r, g, b] = row.colour;
    expected.push_back({row.caption, row.x + 1, 4, 0, 0, 0, 0.5f, 0.4f, 0.6f});
    expected.push_back({row.caption, row.x, 3, r, g, b, 1, 0.4f, 0.6f});
    expected.push_back({row.value, valueX + 1, 4, 0, 0, 0, 0.5f, 0.4f, 0.6f});
    expected.push_back({row.value, valueX, 3, r, g, b, 1, 0.4f, 0.6f});
  }
  std::vector<TextDraw> drawn = Texts();
  ASSERT_EQ(drawn.size(), expected.size() + 2);
  const TextDraw seconds = drawn.back();
  drawn.resize(expected.size());
  EXPECT_EQ(drawn, expected);

  // The seconds: centred on x 512 at scale 0.48, 0.72, white at 20.
  EXPECT_EQ(seconds.text, "20");
  EXPECT_NEAR(seconds.x, 512.0f - TextWidthInMainFont("20") * 0.48f / 2.0f, 1e-3);
  EXPECT_EQ(seconds.y, 715.0f);
  EXPECT_EQ((Rgb{seconds.r, seconds.g, seconds.b}), WHITE);
  EXPECT_NEAR(seconds.sx, 0.48f, 1e-6);
  EXPECT_NEAR(seconds.sy, 0.72f, 1e-6);
  ExpectStateAtRest();
}

TEST_F(HudTest, BarsAndTimerBarDrawInScreenPixels) {
  Start(1);
  renderer->SetGameScale(1.5f, 1.5f);
  DrawAt(600);
  std::vector<std::string> shapes;
  for (const auto& record : platform::test::CurrentDrawLog()) {
    if (record.kind != DrawKind::Text) shapes.push_back(platform::test::FormatRecord(record));
  }
  const std::string rest = " scale=1,1 rot=0";
  const std::string white = " colour=255,255,255 alpha=1" + rest;
  EXPECT_EQ(shapes, (std::vector<std::string>{
                        "draw rect x=0 y=0 w=1024 h=50 colour=0,0,0 alpha=0.7" + rest,
                        "draw rect x=0 y=718 w=1024 h=50 colour=0,0,0 alpha=0.7" + rest,
                        "draw rect x=312 y=723 w=400 h=40 colour=30,30,30 alpha=1" + rest,
                        "draw rect x=312 y=723 w=200 h=40 colour=100,50,0 alpha=1" + rest,
                        "draw line x=312 y=723 x2=711 y2=723 last=0" + white,
                        "draw line x=711 y=723 x2=711 y2=762 last=0" + white,
                        "draw line x=711 y=762 x2=312 y2=762 last=0" + white,
                        "draw line x=312 y=762 x2=312 y2=723 last=0" + white}));
  ExpectStateAtRest();
}

TEST_F(HudTest, TimerFillIsTheShareOfTheLimitTruncated) {
  struct Case {
    Int timeLeft, timeLimit;
    Float fill;
  };
  const Case cases[] = {{1200, 1200, 400}, {1199, 1200, 399}, {599, 600, 399}, {300, 1200, 100},
                        {1, 1200, 0},      {0, 600, 0},       {61, 600, 40}};
  Start(1);
  for (const Case& c : cases) {
    level->timeLimit = c.timeLimit;
    level->timeLeft = c.timeLeft;
    Flip(0);
    HUD->DrawTimerBar();
    const auto& drawn = platform::test::CurrentDrawLog();  // empty bar, then the fill
    ASSERT_GE(drawn.size(), 2u);
    EXPECT_EQ(drawn[1].x2, c.fill) << c.timeLeft << " of " << c.timeLimit;
  }
}

TEST_F(HudTest, SecondsShowTwoDigitsRedAtTenOrLess) {
  struct Case {
    Int timeLeft;
    std::string shown;
    Rgb colour;
  };
  const Case cases[] = {{1200, "20", WHITE}, {660, "11", WHITE}, {601, "11", WHITE},
                        {600, "10", RED},    {541, "10", RED},   {540, "09", RED},
                        {1, "01", RED},      {0, "00", RED},     {1199, "20", WHITE}};
  Start(1);
  for (const Case& c : cases) {
    const Ref<TColor> before = HUD->timeLabel->color;
    DrawAt(c.timeLeft);
    const TextDraw seconds = Texts().back();
    EXPECT_EQ(seconds.text, c.shown) << c.timeLeft;
    EXPECT_EQ((Rgb{seconds.r, seconds.g, seconds.b}), c.colour) << c.timeLeft;
    EXPECT_NE(HUD->timeLabel->color, before);
  }
}

// One tick at each change of the shown value at 10 or less, down or up,
// but none on returning to the value that ticked last.
TEST_F(HudTest, CountdownTicksOncePerChangeOfTheShownValue) {
  struct Step {
    Int timeLeft, ticks;
  };
  const Step steps[] = {
      {661, 0}, {600, 1}, {599, 1}, {541, 1}, {660, 1}, {600, 1}, {540, 2}, {480, 3},
      {540, 4}, {60, 5},  {1, 5},   {300, 6}, {300, 6}, {299, 6}, {0, 7},   {0, 7},
  };
  Start(1);
  EXPECT_EQ(Blips(), 0);
  EXPECT_EQ(HUD->lastSeconds, 999);
  for (const Step& step : steps) {
    DrawAt(step.timeLeft);
    EXPECT_EQ(Blips(), step.ticks) << "at " << step.timeLeft;
  }
  EXPECT_EQ(HUD->lastSeconds, 0);
}

TEST_F(HudTest, TenSecondLevelTicksOnceAtCreation) {
  Start(6);
  ASSERT_EQ(level->timeLimit, 600);
  EXPECT_EQ(Blips(), 1);
  EXPECT_EQ(HUD->timeLabel->text, "10");
  for (Int timeLeft : {600, 570, 541}) DrawAt(timeLeft);
  EXPECT_EQ(Blips(), 1);
  EXPECT_EQ((Rgb{Texts().back().r, Texts().back().g, Texts().back().b}), RED);
}

TEST_F(HudTest, RowsFollowTheProfileAndPlayerButNotTheLevel) {
  struct Case {
    Int score;
    const char* shown;
  };
  const Case cases[] = {{10, "00010"}, {0, "00000"}, {99999, "99999"}, {123456, "123456"}};
  Start(1);
  for (const Case& c : cases) {
    profile->score = c.score;
    HUD->UpdateScore();
    EXPECT_EQ(HUD->scoreLabel->stat->text, c.shown);
  }
  player->collected = 3;
  profile->lives = 2;
  profile->level = 4;
  HUD->UpdateAll();
  EXPECT_EQ(HUD->goalLabel->stat->text, "3/5");
  EXPECT_EQ(HUD->livesLabel->stat->text, "2");
  EXPECT_EQ(HUD->levelLabel->stat->text, "1");
}

TEST_F(HudTest, DrinkingAZumbelRefreshesScoreAndGoal) {
  Start(1);
  level->zumbelList->Clear();
  level->hazardList->Clear();
  AddZumbel(player->x, player->y);
  player->Collision();
  EXPECT_EQ(HUD->scoreLabel->stat->text, "00010");
  EXPECT_EQ(HUD->goalLabel->stat->text, "1/5");
}

}  // namespace
