// The generator's vector rasteriser: float RGBA canvases, signed-distance
// shapes with analytic anti-aliasing, and a painter that places shapes drawn
// in design units anywhere on a canvas at any scale.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace datagen {

struct Vec2 {
  float x = 0;
  float y = 0;
};
inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator*(Vec2 a, float s) { return {a.x * s, a.y * s}; }
float Length(Vec2 v);
float Dot(Vec2 a, Vec2 b);
Vec2 Rotate(Vec2 v, float radians);

float Clamp01(float v);
float Smoothstep(float edge0, float edge1, float v);
float Lerp(float a, float b, float t);
constexpr float kPi = 3.14159265358979f;

// A straight (not premultiplied) colour, components 0..1.
struct Rgba {
  float r = 0;
  float g = 0;
  float b = 0;
  float a = 1;
};
// A colour from 0..255 components.
Rgba Rgb(int r, int g, int b, float a = 1.0f);
Rgba Mix(Rgba from, Rgba to, float t);
Rgba WithAlpha(Rgba c, float a);
// Multiplies the colour channels (not alpha) by a factor, clamped to 0..1.
Rgba Scaled(Rgba c, float factor);

// Single-channel coverage, 0..1 per pixel.
class Mask {
 public:
  Mask(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }
  float& At(int x, int y) { return values_[y * width_ + x]; }
  float Get(int x, int y) const;  // 0 outside
  // Separable Gaussian blur; sigma in pixels.
  void Blur(float sigma);
  // Grows the coverage by a disc of the given radius, anti-aliased.
  Mask Dilated(float radius) const;

 private:
  int width_;
  int height_;
  std::vector<float> values_;
};

// Premultiplied float RGBA pixels.
class Canvas {
 public:
  Canvas(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }
  const Rgba& At(int x, int y) const { return pixels_[y * width_ + x]; }
  Rgba& At(int x, int y) { return pixels_[y * width_ + x]; }
  // Composites a straight colour over the pixel with the given coverage.
  void Over(int x, int y, Rgba colour, float coverage);
  // Adds light to an opaque picture (colour channels only).
  void AddLight(int x, int y, float r, float g, float b);
  // Composites another canvas over this one with its top-left at (x, y).
  void Draw(const Canvas& other, int x, int y);
  // The straight colour of a pixel (black where fully transparent).
  Rgba Straight(int x, int y) const;

 private:
  int width_;
  int height_;
  std::vector<Rgba> pixels_;
};

struct Box {
  float x0 = 0;
  float y0 = 0;
  float x1 = 0;
  float y1 = 0;
};
Box Inflate(Box b, float by);
Box Merge(Box a, Box b);

// A signed-distance shape: negative inside, in design units, with a box that
// holds every point at distance <= 0.
struct Shape {
  std::function<float(Vec2)> distance;
  Box box;
};
Shape Circle(Vec2 centre, float radius);
Shape Ellipse(Vec2 centre, float rx, float ry, float radians = 0);
Shape RoundRect(Vec2 centre, Vec2 half, float radius);
Shape Capsule(Vec2 a, Vec2 b, float radius);
Shape Polygon(std::vector<Vec2> points);
Shape Annulus(Vec2 centre, float radius, float halfWidth);
Shape Union(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);
Shape Offset(Shape s, float by);  // grows (positive) or shrinks the shape

using Shader = std::function<Rgba(Vec2)>;
Shader Solid(Rgba c);

// Draws shapes given in design units onto a canvas: design point p lands on
// canvas pixel origin + p * scale.
class Painter {
 public:
  Painter(Canvas& canvas, Vec2 origin, float scale);
  // Fills the shape with a 1-pixel anti-aliased edge.
  void Fill(const Shape& shape, const Shader& shader, float opacity = 1) const;
  void Fill(const Shape& shape, Rgba colour) const { Fill(shape, Solid(colour)); }
  // Fills the shape with an edge that fades over `feather` design units.
  void Soft(const Shape& shape, const Shader& shader, float feather) const;
  // A glow outside (and under) the shape: coverage 1 inside, Gaussian falloff
  // with the given sigma (design units) outside.
  void Glow(const Shape& shape, Rgba colour, float sigma) const;
  // Composites a mask given in canvas pixels.
  void FillMask(const Mask& mask, int x, int y, const Shader& shader) const;

 private:
  Vec2 ToDesign(int px, int py) const;
  template <typename Coverage>
  void Raster(const Box& box, Coverage coverage, const Shader& shader) const;

  Canvas& canvas_;
  Vec2 origin_;
  float scale_;
};

// Straight 8-bit RGBA rows with the colour of each fully transparent pixel
// taken from the nearest visible pixel, so filtering never pulls in black.
std::vector<std::uint8_t> ToRgba8Bled(const Canvas& canvas);
std::vector<std::uint8_t> ToRgb8(const Canvas& canvas);

}  // namespace datagen
