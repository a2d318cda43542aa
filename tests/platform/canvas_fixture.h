// Shared set-up of the drawing tests: the headless display open, the drawing
// state at its rest values, a black canvas, and small helpers for images and
// the pixels read back.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "headless_start.h"
#include "platform/display.h"
#include "platform/draw.h"
#include "platform/image.h"
#include "platform/testing.h"

namespace canvas_test {

inline void RestState() {
  SetColor(255, 255, 255);
  SetAlpha(1);
  SetScale(1, 1);
  SetRotation(0);
  SetBlend(ALPHABLEND);
  SetOrigin(0, 0);
  SetHandle(0, 0);
  SetImageFont(nullptr);
  SetClsColor(0, 0, 0);
}

// One colour channel (shift 16 red, 8 green, 0 blue) of an ARGB pixel.
inline Int Channel(std::uint32_t argb, Int shift) { return Int((argb >> shift) & 0xFF); }

class CanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform_test::StartHeadless();
    if (!GraphicsOpen()) Graphics(CANVAS_WIDTH, CANVAS_HEIGHT, 0);
    RestState();
    Cls();
    Flip(0);
  }
  void TearDown() override { RestState(); }

  // Presents the frame and returns its pixels.
  void Present() {
    Flip(0);
    pixels_ = platform::test::ReadBackBuffer();
    ASSERT_EQ(pixels_.size(), std::size_t(CANVAS_WIDTH) * CANVAS_HEIGHT);
  }
  std::uint32_t At(Int x, Int y) const {
    return pixels_[std::size_t(y) * CANVAS_WIDTH + std::size_t(x)];
  }
  // The presented pixel's colour, within 1 of (r, g, b) for blending's rounding.
  void ExpectColour(Int x, Int y, Int r, Int g, Int b) const {
    EXPECT_NEAR(Channel(At(x, y), 16), r, 1);
    EXPECT_NEAR(Channel(At(x, y), 8), g, 1);
    EXPECT_NEAR(Channel(At(x, y), 0), b, 1);
  }
  // The pixels of the box (x0..x1, y0..y1) that are not black.
  std::vector<std::pair<Int, Int>> Lit(Int x0, Int y0, Int x1, Int y1) const {
    std::vector<std::pair<Int, Int>> lit;
    for (Int y = y0; y <= y1; ++y) {
      for (Int x = x0; x <= x1; ++x) {
        if ((At(x, y) & 0xFFFFFFu) != 0) lit.emplace_back(x, y);
      }
    }
    return lit;
  }

  std::vector<std::uint32_t> pixels_;
};

// An image of the given ARGB pixels, row by row, drawn unfiltered.
inline Ref<TImage> ImageOf(Int width, Int height, std::initializer_list<std::uint32_t> argb) {
  const Ref<TPixmap> pixmap = CreatePixmap(width, height);
  auto pixel = argb.begin();
  for (Int y = 0; y < height; ++y) {
    for (Int x = 0; x < width; ++x) pixmap->Row(y)[x] = *pixel++;
  }
  return LoadImage(pixmap, 0);
}

}  // namespace canvas_test
