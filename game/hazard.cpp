// The hazard's creation.
#include "game/hazard.h"

#include "framework/color.h"
#include "framework/image_bank.h"

Ref<THazard> THazard::CreateHazard() {
  auto hazard = New<THazard>();
  hazard->SetImage(imageBank->Find("spikes"));
  hazard->shadow = TShadow::Create(1.5f, 1.5f, 0.5f);
  hazard->SetHitBox(7, 7, 50, 50);
  return hazard;
}
