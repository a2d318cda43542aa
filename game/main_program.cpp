// Start-up, the frame loop's pass and the way out.
#include "game/main_program.h"

#include "framework/game.h"
#include "framework/image_bank.h"
#include "framework/keys.h"
#include "framework/renderer.h"
#include "game/intro_screen.h"
#include "game/zumbel.h"
#include "platform/display.h"
#include "platform/maths.h"
#include "platform/system.h"
#include "platform/timing.h"

Ref<TImageFont> mainFont;

namespace {

constexpr Int KEY_X = 88;
constexpr Int MAIN_FONT_SIZE = 64;

// The images every level uses, loaded in this order.
constexpr const char* SHARED_IMAGES[] = {"player",    "zumbel",       "fog",          "spikes",
                                         "explosion", "particlering", "particlering2"};

Ref<TTimer> frameTimer;

// X pressed since the last query while either Control key is held. The X
// press is consumed whether or not Control is held.
bool ExitKeysPressed() { return KeyHit(KEY_X) && ControlKeyDown(); }

void CreateGlobals() {
  game = TGame::Create();
  renderer = New<TRenderer>();
  imageBank = TImageBank::Create(game->imagePath);
}

void NameGame() {
  game->testMode = 0;
  game->debugPanelY = 100;
  game->name = "Quorvane";
  game->versionString = "0.21";
  game->SetupTitleBar();
  game->music = 1;
}

}  // namespace

void StartUp(const StartOptions& options) {
  platform::Init({.headless = options.headless, .changeDir = options.changeDir});
  CreateGlobals();
  TZumbel::InitGlobals();
  frameTimer = CreateTimer(game->frameRate);
  SeedRnd(options.seed.value_or(MilliSecs()));
  NameGame();
  renderer->SetFullScreen(1);
  LoadData();
  game->AddScreenToStack(TIntroScreen::Create());
}

void RunPass() {
  if (ExitKeysPressed()) Finish();
  if (game->Logic()) Finish();
  game->Draw();
  WaitTimer(frameTimer);
  Flip(1);
  Delay(1);
}

Int LoadData() {
  mainFont = LoadImageFont(game->fontPath + "mael.ttf", MAIN_FONT_SIZE, SMOOTHFONT);
  for (const char* image : SHARED_IMAGES) imageBank->Load(image, "", -1, 1);
  return 0;
}

void Finish() { End(); }
