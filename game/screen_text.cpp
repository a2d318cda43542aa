// Centred screen text and the shared parts of the result screens.
#include "game/screen_text.h"

#include "framework/renderer.h"
#include "game/main_program.h"
#include "game/profile.h"
#include "util/utility.h"

namespace {

constexpr Float COLUMN_TOP = 300.0f;
constexpr Int COLUMN_GAP = 60;
constexpr Float COLUMN_SCALE_X = 0.5f;
constexpr Float COLUMN_SCALE_Y = 0.8f;
constexpr Int SCORE_DIGITS = 5;

Ref<TLabelColumn> Column(Float x, Int r, Int g, Int b) {
  return TLabelColumn::Create(x, COLUMN_TOP, COLUMN_GAP, mainFont, COLUMN_SCALE_X, COLUMN_SCALE_Y,
                              TColor::Create(r, g, b, 1.0f), TextShadow());
}

}  // namespace

void CentredLine::Draw() const {
  renderer->OutputTextCentered(text, y, mainFont, scaleX, scaleY, color, shadow);
}

Ref<TShadow> HeadingShadow() { return TShadow::Create(3.0f, 3.0f, 0.5f); }

Ref<TShadow> TextShadow() { return TShadow::Create(2.0f, 2.0f, 0.5f); }

CentredLine ResultHeading(const String& text, const Ref<TColor>& color) {
  return {text,           static_cast<Float>(renderer->screenHeight / 2 - 300), 1.0f, 1.5f, color,
          HeadingShadow()};
}

CentredLine ContinuePrompt() {
  return {"Press <Space> to Continue",       700.0f,      COLUMN_SCALE_X, COLUMN_SCALE_Y,
          TColor::Create(255, 255, 0, 1.0f), TextShadow()};
}

Ref<TLabelColumn> CaptionColumn(Float x) { return Column(x, 150, 255, 255); }

Ref<TLabelColumn> ValueColumn(Float x) { return Column(x, 255, 255, 255); }

String ScoreText() { return ccPadWithZeros(String::FromInt(profile->score), SCORE_DIGITS); }
