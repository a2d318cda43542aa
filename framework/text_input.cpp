// Text input: editing by typed characters and drawing with the cursor.
#include "framework/text_input.h"

#include "framework/game.h"
#include "platform/input.h"

namespace {

constexpr Int kBackspace = 8;
constexpr Int kEnter = 13;
constexpr Int kEscape = 27;

bool IsDigit(Int c) { return c >= '0' && c <= '9'; }

}  // namespace

Ref<TTextInput> TTextInput::Create(const String& text, Float x, Float y,
                                   const Ref<TImageFont>& font, Float scaleX, Float scaleY) {
  auto input = New<TTextInput>();
  input->SetUp(text, x, y, font, scaleX, scaleY);
  input->CreateCursorLabel();
  input->currentChar = input->text.Length() + 1;
  input->flasher = TFlasher::Create(0, 20, 10);
  return input;
}

Int TTextInput::ApplyColor(const Ref<TColor>& colour) {
  color = colour;
  cursorLabel->color = colour;
  return 0;
}

Int TTextInput::CreateCursorLabel() {
  cursorLabel = TLabel::Create("_", x, y, imageFont, scaleX, scaleY);
  return 0;
}

Int TTextInput::Draw() {
  if (showCursor != 0) {
    PlaceCursor();
    if (flasher->state != 0) cursorLabel->Draw();
  }
  return TLabel::Draw();
}

void TTextInput::PlaceCursor() {
  const Float cw = cursorLabel->GetWidth(1);
  const Float tw = GetWidth(1);
  switch (alignment) {
    case ALIGN_RIGHT:
      offsetX = -cw;
      cursorLabel->x = x + offsetX;
      return;
    case ALIGN_CENTRE_ALL:
      offsetX = cw / 2.0f;
      cursorLabel->x = x + offsetX + tw / 2.0f;
      return;
    case ALIGN_CENTRE_HORIZ:
      offsetX = -cw / 2.0f;
      cursorLabel->x = x + offsetX + tw / 2.0f;
      return;
    default:
      offsetX = 0.0f;
      cursorLabel->x = x + tw;
  }
}

Int TTextInput::Finish() {
  FlushKeys();
  return 0;
}

Int TTextInput::Logic() {
  flasher->Logic();
  Int c = GetChar();
  if (c == kBackspace) {
    if (currentChar > 1) {
      currentChar -= 1;
      PlayTypingSound();
    }
    text = Mid(text, 1, currentChar - 1);
    return 0;
  }
  if (mode == MODE_NUMBERS_ONLY && c != kEnter && !IsDigit(c)) c = 0;
  if (c >= 32 && (c <= 126 || allowExtendedChars == 1)) Type(c);
  if (c == kEnter && Enter() != 0) return 1;
  if (allowEscToAbort != 0 && c == kEscape) {
    Finish();
    return -1;
  }
  return 0;
}

void TTextInput::Type(Int c) {
  if (currentChar > maxLength) return;
  const String typed = String::FromChar(c);
  if (maxPixelWidth != 0 && GetPotentialWidth(text + typed, 0) > maxPixelWidth) return;
  text += uppercaseFirstTypedChar != 0 && currentChar == 1 ? Upper(typed) : typed;
  currentChar += 1;
  PlayTypingSound();
}

Int TTextInput::Enter() {
  if (playTypingSoundOnEnter != 0) PlayTypingSound();
  if (allowNull != 0 || !Trim(text).IsEmpty()) {
    Finish();
    return 1;
  }
  FlushKeys();
  return 0;
}

Int TTextInput::PlayTypingSound() {
  if (typingSound) game->PlayGameSound(typingSound, typingChannel, 1.0f, 1.0f);
  return 0;
}

Int TTextInput::Reset() {
  text = "";
  currentChar = 1;
  return 0;
}
