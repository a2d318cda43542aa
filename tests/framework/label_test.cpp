// Labels: placement for every alignment with and without the camera, the
// shadow and text passes and the state left behind, text formats, and
// measuring.
#include "framework/label.h"

#include "framework/color.h"
#include "label_fixture.h"

namespace {

using label_test::ExpectStateAtRest;
using label_test::LabelTest;
using label_test::TextDraw;
using label_test::Texts;

// Ten glyphs of 4 pixels in the default font: 40 pixels wide.
const String kWide40 = "iiiiiiiiii";

TEST_F(LabelTest, CameraMapsTheAnchorAndScalesTheText) {
  ASSERT_EQ(TextWidth(kWide40), 40);
  ZoomCamera();
  const auto label = TLabel::Create(kWide40, 100.0f, 50.0f, nullptr, 1.0f, 1.0f);
  label->Draw();
  label->alignment = TLabel::ALIGN_RIGHT;
  label->Draw();
  EXPECT_EQ(Texts(), (std::vector<TextDraw>{{kWide40.ToUtf8(), 210, 120, 255, 255, 255, 1, 2, 2},
                                            {kWide40.ToUtf8(), 130, 120, 255, 255, 255, 1, 2, 2}}));
  EXPECT_EQ(label->GetWidth(0), 80.0f);
  EXPECT_EQ(label->GetWidth(1), 40.0f);
  ExpectStateAtRest();
}

// Every alignment, at (100, 50) with offset (5, -3), measured in the
// label's own space (40 x own scale wide, font height x own scale high).
TEST_F(LabelTest, AlignmentsPlaceTheTextInTheLabelsOwnSpace) {
  struct Case {
    Int alignment;
    Float sx, sy;
    Float widthShare, heightShare;  // of the own-space size subtracted from the anchor
  };
  const Case cases[] = {
      {TLabel::ALIGN_LEFT, 1, 1, 0, 0},
      {TLabel::ALIGN_RIGHT, 1, 1, 1, 0},
      {TLabel::ALIGN_CENTRE_ALL, 1, 1, 0.5f, 0.5f},
      {TLabel::ALIGN_CENTRE_HORIZ, 0.5f, 2, 0.5f, 0},
      {TLabel::ALIGN_CENTRE_VERT, 0.5f, 2, 0, 0.5f},
      {TLabel::ALIGN_RIGHT, 0.5f, 2, 1, 0},
      {-1, 1, 1, 0, 0},
      {7, 0.5f, 2, 0, 0},
  };
  const Float fontHeight = static_cast<Float>(TextHeight(""));
  for (const Case& c : cases) {
    for (Int camera : {1, 0}) {
      SCOPED_TRACE(::testing::Message() << "alignment " << c.alignment << " camera " << camera);
      Flip(0);
      ZoomCamera();
      const auto label = TLabel::Create(kWide40, 100.0f, 50.0f, nullptr, c.sx, c.sy);
      label->alignment = c.alignment;
      label->useRendererCamera = camera;
      label->offsetX = 5.0f;
      label->offsetY = -3.0f;
      label->Draw();
      const Float xx = 100.0f - c.widthShare * 40.0f * c.sx + 5.0f;
      const Float yy = 50.0f - c.heightShare * fontHeight * c.sy - 3.0f;
      const TextDraw expected =
          camera ? TextDraw{kWide40.ToUtf8(), 10 + xx * 2, 20 + yy * 2, 255, 255, 255, 1,
                            c.sx * 2,         c.sy * 2}
                 : TextDraw{kWide40.ToUtf8(), xx, yy, 255, 255, 255, 1, c.sx, c.sy};
      EXPECT_EQ(Texts(), std::vector<TextDraw>{expected});
      ExpectStateAtRest();
    }
  }
}

TEST_F(LabelTest, EmptyTextStillCentresOnTheFontHeight) {
  const Float halfHeight = static_cast<Float>(TextHeight("")) / 2.0f;
  const Int alignments[] = {TLabel::ALIGN_RIGHT, TLabel::ALIGN_CENTRE_ALL,
                            TLabel::ALIGN_CENTRE_HORIZ, TLabel::ALIGN_CENTRE_VERT};
  const bool movedUp[] = {false, true, false, true};
  for (size_t i = 0; i < std::size(alignments); ++i) {
    Flip(0);
    const auto label = TLabel::Create("", 100.0f, 50.0f, nullptr, 1.0f, 1.0f);
    label->alignment = alignments[i];
    label->offsetX = 5.0f;
    label->Draw();
    const Float y = movedUp[i] ? 50.0f - halfHeight : 50.0f;
    EXPECT_EQ(Texts(), (std::vector<TextDraw>{{"", 105, y, 255, 255, 255, 1, 1, 1}})) << i;
  }
}

// With a font, a colour and a shadow of (1, 1) at alpha 0.7: the shadow
// pass first, in black, then the text in its colour; then everything at
// rest. Under the camera the shadow's offset grows with the game scale.
TEST_F(LabelTest, ShadowPassComesFirstAndStateIsRestored) {
  ASSERT_TRUE(Font());
  for (Int camera : {0, 1}) {
    Flip(0);
    ZoomCamera();
    const auto label = TLabel::Create("Score", 100.0f, 50.0f, Font(), 1.0f, 1.0f);
    label->useRendererCamera = camera;
    label->SetShadow(1.0f, 1.0f, 0.7f);
    label->SetColor(255, 50, 50, 0.8f);
    label->Draw();
    const std::vector<TextDraw> plain = {{"Score", 101, 51, 0, 0, 0, 0.7f, 1, 1},
                                         {"Score", 100, 50, 255, 50, 50, 0.8f, 1, 1}};
    const std::vector<TextDraw> zoomed = {{"Score", 212, 122, 0, 0, 0, 0.7f, 2, 2},
                                          {"Score", 210, 120, 255, 50, 50, 0.8f, 2, 2}};
    EXPECT_EQ(Texts(), camera ? zoomed : plain) << "camera " << camera;
    for (const auto& record : platform::test::CurrentDrawLog()) {
      EXPECT_EQ(record.font, "Data/Fonts/mael.ttf");
    }
    ExpectStateAtRest();
  }
}

TEST_F(LabelTest, WithoutAFontTheCurrentFontIsUsedAndKept) {
  ASSERT_TRUE(Font());
  SetImageFont(Font());
  const auto label = TLabel::Create("Lives", 10.0f, 10.0f, nullptr, 1.0f, 1.0f);
  label->alignment = TLabel::ALIGN_RIGHT;
  EXPECT_EQ(label->GetWidth(1), static_cast<Float>(TextWidth("Lives")));
  label->Draw();
  ASSERT_EQ(platform::test::CurrentDrawLog().size(), 1u);
  EXPECT_EQ(platform::test::CurrentDrawLog()[0].font, "Data/Fonts/mael.ttf");
  EXPECT_EQ(GetImageFont(), Font());
  SetImageFont(nullptr);
}

TEST_F(LabelTest, FormatModesShapeTheShownText) {
  struct Case {
    const char* raw;
    Int mode, param;
    const char* shown;
  };
  const Case cases[] = {
      {"7", TTextFormat::FORMAT_MODE_ZERO_PADDED_INT, 2, "07"},
      {"123", TTextFormat::FORMAT_MODE_ZERO_PADDED_INT, 2, "123"},
      {"-5", TTextFormat::FORMAT_MODE_ZERO_PADDED_INT, 3, "0-5"},
      {"10", TTextFormat::FORMAT_MODE_ZERO_PADDED_INT, 5, "00010"},
      {"7", 50, 0, ""},
      {"7", TTextFormat::FORMAT_MODE_STRING, 4, "7"},
  };
  for (const Case& c : cases) {
    const auto label = TLabel::Create(c.raw, 0.0f, 0.0f, nullptr, 1.0f, 1.0f);
    label->SetFormatMode(c.mode, c.param);
    EXPECT_EQ(label->text, c.shown) << c.raw << " mode " << c.mode;
    EXPECT_EQ(label->textRaw, c.raw);
    label->SetFormatMode(TTextFormat::FORMAT_MODE_STRING, 0);
    EXPECT_EQ(label->text, c.raw);
  }
}

TEST_F(LabelTest, SetTextLeavesTheRawText) {
  const auto label = TLabel::Create("7", 0.0f, 0.0f, nullptr, 1.0f, 1.0f);
  label->SetFormatMode(TTextFormat::FORMAT_MODE_ZERO_PADDED_INT, 2);
  label->SetText("abc");
  EXPECT_EQ(label->text, "abc");
  EXPECT_EQ(label->textRaw, "7");
  label->UpdateText();
  EXPECT_EQ(label->text, "07");
  label->SetTextRaw("9");
  EXPECT_EQ(label->textRaw, "9");
  EXPECT_EQ(label->text, "09");
}

TEST_F(LabelTest, PotentialWidthMeasuresTheCandidateAndKeepsTheText) {
  ASSERT_TRUE(Font());
  ZoomCamera();
  const auto label = TLabel::Create("ab", 0.0f, 0.0f, Font(), 0.5f, 1.0f);
  SetImageFont(Font());
  const Float abcd = static_cast<Float>(TextWidth("abcd")) * 0.5f;
  SetImageFont(nullptr);
  EXPECT_EQ(label->GetPotentialWidth("abcd", 1), abcd);
  EXPECT_EQ(label->GetPotentialWidth("abcd", 0), abcd * 2.0f);
  EXPECT_EQ(label->text, "ab");
  EXPECT_EQ(GetImageFont(), DefaultFont());
}

TEST(LabelDeathTest, TextOperationsNeedTheFormatOfCreate) {
  const auto label = New<TLabel>();
  EXPECT_DEBUG_DEATH(label->SetTextRaw("x"), "text format");
  EXPECT_DEBUG_DEATH(label->SetFormatMode(TTextFormat::FORMAT_MODE_STRING, 0), "text format");
  EXPECT_EQ(label->text, "");
}

}  // namespace
