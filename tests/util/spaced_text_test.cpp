// Spaced text: the same pixels as DrawText without spacing, the extra space
// per character index, skipped and blank characters, and whole-pixel x.
#include "util/spaced_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/canvas_fixture.h"

namespace {

namespace test = platform::test;

struct Placed {
  Float x, y;
};

class SpacedText : public canvas_test::CanvasTest {
 protected:
  // The glyph images drawn since the last call, in order.
  static std::vector<Placed> Drawn() {
    std::vector<Placed> placed;
    for (const auto& record : test::CurrentDrawLog()) {
      if (record.kind == test::DrawKind::SubImage) placed.push_back({record.x, record.y});
    }
    Flip(0);
    return placed;
  }
  static std::vector<Placed> Spaced(const char16_t* text, Float x, Float y, Int spacing) {
    EXPECT_EQ(ccDrawTextSpaced(text, x, y, spacing), 0);
    return Drawn();
  }
  static Float Advance(char16_t c) {
    const Ref<TImageFont> font = GetImageFont();
    return font->LoadGlyph(font->CharToGlyph(c))->_advance;
  }
};

TEST_F(SpacedText, WithoutSpacingItDrawsTheSamePixelsAsDrawText) {
  SetScale(2, 1.5f);
  DrawText("Quorvane", 20, 30);
  Present();
  const std::vector<std::uint32_t> expected = pixels_;
  Cls();
  ccDrawTextSpaced("Quorvane", 20, 30, 0);
  Present();
  EXPECT_EQ(pixels_, expected);
  EXPECT_FALSE(Lit(0, 0, 400, 100).empty());
}

TEST_F(SpacedText, CharacterIMovesRightByITimesSpacing) {
  const std::vector<Placed> plain = Spaced(u"ABCD", 10, 20, 0);
  ASSERT_EQ(plain.size(), 4u);
  for (const Int spacing : {3, -2, 100}) {
    const std::vector<Placed> spaced = Spaced(u"ABCD", 10, 20, spacing);
    ASSERT_EQ(spaced.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
      EXPECT_EQ(spaced[i].x, plain[i].x + Float(i) * Float(spacing)) << spacing << " " << i;
      EXPECT_EQ(spaced[i].y, plain[i].y);
    }
  }
  // Under a rotation the space is still added along the screen's x axis.
  SetRotation(90);
  const std::vector<Placed> turned = Spaced(u"AB", 10, 20, 0);
  const std::vector<Placed> turnedSpaced = Spaced(u"AB", 10, 20, 7);
  EXPECT_EQ(turnedSpaced[1].x, turned[1].x + 7);
  EXPECT_EQ(turnedSpaced[1].y, turned[1].y);
}

TEST_F(SpacedText, MissingCharactersCountButDoNotMoveAndBlanksOnlyMove) {
  const std::vector<Placed> ab = Spaced(u"AB", 10, 20, 10);
  const std::vector<Placed> missing = Spaced(u"A\u0378B", 10, 20, 10);
  ASSERT_EQ(missing.size(), 2u);
  EXPECT_EQ(missing[1].x, ab[1].x + 10);
  const std::vector<Placed> blank = Spaced(u"A B", 10, 20, 0);
  const std::vector<Placed> abPlain = Spaced(u"AB", 10, 20, 0);
  ASSERT_EQ(blank.size(), 2u);
  EXPECT_EQ(blank[1].x, abPlain[1].x + Advance(u' '));
}

TEST_F(SpacedText, TheOriginCountsTwiceAndTheHandleOnce) {
  const std::vector<Placed> plain = Spaced(u"A", 10, 20, 0);
  SetOrigin(5, 7);
  SetHandle(-3, -4);
  const std::vector<Placed> moved = Spaced(u"A", 10, 20, 0);
  // The pen takes origin and handle; drawing adds the origin once more.
  EXPECT_EQ(moved[0].x, plain[0].x + 5 - 3);
  EXPECT_EQ(moved[0].y, plain[0].y + 7 - 4);
}

TEST_F(SpacedText, RoundedTakesTheFloorOfEachGlyphXOnly) {
  for (const Int spacing : {0, 3}) {
    const std::vector<Placed> exact = Spaced(u"AiW", 10.6f, 20.3f, spacing);
    EXPECT_EQ(ccDrawTextSpacedRounded(u"AiW", 10.6f, 20.3f, spacing), 0);
    const std::vector<Placed> rounded = Drawn();
    ASSERT_EQ(rounded.size(), exact.size());
    for (std::size_t i = 0; i < exact.size(); ++i) {
      EXPECT_EQ(rounded[i].x, std::floor(exact[i].x)) << i;
      EXPECT_NE(rounded[i].x, exact[i].x) << i;
      EXPECT_EQ(rounded[i].y, exact[i].y) << i;
    }
  }
}

}  // namespace
