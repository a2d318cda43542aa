// Particles and the particle list.
#include "framework/particle.h"

namespace {

// Adds a non-zero delta and wraps the result once toward 0..360.
void TurnOnce(Float& rotation, Float delta) {
  if (delta < 0.0f) {
    rotation += delta;
    if (rotation < 0.0f) rotation += 360.0f;
  } else if (delta > 0.0f) {
    rotation += delta;
    if (rotation >= 360.0f) rotation -= 360.0f;
  }
}

}  // namespace

Ref<TParticle> TParticle::CreateParticle(const Ref<TGameImage>& image, Float x, Float y,
                                         const String& text, const Ref<TImageFont>& font) {
  auto particle = New<TParticle>();
  particle->x = x;
  particle->y = y;
  particle->StoreOriginalCoords();
  particle->SetImage(image);
  particle->text = text;
  particle->textFont = font;
  return particle;
}

Int TParticle::Logic() {
  Move();
  if (alphaDelta < 0.0f) {
    alpha += alphaDelta;
    if (!(alpha > 0.0f)) return 0;
  } else if (alphaDelta > 0.0f) {
    alpha += alphaDelta;
  }
  TurnOnce(rotation, rotationDelta);
  scaleX += scaleXDelta;
  scaleY += scaleYDelta;
  if (!(scaleX > 0.0f)) return 0;
  if (!(scaleY > 0.0f)) return 0;
  return 1;
}

Int TParticle::SetParams(Float alphaDelta, Float rotationDelta, Float scaleXDelta,
                         Float scaleYDelta, Float speedX, Float speedY) {
  this->alphaDelta = alphaDelta;
  this->rotationDelta = rotationDelta;
  this->scaleXDelta = scaleXDelta;
  this->scaleYDelta = scaleYDelta;
  this->speedX = speedX;
  this->speedY = speedY;
  return 0;
}

Ref<TParticleList> TParticleList::Create() { return New<TParticleList>(); }

Ref<TParticle> TParticleList::AddNew(const Ref<TGameImage>& image, Int x, Int y, const String& text,
                                     const Ref<TImageFont>& font) {
  auto particle =
      TParticle::CreateParticle(image, static_cast<Float>(x), static_cast<Float>(y), text, font);
  AddLast(particle);
  return particle;
}

Int TParticleList::Draw() {
  for (const auto& particle : Each<TParticle>()) particle->Draw();
  return 0;
}

Int TParticleList::Logic() {
  for (const auto& particle : Each<TParticle>()) {
    if (particle->Logic() == 0) Remove(particle.get());
  }
  return 0;
}
