// Keyboard and mouse through injected SDL events: hits, held keys, flushes,
// the typed-character queue, button numbering and the quit request.
#include "platform/input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless_start.h"
#include "platform/string.h"
#include "platform/testing.h"

namespace {

using namespace platform::test;

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override { platform_test::RestartHeadless(); }
};

std::vector<Int> DrainChars() {
  std::vector<Int> codes;
  for (Int code = GetChar(); code != 0; code = GetChar()) codes.push_back(code);
  return codes;
}

std::vector<Int> Codes(const std::string& utf8) {
  const String text(utf8);
  return {text.Units().begin(), text.Units().end()};
}

// Every mapped key reaches exactly its own virtual-key number.
TEST_F(InputTest, EachMappedKeyIsHeldAlone) {
  std::vector<Int> keys = {8, 9, 13, 27, 32, 37, 38, 39, 40, 160, 161, 162, 163, 164, 165};
  for (Int k = 0; k < 26; ++k)
    keys.insert(keys.end(), {KEY_A + k, KEY_0 + k % 10, KEY_F1 + k % 12});
  for (Int key : keys) {
    PressKey(key);
    for (Int other = 0; other < 256; ++other) ASSERT_EQ(KeyDown(other), other == key) << key;
    ReleaseKey(key);
    EXPECT_EQ(KeyDown(key), 0) << key;
  }
}

TEST_F(InputTest, HitsCountPressesNotRepeats) {
  for (auto inject : {PressKey, RepeatKey, RepeatKey, ReleaseKey, PressKey}) inject(KEY_SPACE);
  PressKey(KEY_ENTER);
  EXPECT_EQ(KeyHit(KEY_SPACE), 2);
  EXPECT_EQ(KeyHit(KEY_SPACE), 0);  // asking cleared it ...
  EXPECT_EQ(KeyHit(KEY_ENTER), 1);  // ... and only it
  EXPECT_EQ(KeyDown(KEY_SPACE), 1);
  EXPECT_EQ(KeyHit(-1) + KeyDown(256) + MouseHit(0) + MouseDown(4), 0);
}

TEST_F(InputTest, KeyHeldThroughAFlushReadsReleasedUntilPressedAgain) {
  PressKey(KEY_LEFT);
  EXPECT_EQ(KeyDown(KEY_LEFT), 1);
  PressKey(KEY_RIGHT);  // still pending when the flush comes
  TypeText("abc");
  FlushKeys();
  RepeatKey(KEY_LEFT);
  EXPECT_EQ(KeyDown(KEY_LEFT) + KeyHit(KEY_LEFT) + KeyHit(KEY_RIGHT) + GetChar(), 0);
  ReleaseKey(KEY_LEFT);
  PressKey(KEY_LEFT);
  EXPECT_EQ(KeyDown(KEY_LEFT), 1);
  EXPECT_EQ(KeyHit(KEY_LEFT), 1);
}

TEST_F(InputTest, TypedCharactersInArrivalOrder) {
  TypeText("h\xc3\xa9");
  for (Int key : {KEY_BACKSPACE, KEY_ENTER, KEY_ESCAPE, KEY_A}) PressKey(key);  // A types nothing
  RepeatKey(KEY_BACKSPACE);
  TypeText("\xf0\x9f\x98\x80");
  EXPECT_EQ(DrainChars(), (std::vector<Int>{'h', 0xE9, 8, 13, 27, 8, 0xD83D, 0xDE00}));
  // Longer than one text event, with an "é" across the cut; then bytes with no cut point.
  const std::string text = std::string(30, 'a') + "\xc3\xa9" + std::string(40, 'b');
  TypeText(text);
  EXPECT_EQ(DrainChars(), Codes(text));
  TypeText(std::string(40, '\x80'));
  EXPECT_EQ(DrainChars(), std::vector<Int>(40, 0xFFFD));
  TypeText(std::string(300, 'x') + "y");  // a full queue drops new codes
  EXPECT_EQ(DrainChars(), std::vector<Int>(256, 'x'));
}

TEST_F(InputTest, MouseButtonsAreLeftRightMiddleInCanvasPixels) {
  MoveMouse(1023, 767);
  for (Int button = 1; button <= 3; ++button) {
    PressMouse(button);
    for (Int other = 1; other <= 3; ++other) EXPECT_EQ(MouseDown(other), other == button);
    EXPECT_EQ(MouseHit(button), 1);
    EXPECT_EQ(MouseHit(button), 0);
    ReleaseMouse(button);
    EXPECT_EQ(MouseDown(button), 0);
  }
  EXPECT_EQ(MouseX(), 1023);
  EXPECT_EQ(MouseY(), 767);
}

TEST_F(InputTest, DiscardingAndFlushingMouseClearOnlyHits) {
  PressKey(KEY_UP);
  PressMouse(1);
  TypeText("q");
  EXPECT_EQ(MouseDown(1), 1);
  PressMouse(2);  // pending
  platform::DiscardHits();
  EXPECT_EQ(KeyHit(KEY_UP) + MouseHit(1) + MouseHit(2), 0);
  EXPECT_EQ(KeyDown(KEY_UP) + MouseDown(1) + MouseDown(2), 3);
  EXPECT_EQ(GetChar(), 'q');
  PressMouse(3);
  FlushMouse();
  EXPECT_EQ(MouseHit(3), 0);
  EXPECT_EQ(MouseDown(3), 1);
}

TEST_F(InputTest, CloseRequestLatchesAppTerminateUntilANewStartUp) {
  EXPECT_EQ(AppTerminate(), 0);
  RequestClose();
  EXPECT_EQ(AppTerminate(), 1);
  EXPECT_EQ(AppTerminate(), 1);
  platform_test::RestartHeadless();
  EXPECT_EQ(AppTerminate(), 0);
}

}  // namespace
