// TSprite: the framework's positioned drawable, either a bank image or a line
// of text, with speed, rotation, scale, alpha, optional text colour, optional
// drop shadow and an integer hit box. Particles, the player, zumbels and
// hazards derive from it.
#pragma once

#include "platform/object.h"
#include "platform/string.h"

class TColor;
class TGameImage;
class TImageFont;
class TShadow;

class TSprite : public Object {
 public:
  // A new sprite with the defaults, then SetImage(image), the position,
  // StoreOriginalCoords, the text and the font. image and font may be Null.
  static Ref<TSprite> Create(const Ref<TGameImage>& image, Float x, Float y, const String& text,
                             const Ref<TImageFont>& font);

  // Clamps x into [w2, screenWidth - w2] and y into [h2, screenHeight - h2]
  // of the global renderer; the lower bound is tested first. The anchor stays.
  virtual Int BoundsCheck();
  // originalX, originalY = x, y.
  virtual Int StoreOriginalCoords();
  // With an image: width, height, w2, h2 and the hit box size from it (the
  // hit box offset stays). Without one nothing changes.
  virtual Int CalcSize();
  // x, y = the top-left that centres the text on the anchor, measured in the
  // font selected now and at the sprite's own scale.
  virtual Int CentreText();
  // 1 when the two hit boxes overlap (boxes that only share an edge do not),
  // each box at Int(position + offset); 0 otherwise or for a Null other.
  virtual Int CollideSprite(const Ref<TSprite>& other);
  // Shadow pass (when a shadow is set), then the main pass. Sets rotation and
  // alpha only when they differ from 0 and 1.0, and puts back rotation 0,
  // alpha 1.0, scale 1.0, and colour white and font Null where it set them.
  virtual Int Draw();
  // One pass: non-zero shadowPass draws the shadow pass (needs a shadow).
  // Leaves the drawing scale at 1.0, 1.0.
  virtual Int DrawCore(Int shadowPass);
  // Nothing; subclasses give their frame logic here.
  virtual Int Logic();
  // Adds the speed to the position and to the anchor.
  virtual Int Move();
  virtual Int SetHitBox(Int boxX, Int boxY, Int boxWidth, Int boxHeight);
  // gameImage = image, then CalcSize. Null keeps every size and the hit box.
  virtual Int SetImage(const Ref<TGameImage>& image);
  virtual Int SetScaleParams(Float newScaleX, Float newScaleY);
  // width, height and their integer halves; the hit box stays.
  virtual Int SetSize(Int newWidth, Int newHeight);

  Float alpha = 1.0f;
  Int direction = 0;
  Ref<TColor> color;  // text sprites' main pass only
  Ref<TGameImage> gameImage;
  Int hitBoxX = 0;
  Int hitBoxY = 0;
  Int hitBoxWidth = 0;
  Int hitBoxHeight = 0;
  Float originalX = 0.0f;  // anchor: the centre of a text sprite's text
  Float originalY = 0.0f;
  Float rotation = 0.0f;  // degrees
  Float scaleX = 1.0f;
  Float scaleY = 1.0f;
  Ref<TShadow> shadow;
  Float speedX = 0.0f;
  Float speedY = 0.0f;
  Int width = 0;
  Int height = 0;
  String text;                // not empty: a text sprite, which never draws its image
  Ref<TImageFont> textFont;   // Null: the font selected at draw time
  Int useRendererCamera = 1;  // 0: screen pixels at the sprite's own scale
  Int w2 = 0;
  Int h2 = 0;
  Float x = 0.0f;  // image handle point; a text sprite's left edge (rewritten by each draw)
  Float y = 0.0f;

 protected:
  // value = low when below low, otherwise high when above high: the lower
  // bound wins when the two cross.
  static void ClampLowFirst(Float& value, Int low, Int high);
};
