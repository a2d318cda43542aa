// Keyboard and mouse: SDL events translated into virtual-key states, hit
// counts and the typed-character queue, plus the test hooks that push real
// SDL events so the same translation runs under test.
#include "platform/input.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <utility>

#include "platform/detail.h"
#include "platform/string.h"
#include "platform/system.h"
#include "platform/testing.h"

namespace {

constexpr Int kKeyCount = 256;
constexpr Int kButtonCount = 3;

// One virtual key with the SDL key code and scan code that stand for it.
struct KeyName {
  Int key;
  SDL_Keycode sym;
  SDL_Scancode scan;
};

constexpr KeyName kNamedKeys[] = {
    {KEY_ENTER, SDLK_RETURN, SDL_SCANCODE_RETURN},
    {KEY_ENTER, SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER},
    {KEY_ESCAPE, SDLK_ESCAPE, SDL_SCANCODE_ESCAPE},
    {KEY_SPACE, SDLK_SPACE, SDL_SCANCODE_SPACE},
    {KEY_BACKSPACE, SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE},
    {KEY_TAB, SDLK_TAB, SDL_SCANCODE_TAB},
    {KEY_LEFT, SDLK_LEFT, SDL_SCANCODE_LEFT},
    {KEY_UP, SDLK_UP, SDL_SCANCODE_UP},
    {KEY_RIGHT, SDLK_RIGHT, SDL_SCANCODE_RIGHT},
    {KEY_DOWN, SDLK_DOWN, SDL_SCANCODE_DOWN},
    {KEY_LSHIFT, SDLK_LSHIFT, SDL_SCANCODE_LSHIFT},
    {KEY_RSHIFT, SDLK_RSHIFT, SDL_SCANCODE_RSHIFT},
    {KEY_LCONTROL, SDLK_LCTRL, SDL_SCANCODE_LCTRL},
    {KEY_RCONTROL, SDLK_RCTRL, SDL_SCANCODE_RCTRL},
    {KEY_LALT, SDLK_LALT, SDL_SCANCODE_LALT},
    {KEY_RALT, SDLK_RALT, SDL_SCANCODE_RALT},
};

constexpr std::size_t kLetters = 26, kDigits = 10, kFunctionKeys = 12;
using KeyTable = std::array<KeyName, kLetters + kDigits + kFunctionKeys + std::size(kNamedKeys)>;

// Every key the platform knows, read in both directions. Letters go by key
// code, so they follow the user's layout. The first entry of a virtual key is
// the one the test hooks press (Return rather than keypad Enter).
constexpr KeyTable MakeKeyTable() {
  KeyTable table{};
  std::size_t n = 0;
  for (Int i = 0; i < Int{kLetters}; ++i) {
    table[n++] = {KEY_A + i, SDLK_a + i, static_cast<SDL_Scancode>(SDL_SCANCODE_A + i)};
  }
  // SDL numbers the digit scan codes 1 to 9, then 0.
  for (Int i = 0; i < Int{kDigits}; ++i) {
    const auto scan = i == 0 ? SDL_SCANCODE_0 : static_cast<SDL_Scancode>(SDL_SCANCODE_1 + i - 1);
    table[n++] = {KEY_0 + i, SDLK_0 + i, scan};
  }
  for (Int i = 0; i < Int{kFunctionKeys}; ++i) {
    table[n++] = {KEY_F1 + i, SDLK_F1 + i, static_cast<SDL_Scancode>(SDL_SCANCODE_F1 + i)};
  }
  for (const KeyName& named : kNamedKeys) table[n++] = named;
  return table;
}

constexpr KeyTable kKeys = MakeKeyTable();

const KeyName* FindBySym(SDL_Keycode sym) {
  for (const KeyName& name : kKeys) {
    if (name.sym == sym) return &name;
  }
  return nullptr;
}

const KeyName* FindByKey(Int key) {
  for (const KeyName& name : kKeys) {
    if (name.key == key) return &name;
  }
  return nullptr;
}

// Character codes that key presses (repeats included) put in the queue.
bool IsCharacterKey(Int key) {
  return key == KEY_BACKSPACE || key == KEY_ENTER || key == KEY_ESCAPE;
}

// SDL numbers the buttons 1 left, 2 middle, 3 right; the platform 1 left,
// 2 right, 3 middle. 0 for any other SDL button.
Int PlatformButton(Uint8 sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT:
      return 1;
    case SDL_BUTTON_RIGHT:
      return 2;
    case SDL_BUTTON_MIDDLE:
      return 3;
    default:
      return 0;
  }
}

// The SDL button of each platform button (index 0 unused).
constexpr Uint8 kSdlButtons[] = {0, SDL_BUTTON_LEFT, SDL_BUTTON_RIGHT, SDL_BUTTON_MIDDLE};

bool ValidButton(Int button) { return button >= 1 && button <= kButtonCount; }

// A first-in first-out queue of typed codes; codes beyond its size are dropped.
class CharQueue {
 public:
  void Push(char16_t code) {
    if (count_ == units_.size()) return;
    units_[(head_ + count_) % units_.size()] = code;
    ++count_;
  }
  Int Pop() {
    if (count_ == 0) return 0;
    const char16_t code = units_[head_];
    head_ = (head_ + 1) % units_.size();
    --count_;
    return code;
  }
  void Clear() { head_ = count_ = 0; }

 private:
  std::array<char16_t, 256> units_{};
  std::size_t head_ = 0;
  std::size_t count_ = 0;
};

struct InputState {
  std::array<Int, kKeyCount> keyHits{};
  std::array<bool, kKeyCount> keyDown{};
  std::array<Int, kButtonCount + 1> mouseHits{};  // by platform button, index 0 unused
  std::array<bool, kButtonCount + 1> mouseDown{};
  Int mouseX = 0, mouseY = 0;  // window pixels
  CharQueue chars;
  bool terminate = false;
  Int injectedX = 0, injectedY = 0;  // where the test hooks last moved the mouse
};

InputState& State() {
  static InputState state;
  return state;
}

void TakeKeyDown(const SDL_KeyboardEvent& event) {
  const KeyName* name = FindBySym(event.keysym.sym);
  if (!name) return;
  InputState& state = State();
  if (IsCharacterKey(name->key)) state.chars.Push(static_cast<char16_t>(name->key));
  if (event.repeat) return;
  ++state.keyHits[name->key];
  state.keyDown[name->key] = true;
}

void TakeKeyUp(const SDL_KeyboardEvent& event) {
  if (const KeyName* name = FindBySym(event.keysym.sym)) State().keyDown[name->key] = false;
}

void TakeText(const char* utf8) {
  const String text(utf8);
  for (char16_t unit : text.Units()) State().chars.Push(unit);
}

void TakeButton(const SDL_MouseButtonEvent& event) {
  InputState& state = State();
  const Int button = PlatformButton(event.button);
  if (!ValidButton(button)) return;
  const bool pressed = event.state == SDL_PRESSED;
  if (pressed) ++state.mouseHits[button];
  state.mouseDown[button] = pressed;
}

void Take(const SDL_Event& event) {
  switch (event.type) {
    case SDL_KEYDOWN:
      TakeKeyDown(event.key);
      break;
    case SDL_KEYUP:
      TakeKeyUp(event.key);
      break;
    case SDL_TEXTINPUT:
      TakeText(event.text.text);
      break;
    case SDL_MOUSEMOTION:
      State().mouseX = event.motion.x;
      State().mouseY = event.motion.y;
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      TakeButton(event.button);
      break;
    case SDL_QUIT:
      State().terminate = true;
      break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) State().terminate = true;
      break;
    default:
      break;
  }
}

void PushKey(Int key, Uint32 type, bool repeat) {
  const KeyName* name = FindByKey(key);
  if (!name) return;  // no SDL key stands for it: nothing to press
  SDL_Event event{};
  event.type = type;
  event.key.timestamp = SDL_GetTicks();
  event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
  event.key.repeat = repeat ? 1 : 0;
  event.key.keysym.sym = name->sym;
  event.key.keysym.scancode = name->scan;
  SDL_PushEvent(&event);
}

void PushButton(Int button, Uint32 type) {
  if (!ValidButton(button)) return;
  SDL_Event event{};
  event.type = type;
  event.button.timestamp = SDL_GetTicks();
  event.button.button = kSdlButtons[button];
  event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
  event.button.clicks = 1;
  event.button.x = State().injectedX;
  event.button.y = State().injectedY;
  SDL_PushEvent(&event);
}

void PushText(const std::string& utf8) {
  SDL_Event event{};
  event.type = SDL_TEXTINPUT;
  event.text.timestamp = SDL_GetTicks();
  utf8.copy(event.text.text, sizeof event.text.text - 1);
  SDL_PushEvent(&event);
}

bool IsContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

}  // namespace

namespace platform {

void PollEvents() {
  if (!IsInitialised()) return;
  SDL_Event event;
  while (SDL_PollEvent(&event)) Take(event);
}

void DiscardHits() {
  PollEvents();
  State().keyHits.fill(0);
  State().mouseHits.fill(0);
}

namespace detail {

void ResetInput() { State() = InputState(); }

}  // namespace detail

namespace test {

void PressKey(Int key) { PushKey(key, SDL_KEYDOWN, false); }
void ReleaseKey(Int key) { PushKey(key, SDL_KEYUP, false); }
void RepeatKey(Int key) { PushKey(key, SDL_KEYDOWN, true); }

// Sent in pieces that fit one text event, cut between characters.
void TypeText(const std::string& utf8) {
  constexpr std::size_t kPiece = SDL_TEXTINPUTEVENT_TEXT_SIZE - 1;
  for (std::size_t start = 0; start < utf8.size();) {
    std::size_t end = std::min(start + kPiece, utf8.size());
    std::size_t cut = end;
    while (cut > start && cut < utf8.size() && IsContinuationByte(utf8[cut])) --cut;
    if (cut > start) end = cut;
    PushText(utf8.substr(start, end - start));
    start = end;
  }
}

void MoveMouse(Int x, Int y) {
  State().injectedX = x;
  State().injectedY = y;
  SDL_Event event{};
  event.type = SDL_MOUSEMOTION;
  event.motion.timestamp = SDL_GetTicks();
  event.motion.x = x;
  event.motion.y = y;
  SDL_PushEvent(&event);
}

void PressMouse(Int button) { PushButton(button, SDL_MOUSEBUTTONDOWN); }
void ReleaseMouse(Int button) { PushButton(button, SDL_MOUSEBUTTONUP); }

void RequestClose() {
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.timestamp = SDL_GetTicks();
  event.window.event = SDL_WINDOWEVENT_CLOSE;
  SDL_PushEvent(&event);
}

}  // namespace test
}  // namespace platform

namespace {

// Reads one count after taking in pending events and sets it back to 0;
// 0 for an index out of range.
template <class Counts>
Int TakeCount(Counts& counts, Int index) {
  platform::PollEvents();
  if (index < 0 || index >= static_cast<Int>(counts.size())) return 0;
  return std::exchange(counts[index], 0);
}

template <class Flags>
Int ReadFlag(const Flags& flags, Int index) {
  platform::PollEvents();
  return index >= 0 && index < static_cast<Int>(flags.size()) && flags[index] ? 1 : 0;
}

void MouseInCanvas(Int& x, Int& y) {
  platform::PollEvents();
  platform::detail::WindowToCanvas(State().mouseX, State().mouseY, x, y);
}

}  // namespace

Int KeyHit(Int key) { return TakeCount(State().keyHits, key); }
Int KeyDown(Int key) { return ReadFlag(State().keyDown, key); }

void FlushKeys() {
  platform::PollEvents();
  InputState& state = State();
  state.keyHits.fill(0);
  state.keyDown.fill(false);
  state.chars.Clear();
}

Int GetChar() {
  platform::PollEvents();
  return State().chars.Pop();
}

// Index 0 of the button arrays is never set, so button 0 reads 0.
Int MouseHit(Int button) { return TakeCount(State().mouseHits, button); }
Int MouseDown(Int button) { return ReadFlag(State().mouseDown, button); }

Int MouseX() {
  Int x = 0, y = 0;
  MouseInCanvas(x, y);
  return x;
}

Int MouseY() {
  Int x = 0, y = 0;
  MouseInCanvas(x, y);
  return y;
}

void FlushMouse() {
  platform::PollEvents();
  State().mouseHits.fill(0);
}

Int AppTerminate() {
  platform::PollEvents();
  return State().terminate ? 1 : 0;
}
