// TParticle, a short-lived sprite that moves, fades, spins and scales by
// fixed amounts each frame, and TParticleList, which creates particles,
// advances them, drops the dead ones and draws the living in order.
#pragma once

#include "framework/sprite.h"
#include "platform/list.h"

class TParticle : public TSprite {
 public:
  // A new particle at (x, y) with its anchor at the same point, sized by the
  // image (Null allowed: sizes stay 0), with the text and font given. All
  // deltas start at 0.
  static Ref<TParticle> CreateParticle(const Ref<TGameImage>& image, Float x, Float y,
                                       const String& text, const Ref<TImageFont>& font);

  // One frame: Move, then alpha, rotation and scale by their deltas, each
  // stored as a 32-bit float. Returns 0 when the particle is dead: a falling
  // alpha that is not above 0 (rotation and scale then stay untouched), or
  // either scale not above 0. A rising or constant alpha never kills.
  // Rotation wraps by 360 at most once, toward 0..360, only when it moved.
  Int Logic() override;
  // The four deltas and the speed, in that order.
  Int SetParams(Float alphaDelta, Float rotationDelta, Float scaleXDelta, Float scaleYDelta,
                Float speedX, Float speedY);

  Float alphaDelta = 0.0f;
  Float rotationDelta = 0.0f;  // degrees per frame
  Float scaleXDelta = 0.0f;
  Float scaleYDelta = 0.0f;
};

class TParticleList : public TList {
 public:
  static Ref<TParticleList> Create();

  // CreateParticle at the whole-pixel point, appended to the list and
  // returned so that the caller can set its parameters.
  Ref<TParticle> AddNew(const Ref<TGameImage>& image, Int x, Int y, const String& text,
                        const Ref<TImageFont>& font);
  // Draws every particle in list order; values of other classes are skipped.
  Int Draw();
  // One Logic step of every particle in list order; a particle whose step
  // reports it dead leaves the list at once and the walk goes on with the
  // next value. Values of other classes are skipped and kept.
  Int Logic();
};
