// The zumbel's creation and its class-wide time boost.
#include "game/zumbel.h"

#include "framework/color.h"
#include "framework/game.h"
#include "framework/image_bank.h"

Ref<TZumbel> TZumbel::CreateZumbel() {
  auto zumbel = New<TZumbel>();
  zumbel->SetImage(imageBank->Find("zumbel"));
  zumbel->shadow = TShadow::Create(1.5f, 1.5f, 0.5f);
  zumbel->SetHitBox(16, 6, 52, 52);
  return zumbel;
}

Int TZumbel::InitGlobals() {
  timeBoost = ToInt(1.0f * game->frameRate);
  return 0;
}
