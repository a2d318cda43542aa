// TStandInScreen: the first screen until the splash screen exists. It shows
// the game's title and does nothing else.
#pragma once

#include "framework/color.h"
#include "framework/screen.h"

class TStandInScreen : public TScreen {
 public:
  Int Draw() override;
  Int Init() override;
  Int Logic() override;
  static Ref<TStandInScreen> Create();

 private:
  Ref<TShadow> shadow_;
};
