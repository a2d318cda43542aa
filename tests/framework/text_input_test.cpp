// Text input driven by typed characters through the platform's input
// injection, its cursor placement and drawing, and the flasher.
#include "framework/text_input.h"

#include <functional>
#include <string>
#include <vector>

#include "framework/color.h"
#include "framework/game.h"
#include "label_fixture.h"
#include "platform/input.h"

namespace {

namespace test = platform::test;
using label_test::TextDraw;
using label_test::Texts;

class TextInputTest : public label_test::LabelTest {
 protected:
  void SetUp() override {
    LabelTest::SetUp();
    game = TGame::Create();
    blip = game->LoadGameSound("blip.wav", 0);
    ASSERT_TRUE(blip) << "Data/Sound/ is missing";
    FlushKeys();
    test::ClearSoundLog();
  }
  void TearDown() override {
    LabelTest::TearDown();
    game = nullptr;
  }

  // Queues the keys: "\b" Backspace, "\r" Enter, "\x1b" Escape, anything
  // else typed as text (UTF-8).
  static void Queue(const std::string& keys) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
      const char c = keys[i];
      if (c == '\b' || c == '\r' || c == '\x1b') {
        const Int key = c == '\b' ? KEY_BACKSPACE : c == '\r' ? KEY_ENTER : KEY_ESCAPE;
        test::PressKey(key);
        test::ReleaseKey(key);
        continue;
      }
      std::size_t end = i + 1;
      while (end < keys.size() && (keys[end] & 0xC0) == 0x80) ++end;
      test::TypeText(keys.substr(i, end - i));
      i = end - 1;
    }
  }

  // Logic's results over that many frames.
  static std::vector<Int> Frames(TTextInput& input, std::size_t frames) {
    std::vector<Int> results;
    while (results.size() < frames) results.push_back(input.Logic());
    return results;
  }

  static Int Cues() {
    Int cues = 0;
    for (const auto& record : test::SoundLog()) cues += record.event == test::SoundEvent::Cue;
    return cues;
  }

  Ref<TSound> blip;
};

TEST_F(TextInputTest, TypingOneCharacterPerFrame) {
  using Configure = std::function<void(TTextInput&)>;
  const Configure asIs = [](TTextInput&) {};
  struct Case {
    const char* name;
    Configure configure;
    std::string keys;
    std::vector<Int> results;
    const char* text;  // UTF-8
    Int sounds;
  };
  const Case cases[] = {
      {"letters", asIs, "abc", {0, 0, 0, 0}, "abc", 3},
      {"backspace on empty", asIs, "\b", {0}, "", 0},
      {"backspace", asIs, "ab\b", {0, 0, 0}, "a", 3},
      {"eleventh refused", asIs, "abcdefghijk", std::vector<Int>(11, 0), "abcdefghij", 10},
      {"max length 0", [](TTextInput& t) { t.maxLength = 0; }, "ab", {0, 0}, "", 0},
      {"numbers only",
       [](TTextInput& t) { t.mode = TTextInput::MODE_NUMBERS_ONLY; },
       "1a 2\x1b\b3\r",
       {0, 0, 0, 0, 0, 0, 0, 1},
       "13",
       5},
      {"extended refused", asIs, "\xC3\xA9", {0}, "", 0},
      {"extended allowed",
       [](TTextInput& t) { t.allowExtendedChars = 1; },
       "\xC3\xA9",
       {0},
       "\xC3\xA9",
       1},
      {"extended needs exactly 1",
       [](TTextInput& t) { t.allowExtendedChars = 2; },
       "\xC3\xA9",
       {0},
       "",
       0},
      {"control codes dropped", asIs, "\t", {0}, "", 0},
      {"first typed upper-cased",
       [](TTextInput& t) { t.uppercaseFirstTypedChar = 1; },
       "aa\b\ba",
       {0, 0, 0, 0, 0},
       "A",
       5},
      {"enter accepts empty", asIs, "\rab", {1, 0}, "", 1},
      {"enter refused when empty", [](TTextInput& t) { t.allowNull = 0; }, "\rab", {0, 0}, "", 1},
      {"enter refused when blank",
       [](TTextInput& t) { t.allowNull = 0; },
       "  \r",
       {0, 0, 0},
       "  ",
       3},
      {"enter accepted with text",
       [](TTextInput& t) { t.allowNull = 0; },
       " a\rb",
       {0, 0, 1, 0},
       " a",
       3},
      {"silent enter", [](TTextInput& t) { t.playTypingSoundOnEnter = 0; }, "a\r", {0, 1}, "a", 1},
      {"escape aborts",
       asIs,
       "ab\x1b"
       "c",
       {0, 0, -1, 0},
       "ab",
       2},
      {"escape disabled", [](TTextInput& t) { t.allowEscToAbort = 0; }, "a\x1b", {0, 0}, "a", 1},
  };
  for (const Case& c : cases) {
    FlushKeys();
    test::ClearSoundLog();
    const auto input = TTextInput::Create("", 100, 50, nullptr, 1, 1);
    input->typingSound = blip;
    c.configure(*input);
    Queue(c.keys);
    EXPECT_EQ(Frames(*input, c.results.size()), c.results) << c.name;
    EXPECT_EQ(input->text.ToUtf8(), c.text) << c.name;
    EXPECT_EQ(input->currentChar, input->text.Length() + 1) << c.name;
    EXPECT_EQ(Cues(), c.sounds) << c.name;
  }
}

// "i" is 4 pixels wide in the default font.
TEST_F(TextInputTest, WidthLimitAcceptsEqualAndMeasuresBeforeUpperCasing) {
  ASSERT_EQ(TextWidth("i"), 4);
  struct Case {
    const char* name;
    Float scale, gameScale;
    Int camera, maxPixelWidth;
    const char* text;
  };
  const Case cases[] = {
      {"equal accepted", 1, 1, 1, 12, "iii"},
      {"own scale", 2, 1, 1, 16, "ii"},
      {"game scale under the camera", 1, 2, 1, 16, "ii"},
      {"game scale without the camera", 1, 2, 0, 16, "iiii"},
  };
  for (const Case& c : cases) {
    FlushKeys();
    renderer->SetGameScale(c.gameScale, c.gameScale);
    const auto input = TTextInput::Create("", 0, 0, nullptr, c.scale, c.scale);
    input->useRendererCamera = c.camera;
    input->maxPixelWidth = c.maxPixelWidth;
    Queue("iiiii");
    Frames(*input, 5);
    EXPECT_EQ(input->text.ToUtf8(), c.text) << c.name;
  }
  renderer->ResetScale();

  ASSERT_GT(TextWidth("W"), TextWidth("w"));
  const auto input = TTextInput::Create("", 0, 0, nullptr, 1, 1);
  input->uppercaseFirstTypedChar = 1;
  input->maxPixelWidth = TextWidth("w");
  Queue("w");
  input->Logic();
  EXPECT_EQ(input->text.ToUtf8(), "W");
}

TEST_F(TextInputTest, KeystrokesPlayOnTheInputsOwnChannel) {
  const auto input = TTextInput::Create("", 0, 0, nullptr, 1, 1);
  Queue("a");
  input->Logic();
  EXPECT_FALSE(input->typingChannel);
  EXPECT_EQ(Cues(), 0);

  input->typingSound = blip;
  const std::size_t playing = test::PlayingSounds().size();
  Queue("bc");
  input->Logic();
  const Ref<TChannel> first = input->typingChannel;
  ASSERT_TRUE(first);
  input->Logic();
  EXPECT_NE(input->typingChannel, first);
  EXPECT_FALSE(ChannelPlaying(first));
  EXPECT_TRUE(ChannelPlaying(input->typingChannel));
  EXPECT_EQ(test::PlayingSounds().size(), playing + 1);
  EXPECT_EQ(Cues(), 2);
}

// A subclass's Finish and PlayTypingSound are the ones Logic calls.
TEST_F(TextInputTest, LogicCallsTheOverridesOfFinishAndTheSound) {
  struct Counting : TTextInput {
    Int PlayTypingSound() override { return ++sounds; }
    Int Finish() override { return ++finishes; }
    Int sounds = 0;
    Int finishes = 0;
  };
  Counting input;
  input.textFormat = New<TTextFormat>();
  input.CreateCursorLabel();
  input.currentChar = 1;
  input.flasher = TFlasher::Create(0, 20, 10);
  Queue("ab\rc");
  EXPECT_EQ(Frames(input, 4), (std::vector<Int>{0, 0, 1, 0}));
  EXPECT_EQ(input.sounds, 4);
  EXPECT_EQ(input.finishes, 1);
  EXPECT_EQ(input.text.ToUtf8(), "abc");  // the override did not flush
}

TEST_F(TextInputTest, CreateAndResetKeepTheCountInStep) {
  const auto font = label_test::GameFont(20);
  const auto input = TTextInput::Create("Hi", 30, 40, font, 2, 3);
  EXPECT_EQ(input->currentChar, 3);
  const TLabel& cursor = *input->cursorLabel;
  EXPECT_EQ(cursor.text.ToUtf8(), "_");
  EXPECT_EQ(cursor.imageFont, font);
  EXPECT_EQ((std::vector<Float>{cursor.x, cursor.y, cursor.scaleX, cursor.scaleY}),
            (std::vector<Float>{30, 40, 2, 3}));
  Queue("!");
  input->Logic();
  EXPECT_EQ(input->text.ToUtf8(), "Hi!");
  input->Reset();
  EXPECT_EQ(input->text.ToUtf8(), "");
  EXPECT_EQ(input->currentChar, 1);
  EXPECT_EQ(input->textRaw.ToUtf8(), "Hi");
}

// At (100, 50) with the text "iiii" (16 wide) in the default font.
TEST_F(TextInputTest, CursorFollowsTheTextForEachAlignment) {
  const Float cw = static_cast<Float>(TextWidth("_"));
  const Float h = static_cast<Float>(TextHeight(""));
  struct Case {
    Int alignment;
    Float cursorX, textX, textY;
  };
  const Case cases[] = {
      {TLabel::ALIGN_LEFT, 116, 100, 50},
      {TLabel::ALIGN_RIGHT, 100 - cw, 84 - cw, 50},
      {TLabel::ALIGN_CENTRE_ALL, 108 + cw / 2, 92 + cw / 2, 50 - h / 2},
      {TLabel::ALIGN_CENTRE_HORIZ, 108 - cw / 2, 92 - cw / 2, 50},
      {TLabel::ALIGN_CENTRE_VERT, 116, 100, 50 - h / 2},
      {7, 116, 100, 50},
  };
  for (const Case& c : cases) {
    Flip(0);
    const auto input = TTextInput::Create("iiii", 100, 50, nullptr, 1, 1);
    input->alignment = c.alignment;
    EXPECT_EQ(input->Draw(), 0);
    EXPECT_EQ(Texts(), (std::vector<TextDraw>{{"_", c.cursorX, 50, 255, 255, 255, 1, 1, 1},
                                              {"iiii", c.textX, c.textY, 255, 255, 255, 1, 1, 1}}))
        << "alignment " << c.alignment;
  }
}

TEST_F(TextInputTest, CursorShowsWhileOnAndKeepsItsY) {
  const auto input = TTextInput::Create("ii", 100, 50, nullptr, 1, 1);
  input->ApplyColor(TColor::Create(10, 20, 30, 0.5f));
  EXPECT_EQ(input->color, input->cursorLabel->color);
  input->x = 200;
  input->y = 80;
  input->Draw();
  EXPECT_EQ(Texts(), (std::vector<TextDraw>{{"_", 208, 50, 10, 20, 30, 0.5f, 1, 1},
                                            {"ii", 200, 80, 10, 20, 30, 0.5f, 1, 1}}));
  label_test::ExpectStateAtRest();

  Flip(0);
  input->flasher->SetToOff();
  input->Draw();
  EXPECT_EQ(Texts().size(), 1u);

  Flip(0);
  input->flasher->SetToOn();
  input->alignment = TLabel::ALIGN_RIGHT;
  input->Draw();
  input->showCursor = 0;
  input->alignment = TLabel::ALIGN_LEFT;
  input->Draw();
  const Float cw = static_cast<Float>(TextWidth("_"));
  // Without the cursor, the offset of the last placement stays.
  EXPECT_EQ(Texts().back().x, 200 - cw);
  EXPECT_EQ(Texts().size(), 3u);
}

TEST(Flasher, BlinksWithPhasesOfOneMoreCall) {
  const auto flasher = TFlasher::Create(0, 20, 10);
  std::vector<Int> states;
  for (Int call = 1; call <= 64; ++call) {
    EXPECT_EQ(flasher->Logic(), 0);
    states.push_back(flasher->state);
  }
  std::vector<Int> expected;
  for (const auto& [state, calls] : {std::pair{1, 20}, {0, 11}, {1, 21}, {0, 11}, {1, 1}}) {
    expected.insert(expected.end(), calls, state);
  }
  EXPECT_EQ(states, expected);
}

TEST(Flasher, TotalLengthReportsOnceThenBlinksOn) {
  struct Case {
    Int total;
    std::vector<Int> results, states;
  };
  const Case cases[] = {
      {3, {0, 0, 1, 0, 0}, {1, 1, 1, 0, 0}},
      {1, {1, 0, 0, 0}, {1, 1, 1, 0}},
  };
  for (const Case& c : cases) {
    const auto flasher = TFlasher::Create(c.total, 2, 2);
    std::vector<Int> results, states;
    for (std::size_t call = 0; call < c.results.size(); ++call) {
      results.push_back(flasher->Logic());
      states.push_back(flasher->state);
    }
    EXPECT_EQ(results, c.results) << c.total;
    EXPECT_EQ(states, c.states) << c.total;
    EXPECT_EQ(flasher->animCounter, 0.0f);
  }
}

TEST(Flasher, SettersStartAFullPhase) {
  const auto flasher = TFlasher::Create(0, 5, 2);
  flasher->SetToOff();
  std::vector<Int> states;
  for (Int call = 0; call < 3; ++call) {
    flasher->Logic();
    states.push_back(flasher->state);
  }
  EXPECT_EQ(states, (std::vector<Int>{0, 0, 1}));
  flasher->SetToOn();
  EXPECT_EQ(flasher->flashCounter, 5.0f);
  EXPECT_EQ(flasher->state, 1);
}

}  // namespace
