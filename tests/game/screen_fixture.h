// Test support for the screens: the real start-up, headless, with exits
// trapped; key and mouse taps; one frame's drawing; and the text lines of a
// frame as shadow and text passes.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/game.h"
#include "framework/renderer.h"
#include "game/level.h"
#include "game/main_program.h"
#include "game/profile.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/system.h"
#include "platform/testing.h"

namespace screen_fixture {

namespace test = platform::test;

inline void Tap(Int key) {
  test::PressKey(key);
  test::ReleaseKey(key);
}

inline void Click(Int button) {
  test::PressMouse(button);
  test::ReleaseMouse(button);
}

// File names of the sounds playing now.
inline std::vector<std::string> Playing() {
  std::vector<std::string> names;
  for (const auto& path : test::PlayingSounds()) {
    names.push_back(path.substr(path.find_last_of('/') + 1));
  }
  return names;
}

inline bool IsPlaying(const std::string& file) {
  const auto names = Playing();
  return std::find(names.begin(), names.end(), file) != names.end();
}

// File names of the sounds cued since the sound log was last cleared.
inline std::vector<std::string> Cued() {
  std::vector<std::string> names;
  for (const auto& record : test::SoundLog()) {
    if (record.event == test::SoundEvent::Cue) {
      names.push_back(record.path.substr(record.path.find_last_of('/') + 1));
    }
  }
  return names;
}

// The expected look of one line of screen text.
struct Line {
  std::string text;
  Float x;  // CENTRED: across the screen in its font and scale
  Float y;
  Float scaleX, scaleY;
  Int r, g, b;
  Float shadowOffset;  // the shadow pass is drawn this far right and down
};
constexpr Float CENTRED = -1.0f;

class ScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::Shutdown();
    test::TrapExits(true);
    StartUp({.headless = true, .changeDir = false, .seed = 1});
    profile = TProfile::Create();
    level = TLevel::Create();
    test::ClearSoundLog();
  }
  void TearDown() override {
    test::TrapExits(false);
    platform::Shutdown();
  }

  // One frame of the game's drawing, presented; its draw log.
  static std::vector<test::DrawRecord> DrawFrame() {
    game->Draw();
    Flip(1);
    return test::LastFrameDrawLog();
  }

  // Compares the frame's text with the lines: each a shadow pass in black at
  // alpha 0.5, then the text pass in its colour, in the main font.
  static void ExpectLines(const std::vector<test::DrawRecord>& frame,
                          const std::vector<Line>& lines) {
    std::vector<test::DrawRecord> texts;
    for (const auto& record : frame) {
      if (record.kind == test::DrawKind::Text) texts.push_back(record);
    }
    ASSERT_EQ(texts.size(), 2 * lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
      const Line& line = lines[i];
      const test::DrawRecord& shadow = texts[2 * i];
      const test::DrawRecord& text = texts[2 * i + 1];
      SCOPED_TRACE(line.text);
      EXPECT_EQ(text.text, line.text);
      const Float x =
          line.x == CENTRED
              ? (renderer->screenWidth - renderer->GetTextWidth(line.text, mainFont, line.scaleX)) /
                    2.0f
              : line.x;
      EXPECT_NEAR(text.x, x, 1e-3);
      EXPECT_NEAR(text.y, line.y, 1e-3);
      EXPECT_NEAR(text.state.scale_x, line.scaleX, 1e-6);
      EXPECT_NEAR(text.state.scale_y, line.scaleY, 1e-6);
      EXPECT_EQ(std::vector<Int>({text.state.color_r, text.state.color_g, text.state.color_b}),
                std::vector<Int>({line.r, line.g, line.b}));
      EXPECT_EQ(text.state.alpha, 1.0f);
      EXPECT_EQ(text.font.substr(text.font.find_last_of('/') + 1), "mael.ttf");
      EXPECT_EQ(shadow.text, line.text);
      EXPECT_EQ(
          std::vector<Int>({shadow.state.color_r, shadow.state.color_g, shadow.state.color_b}),
          std::vector<Int>({0, 0, 0}));
      EXPECT_EQ(shadow.state.alpha, 0.5f);
      EXPECT_NEAR(shadow.x - text.x, line.shadowOffset, 1e-3);
      EXPECT_NEAR(shadow.y - text.y, line.shadowOffset, 1e-3);
    }
  }
};

}  // namespace screen_fixture
