// Stat rows and label columns: placement, drawing, shared colour and
// shadow objects, and the setters' reach.
#include "framework/stat_label.h"

#include "framework/color.h"
#include "framework/label_column.h"
#include "label_fixture.h"

namespace {

using label_test::LabelTest;
using label_test::TextDraw;

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
  row->UpdateStat("123456");
  EXPECT_EQ(row->stat->x, placed);
  EXPECT_EQ(row->stat->text, "123456");
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

TEST_F(LabelTest, UpdateStatPassesThroughTheValueFormat) {
  const auto row = TStatLabel::Create("Score", "0", 0.0f, 0.0f, nullptr, 1.0f, 1.0f);
  row->stat->SetFormatMode(TTextFormat::FORMAT_MODE_ZERO_PADDED_INT, 5);
  row->UpdateStat("10");
  EXPECT_EQ(row->stat->textRaw, "10");
  EXPECT_EQ(row->stat->text, "00010");
}

TEST(StatLabelDeathTest, RowNotMadeByCreateIsAProgrammingError) {
  const auto row = New<TStatLabel>();
  EXPECT_DEBUG_DEATH(row->Draw(), "stat label");
  EXPECT_DEBUG_DEATH(row->AlignAsRow(40), "stat label");
  EXPECT_EQ(row->gapX, 10.0f);
}

TEST_F(LabelTest, ColumnStacksLabelsAtItsGap) {
  struct Case {
    Int gap;
    std::vector<Float> ys;
  };
  const Case cases[] = {{30, {100, 130, 160}}, {0, {100, 100, 100}}, {-20, {100, 80, 60}}};
  for (const Case& c : cases) {
    Flip(0);
    const auto column = TLabelColumn::Create(200.0f, 100.0f, c.gap, nullptr, 1.0f, 1.0f, nullptr,
                                             nullptr);
    for (const char* text : {"one", "two", "three"}) column->AddLabel(text);
    column->AddLast(New<TColor>());  // not a label: skipped
    column->Draw();
    const std::vector<TextDraw> expected = {{"one", 200, c.ys[0], 255, 255, 255, 1, 1, 1},
                                            {"two", 200, c.ys[1], 255, 255, 255, 1, 1, 1},
                                            {"three", 200, c.ys[2], 255, 255, 255, 1, 1, 1}};
    EXPECT_EQ(Texts(), expected) << "gap " << c.gap;
    EXPECT_EQ(column->nextY, 100.0f + 3.0f * static_cast<Float>(c.gap));
  }
}

TEST_F(LabelTest, ColumnSharesOneColourAndShadow) {
  const auto colour = TColor::Create(255, 0, 0, 1.0f);
  const auto shadow = TShadow::Create(2.0f, 2.0f, 0.5f);
  const auto column = TLabelColumn::Create(0.0f, 0.0f, 20, nullptr, 1.0f, 1.0f, colour, shadow);
  column->AddLabel("a");
  column->AddLabel("b");
  colour->Set(0, 0, 255, 1.0f);
  column->Draw();
  EXPECT_EQ(Texts(), (std::vector<TextDraw>{{"a", 2, 2, 0, 0, 0, 0.5f, 1, 1},
                                            {"a", 0, 0, 0, 0, 255, 1, 1, 1},
                                            {"b", 2, 22, 0, 0, 0, 0.5f, 1, 1},
                                            {"b", 0, 20, 0, 0, 255, 1, 1, 1}}));
  ExpectStateAtRest();
}

// The setters reach the labels in the list now; a label added afterwards
// starts from the column's own fields and the label defaults.
TEST_F(LabelTest, ColumnSettersLeaveLaterLabelsAlone) {
  const auto colour = TColor::Create(255, 0, 0, 1.0f);
  const auto column = TLabelColumn::Create(0.0f, 0.0f, 20, nullptr, 1.0f, 1.0f, colour, nullptr);
  column->AddLabel("7");
  const auto other = TColor::Create(0, 255, 0, 1.0f);
  const auto shadow = TShadow::Create(1.0f, 1.0f, 0.5f);
  column->SetColor(other);
  column->SetShadow(shadow);
  column->SetAlignment(TLabel::ALIGN_RIGHT);
  column->SetTextFormat(TTextFormat::FORMAT_MODE_ZERO_PADDED_INT, 3);
  column->SetRendererCamera(0);
  column->AddLabel("8");
  const auto first = As<TLabel>(column->First());
  const auto later = As<TLabel>(column->Last());
  EXPECT_EQ(first->color, other);
  EXPECT_EQ(first->shadow, shadow);
  EXPECT_EQ(first->alignment, TLabel::ALIGN_RIGHT);
  EXPECT_EQ(first->text, "007");
  EXPECT_EQ(first->useRendererCamera, 0);
  EXPECT_EQ(later->color, colour);
  EXPECT_EQ(later->shadow, nullptr);
  EXPECT_EQ(later->alignment, TLabel::ALIGN_LEFT);
  EXPECT_EQ(later->text, "8");
  EXPECT_EQ(later->useRendererCamera, 1);
  EXPECT_EQ(column->color, colour);
  EXPECT_EQ(column->shadow, nullptr);
}

TEST_F(LabelTest, ColumnNextYNeverMovesBack) {
  const auto column = TLabelColumn::Create(0.0f, 10.0f, 15, nullptr, 1.0f, 1.0f, nullptr, nullptr);
  column->AddLabel("a");
  column->AddLabel("b");
  column->Remove(column->Last());
  column->Clear();
  column->AddLabel("c");
  EXPECT_EQ(As<TLabel>(column->First())->y, 40.0f);
  EXPECT_EQ(column->nextY, 55.0f);
  column->Draw();
  EXPECT_EQ(Texts().size(), 1u);
}

}  // namespace
