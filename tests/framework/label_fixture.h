// Test support for labels, stat labels and label columns: the headless
// platform with its window open, the renderer at rest, an image font from
// the data folder, and the text records of the frame being drawn.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "framework/renderer.h"
#include "platform/draw.h"
#include "platform/testing.h"
#include "util/headless_images.h"

namespace label_test {

// One DrawText as the draw log holds it.
struct TextDraw {
  std::string text;
  Float x, y;
  Int r, g, b;
  Float alpha, sx, sy;
  bool operator==(const TextDraw&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const TextDraw& d) {
  return out << '"' << d.text << "\" at " << d.x << "," << d.y << " colour " << d.r << "," << d.g
             << "," << d.b << " alpha " << d.alpha << " scale " << d.sx << "," << d.sy;
}

// The text records drawn since the last Flip, in order.
inline std::vector<TextDraw> Texts() {
  std::vector<TextDraw> texts;
  for (const auto& record : platform::test::CurrentDrawLog()) {
    if (record.kind != platform::test::DrawKind::Text) continue;
    const TDrawState& s = record.state;
    texts.push_back({record.text, record.x, record.y, s.color_r, s.color_g, s.color_b, s.alpha,
                     s.scale_x, s.scale_y});
  }
  return texts;
}

// The drawing state every drawer leaves behind.
inline void ExpectStateAtRest() {
  const TDrawState& state = TDrawState::Current();
  EXPECT_EQ(state.color_r, 255);
  EXPECT_EQ(state.color_g, 255);
  EXPECT_EQ(state.color_b, 255);
  EXPECT_EQ(state.alpha, 1.0f);
  EXPECT_EQ(state.scale_x, 1.0f);
  EXPECT_EQ(state.scale_y, 1.0f);
  EXPECT_EQ(state.font, nullptr);
}

// The game's font at the given size, loaded once per size.
inline const Ref<TImageFont>& GameFont(Int size) {
  static std::map<Int, Ref<TImageFont>> fonts;
  Ref<TImageFont>& font = fonts[size];
  if (!font) font = LoadImageFont("Data/Fonts/mael.ttf", size, SMOOTHFONT);
  return font;
}

class LabelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless_images::StartHeadless();
    if (!renderer) renderer = New<TRenderer>();
    renderer->ResetScale();
    renderer->ResetScrolling();
    SetImageFont(nullptr);
    Flip(0);
  }

  void TearDown() override {
    renderer->ResetScale();
    renderer->ResetScrolling();
  }

  // The game scale 2.0 and the scroll (10, 20).
  static void ZoomCamera() {
    renderer->SetGameScale(2.0f, 2.0f);
    renderer->scrollX = 10.0f;
    renderer->scrollY = 20.0f;
  }

  // The game's font at 20 pixels.
  static const Ref<TImageFont>& Font() { return GameFont(20); }
};

}  // namespace label_test
