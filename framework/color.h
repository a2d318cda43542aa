// TColor and TShadow: the small value objects through which every drawer
// sets the platform's drawing colour and alpha. Neither checks or clamps its
// values; both Restore operations leave white at alpha 1.0, whatever was in
// force before Apply.
#pragma once

#include "platform/object.h"

class TColor : public Object {
 public:
  Int R = 0;
  Int G = 0;
  Int B = 0;
  Float alpha = 1.0f;

  // Sets colour (R, G, B), then alpha.
  Int Apply() const;
  // Sets colour (R, G, B); the alpha stays as it was.
  Int ApplyNoAlpha() const;
  Int Copy(const TColor& source);
  static Ref<TColor> Create(Int r, Int g, Int b, Float a);
  // Writes R, G and B into the caller's variables.
  Int Get(Int& r, Int& g, Int& b) const;
  // Writes R, G, B and alpha into the caller's variables.
  Int GetFull(Int& r, Int& g, Int& b, Float& a) const;
  // Sets white at alpha 1.0.
  Int Restore() const;
  Int Set(Int r, Int g, Int b, Float a);
};

// A black drop shadow: offset (X, Y) and alpha.
class TShadow : public Object {
 public:
  Float X = 1.0f;
  Float Y = 1.0f;
  Float alpha = 0.5f;

  static Ref<TShadow> Create(Float x, Float y, Float a);
  Int Init(Float x, Float y, Float a);
  Int Copy(const TShadow& source);
  // Sets black at the shadow's alpha.
  Int Apply() const;
  // Sets white at alpha 1.0.
  Int Restore() const;
};
