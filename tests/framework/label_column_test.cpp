// Label columns: stacking, the shared colour and shadow objects, the
// setters' reach and the next position.
#include "framework/label_column.h"

#include "framework/color.h"
#include "label_fixture.h"

namespace {

using label_test::ExpectStateAtRest;
using label_test::LabelTest;
using label_test::TextDraw;
using label_test::Texts;

TEST_F(LabelTest, ColumnStacksLabelsAtItsGap) {
  struct Case {
    Int gap;
    std::vector<Float> ys;
  };
  const Case cases[] = {{30, {100, 130, 160}}, {0, {100, 100, 100}}, {-20, {100, 80, 60}}};
  for (const Case& c : cases) {
    Flip(0);
    const auto column =
        TLabelColumn::Create(200.0f, 100.0f, c.gap, nullptr, 1.0f, 1.0f, nullptr, nullptr);
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
