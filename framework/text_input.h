// TTextInput: a one-line text entry field, a label whose shown text the
// user types, with a blinking "_" cursor, length and pixel-width limits, a
// numbers-only mode, Backspace, Enter to accept, Escape to abort and an
// optional typing sound.
#pragma once

#include "framework/flasher.h"
#include "framework/label.h"
#include "platform/audio.h"

class TTextInput : public TLabel {
 public:
  static constexpr Int MODE_ALL_CHARS = 0;
  static constexpr Int MODE_NUMBERS_ONLY = 1;

  // An input showing text (also kept as textRaw), with a left-aligned cursor
  // label at (x, y) in the same font and scale and an endless flasher of 20
  // frames on and 10 off. font may be Null.
  static Ref<TTextInput> Create(const String& text, Float x, Float y, const Ref<TImageFont>& font,
                                Float scaleX, Float scaleY);

  // Places the cursor at the end of the text by alignment (centre-all puts
  // it, and the text, cw/2 further right; the cursor keeps the y it was made
  // with) and draws it while the flasher is on, then the text shifted by
  // offsetX. With showCursor 0 neither is placed nor drawn and offsetX keeps
  // its last value.
  Int Draw() override;

  // The input and its cursor share this one colour object.
  Int ApplyColor(const Ref<TColor>& colour);
  // A new cursor label "_" from the current x, y, font and scale.
  Int CreateCursorLabel();
  // Drops pending key hits and typed characters.
  virtual Int Finish();
  // One frame: advances the flasher and takes at most one typed character.
  // Returns 1 when Enter is accepted, -1 when Escape aborts, else 0. Both
  // results call Finish. A refused Enter flushes the keys. Refused
  // characters are dropped silently.
  Int Logic();
  // Plays typingSound on typingChannel at volume and rate 1 through the game
  // object; nothing when typingSound is Null.
  virtual Int PlayTypingSound();
  // Empties the text; flags, flasher and textRaw are kept.
  Int Reset();

  Int allowEscToAbort = 1;
  Int allowExtendedChars = 0;  // exactly 1: codes above 126 may be typed
  Int allowNull = 1;           // Enter accepted with an empty or blank text
  Int currentChar = 0;         // characters typed + 1
  Ref<TLabel> cursorLabel;
  Ref<TFlasher> flasher;
  Int maxLength = 10;
  Int maxPixelWidth = 0;  // 0: no width limit
  Int mode = MODE_ALL_CHARS;
  Int playTypingSoundOnEnter = 1;
  Int showCursor = 1;
  Ref<TSound> typingSound;  // the owner's; Null: silent
  Ref<TChannel> typingChannel;
  Int uppercaseFirstTypedChar = 0;

 private:
  // Appends c when the length and width limits allow it.
  void Type(Int c);
  // 1 when accepted, else 0 after flushing the keys.
  Int Enter();
  // Sets offsetX and the cursor's x for the alignment.
  void PlaceCursor();
};
