// Stat rows: placement of the value, the gap, drawing and the setters.
#include "framework/stat_label.h"

#include "framework/color.h"
#include "label_fixture.h"

namespace {

using label_test::ExpectStateAtRest;
using label_test::LabelTest;
using label_test::TextDraw;
using label_test::Texts;

TEST_F(LabelTest, UnalignedRowDrawsTheValueOverTheCaption) {
  const auto row = TStatLabel::Create("Lives", "3", 10.0f, 3.0f, nullptr, 1.0f, 1.0f);
  row->Draw();
  EXPECT_EQ(Texts(), (std::vector<TextDraw>{{"Lives", 10, 3, 255, 255, 255, 1, 1, 1},
                                            {"3", 10, 3, 255, 255, 255, 1, 1, 1}}));
  EXPECT_EQ(row->gapX, 10.0f);
  EXPECT_EQ(row->stat->textFormat->formatMode, TTextFormat::FORMAT_MODE_STRING);
}

TEST_F(LabelTest, GapScalesWithTheCaptionAndItsCamera) {
  struct Case {
    Int camera;
    Float captionScale, gameScale, gap;
  };
  const Case cases[] = {{0, 0.5f, 2.0f, 5.0f}, {1, 0.5f, 2.0f, 10.0f}, {1, 1.0f, 1.0f, 10.0f}};
  for (const Case& c : cases) {
    renderer->SetGameScale(c.gameScale, c.gameScale);
    const auto row = TStatLabel::Create("a", "b", 0.0f, 0.0f, nullptr, c.captionScale, 3.0f);
    row->SetUseRendererCamera(c.camera);
    row->stat->scaleX = 7.0f;  // only the caption counts
    EXPECT_EQ(row->GetGapX(), c.gap) << c.camera << " " << c.captionScale;
  }
}

// A caption of known width at scale 0.4, camera off, AlignAsRow(40): the
// value starts width x 0.4 + 16 after the caption's x, at its own y.
TEST_F(LabelTest, AlignAsRowPlacesTheValueAfterTheCaption) {
  ASSERT_TRUE(Font());
  renderer->SetGameScale(2.0f, 2.0f);
  const auto row = TStatLabel::Create("Score", "00010", 774.0f, 3.0f, Font(), 0.4f, 0.6f);
  row->SetUseRendererCamera(0);
  row->stat->y = 9.0f;
  row->AlignAsRow(40);
  SetImageFont(Font());
  const Float captionWidth = static_cast<Float>(TextWidth("Score")) * 0.4f;
  SetImageFont(nullptr);
  EXPECT_EQ(row->gapX, 40.0f);
  EXPECT_EQ(row->stat->x, (774.0f + captionWidth) + 16.0f);
  EXPECT_EQ(row->stat->y, 9.0f);
  const Float placed = row->stat->x;
  row->stat->SetFormatMode(TTextFormat::FORMAT_MODE_ZERO_PADDED_INT, 5);
  row->UpdateStat("123456");
  EXPECT_EQ(row->stat->x, placed);
  EXPECT_EQ(row->stat->text, "123456");
  row->UpdateStat("10");
  EXPECT_EQ(row->stat->text, "00010");
}

TEST_F(LabelTest, RowSettersGiveEachLabelItsOwnObjects) {
  const auto row = TStatLabel::Create("Level", "1", 10.0f, 3.0f, nullptr, 1.0f, 1.0f);
  row->SetColor(255, 255, 100, 1.0f);
  row->SetShadow(1.0f, 1.0f, 0.5f);
  EXPECT_NE(row->description->color, row->stat->color);
  EXPECT_NE(row->description->shadow, row->stat->shadow);
  row->stat->x = 60.0f;
  row->Draw();
  EXPECT_EQ(Texts(), (std::vector<TextDraw>{{"Level", 11, 4, 0, 0, 0, 0.5f, 1, 1},
                                            {"Level", 10, 3, 255, 255, 100, 1, 1, 1},
                                            {"1", 61, 4, 0, 0, 0, 0.5f, 1, 1},
                                            {"1", 60, 3, 255, 255, 100, 1, 1, 1}}));
  ExpectStateAtRest();
}

TEST(StatLabelDeathTest, RowNotMadeByCreateIsAProgrammingError) {
  const auto row = New<TStatLabel>();
  EXPECT_DEBUG_DEATH(row->Draw(), "stat label");
  EXPECT_DEBUG_DEATH(row->AlignAsRow(40), "stat label");
  EXPECT_EQ(row->gapX, 10.0f);
}

}  // namespace
