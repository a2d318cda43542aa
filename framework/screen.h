// TScreen: the base of every screen. The game object draws every screen of
// its stack and runs the Logic of the current one; each screen class adds a
// Create that sets the name and runs Init.
#pragma once

#include "platform/string.h"

class TScreen : public Object {
 public:
  String name;  // shown by the debug panel

  virtual Int Draw();
  virtual Int Init();
  virtual Int Logic();
};

// A new screen of class T with the name set, then its Init: the Create of
// every screen that is named before it is initialised.
template <class T>
Ref<T> MakeScreen(const String& name) {
  auto screen = New<T>();
  screen->name = name;
  screen->Init();
  return screen;
}
