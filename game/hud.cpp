// The heads-up display: its rows, bars, timer bar and countdown.
#include "game/hud.h"

#include "framework/game.h"
#include "framework/renderer.h"
#include "game/level.h"
#include "game/main_program.h"
#include "game/player.h"
#include "game/profile.h"
#include "platform/draw.h"
#include "platform/maths.h"
#include "util/utility.h"

Ref<THUD> HUD;

namespace {

struct Rgb {
  Int r, g, b;
};

// The rows: text scale, top, gap between caption and value, shadow.
constexpr Float ROW_SCALE_X = 0.4f;
constexpr Float ROW_SCALE_Y = 0.6f;
constexpr Float ROW_Y = 3.0f;
constexpr Int ROW_GAP = 40;
constexpr Float ROW_SHADOW_ALPHA = 0.5f;
constexpr Rgb GOAL_COLOUR = {100, 255, 100};
constexpr Rgb LEVEL_COLOUR = {255, 255, 100};
constexpr Rgb LIVES_COLOUR = {255, 200, 200};
constexpr Rgb SCORE_COLOUR = {255, 255, 100};
constexpr Int SCORE_DIGITS = 5;

// The seconds: the rows' scale enlarged, above the bottom of the screen.
constexpr Float TIME_SCALE = 1.2f;
constexpr Int TIME_LIFT = 53;
constexpr Int TIME_DIGITS = 2;
constexpr Float TIME_SHADOW_ALPHA = 0.7f;
constexpr Rgb TIME_COLOUR = {255, 255, 255};
constexpr Rgb COUNTDOWN_COLOUR = {255, 50, 50};
// At this many seconds or less the seconds turn red and tick.
constexpr Int COUNTDOWN_SECONDS = 10;
constexpr Int NO_SECONDS_TICKED = 999;

constexpr Float BAR_ALPHA = 0.7f;

// The timer bar: size, and its top above the level's bottom edge.
constexpr Int TIMER_WIDTH = 400;
constexpr Int TIMER_HEIGHT = 40;
constexpr Int TIMER_LIFT = 45;
constexpr Rgb TIMER_EMPTY = {30, 30, 30};
constexpr Rgb TIMER_FILL = {100, 50, 0};

void SetRgb(const Rgb& colour) { SetColor(colour.r, colour.g, colour.b); }

// A row in screen pixels, its value placed after the caption, in the
// value's format, colour and shadow.
Ref<TStatLabel> MakeRow(const String& caption, const String& value, Int x, Int formatMode,
                        Int formatParam, const Rgb& colour) {
  auto row = TStatLabel::Create(caption, value, static_cast<Float>(x), ROW_Y, mainFont, ROW_SCALE_X,
                                ROW_SCALE_Y);
  row->SetUseRendererCamera(0);
  row->AlignAsRow(ROW_GAP);
  row->stat->SetFormatMode(formatMode, formatParam);
  row->SetColor(colour.r, colour.g, colour.b, 1.0f);
  row->SetShadow(1.0f, 1.0f, ROW_SHADOW_ALPHA);
  return row;
}

// One translucent black bar across the screen.
void DrawBar(Int top, Int height) {
  SetColor(0, 0, 0);
  SetAlpha(BAR_ALPHA);
  DrawRect(0.0f, static_cast<Float>(top), static_cast<Float>(renderer->screenWidth),
           static_cast<Float>(height));
  SetColor(255, 255, 255);
  SetAlpha(1.0f);
}

}  // namespace

Ref<THUD> THUD::Create() {
  auto display = New<THUD>();
  display->Init();
  return display;
}

Int THUD::Init() {
  constexpr Int STRING = TTextFormat::FORMAT_MODE_STRING;
  constexpr Int PADDED = TTextFormat::FORMAT_MODE_ZERO_PADDED_INT;
  const Int width = renderer->screenWidth;
  lastSeconds = NO_SECONDS_TICKED;
  goalLabel =
      MakeRow("Zumbel", String("0/") + player->goal, width / 2 - 100, STRING, 0, GOAL_COLOUR);
  levelLabel = MakeRow("Level", String::FromInt(profile->level), 10, STRING, 0, LEVEL_COLOUR);
  livesLabel = MakeRow("Lives", "0", 210, STRING, 0, LIVES_COLOUR);
  scoreLabel = MakeRow("Score", String::FromInt(profile->score), width - 250, PADDED, SCORE_DIGITS,
                       SCORE_COLOUR);

  timeLabel = TLabel::Create("", static_cast<Float>(width / 2),
                             static_cast<Float>(renderer->screenHeight - TIME_LIFT), mainFont,
                             ROW_SCALE_X * TIME_SCALE, ROW_SCALE_Y * TIME_SCALE);
  timeLabel->useRendererCamera = 0;
  timeLabel->SetFormatMode(PADDED, TIME_DIGITS);
  timeLabel->SetColor(TIME_COLOUR.r, TIME_COLOUR.g, TIME_COLOUR.b, 1.0f);
  timeLabel->SetShadow(1.0f, 1.0f, TIME_SHADOW_ALPHA);
  timeLabel->alignment = TLabel::ALIGN_CENTRE_HORIZ;
  return UpdateAll();
}

Int THUD::Draw() {
  DrawBars();
  goalLabel->Draw();
  levelLabel->Draw();
  livesLabel->Draw();
  scoreLabel->Draw();
  return DrawTimerBar();
}

Int THUD::DrawBars() {
  DrawBar(0, TOP_BAR_HEIGHT);
  DrawBar(renderer->screenHeight - BOTTOM_BAR_HEIGHT, BOTTOM_BAR_HEIGHT);
  return 0;
}

Int THUD::DrawTimerBar() {
  const Int left = (level->width - TIMER_WIDTH) / 2;
  const Int top = level->height - TIMER_LIFT;
  const Float share = static_cast<Float>(level->timeLeft) / static_cast<Float>(level->timeLimit);
  const Int fill = ToInt(share * static_cast<Float>(TIMER_WIDTH));
  SetRgb(TIMER_EMPTY);
  DrawRect(static_cast<Float>(left), static_cast<Float>(top), static_cast<Float>(TIMER_WIDTH),
           static_cast<Float>(TIMER_HEIGHT));
  SetRgb(TIMER_FILL);
  DrawRect(static_cast<Float>(left), static_cast<Float>(top), static_cast<Float>(fill),
           static_cast<Float>(TIMER_HEIGHT));
  SetColor(255, 255, 255);
  ccDrawRectOutline(left, top, TIMER_WIDTH, TIMER_HEIGHT);
  UpdateTime();
  return timeLabel->Draw();
}

Int THUD::UpdateGoal() {
  return goalLabel->UpdateStat(String::FromInt(player->collected) + "/" + player->goal);
}

Int THUD::UpdateLives() { return livesLabel->UpdateStat(String::FromInt(profile->lives)); }

Int THUD::UpdateScore() { return scoreLabel->UpdateStat(String::FromInt(profile->score)); }

Int THUD::UpdateTime() {
  const Int secs = ToInt(Ceil(static_cast<Float>(level->timeLeft) / game->frameRate));
  const bool countdown = secs <= COUNTDOWN_SECONDS;
  if (countdown && secs != lastSeconds) {
    game->PlayGameSound(player->soundBlip, player->channelBlip, 1.0f, 1.0f);
    lastSeconds = secs;
  }
  const Rgb& colour = countdown ? COUNTDOWN_COLOUR : TIME_COLOUR;
  timeLabel->SetColor(colour.r, colour.g, colour.b, 1.0f);
  return timeLabel->SetTextRaw(String::FromInt(secs));
}

Int THUD::UpdateAll() {
  UpdateGoal();
  UpdateLives();
  UpdateScore();
  return UpdateTime();
}
