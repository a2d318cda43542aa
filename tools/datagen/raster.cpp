// Canvases, masks, signed-distance shapes and the painter.
#include "raster.h"

#include <algorithm>
#include <cmath>
#include <deque>

namespace datagen {

float Length(Vec2 v) { return std::sqrt(v.x * v.x + v.y * v.y); }
float Dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
Vec2 Rotate(Vec2 v, float radians) {
  const float c = std::cos(radians);
  const float s = std::sin(radians);
  return {v.x * c - v.y * s, v.x * s + v.y * c};
}
float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }
float Smoothstep(float edge0, float edge1, float v) {
  const float t = Clamp01((v - edge0) / (edge1 - edge0));
  return t * t * (3 - 2 * t);
}
float Lerp(float a, float b, float t) { return a + (b - a) * t; }

Rgba Rgb(int r, int g, int b, float a) { return {r / 255.0f, g / 255.0f, b / 255.0f, a}; }
Rgba Mix(Rgba from, Rgba to, float t) {
  t = Clamp01(t);
  return {Lerp(from.r, to.r, t), Lerp(from.g, to.g, t), Lerp(from.b, to.b, t),
          Lerp(from.a, to.a, t)};
}
Rgba WithAlpha(Rgba c, float a) { return {c.r, c.g, c.b, a}; }
Rgba Scaled(Rgba c, float factor) {
  return {Clamp01(c.r * factor), Clamp01(c.g * factor), Clamp01(c.b * factor), c.a};
}

// ---- Mask

Mask::Mask(int width, int height)
    : width_(width), height_(height), values_(static_cast<size_t>(width) * height, 0.0f) {}

float Mask::Get(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return values_[y * width_ + x];
}

namespace {

std::vector<float> GaussianKernel(float sigma) {
  const int radius = static_cast<int>(std::ceil(sigma * 3));
  std::vector<float> kernel(2 * radius + 1);
  float sum = 0;
  for (int i = -radius; i <= radius; ++i) {
    kernel[i + radius] = std::exp(-0.5f * (i * i) / (sigma * sigma));
    sum += kernel[i + radius];
  }
  for (float& k : kernel) k /= sum;
  return kernel;
}

}  // namespace

void Mask::Blur(float sigma) {
  const std::vector<float> kernel = GaussianKernel(sigma);
  const int radius = static_cast<int>(kernel.size() / 2);
  std::vector<float> pass(values_.size(), 0.0f);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      float sum = 0;
      for (int k = -radius; k <= radius; ++k) sum += Get(x + k, y) * kernel[k + radius];
      pass[y * width_ + x] = sum;
    }
  }
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      float sum = 0;
      for (int k = -radius; k <= radius; ++k) {
        const int yy = y + k;
        if (yy >= 0 && yy < height_) sum += pass[yy * width_ + x] * kernel[k + radius];
      }
      values_[y * width_ + x] = sum;
    }
  }
}

Mask Mask::Dilated(float radius) const {
  struct Tap {
    int dx, dy;
    float weight;
  };
  std::vector<Tap> taps;
  const int reach = static_cast<int>(std::ceil(radius + 0.5f));
  for (int dy = -reach; dy <= reach; ++dy) {
    for (int dx = -reach; dx <= reach; ++dx) {
      const float w = Clamp01(radius + 0.5f - std::sqrt(static_cast<float>(dx * dx + dy * dy)));
      if (w > 0) taps.push_back({dx, dy, w});
    }
  }
  Mask out(width_, height_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      float best = 0;
      for (const Tap& t : taps) best = std::max(best, Get(x + t.dx, y + t.dy) * t.weight);
      out.At(x, y) = best;
    }
  }
  return out;
}

// ---- Canvas

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      pixels_(static_cast<size_t>(width) * height, Rgba{0, 0, 0, 0}) {}

void Canvas::Over(int x, int y, Rgba c, float coverage) {
  const float a = Clamp01(c.a * coverage);
  if (a <= 0) return;
  Rgba& p = At(x, y);
  p.r = p.r * (1 - a) + c.r * a;
  p.g = p.g * (1 - a) + c.g * a;
  p.b = p.b * (1 - a) + c.b * a;
  p.a = p.a * (1 - a) + a;
}

void Canvas::AddLight(int x, int y, float r, float g, float b) {
  Rgba& p = At(x, y);
  p.r = std::min(p.a, p.r + r * p.a);
  p.g = std::min(p.a, p.g + g * p.a);
  p.b = std::min(p.a, p.b + b * p.a);
}

void Canvas::Draw(const Canvas& other, int x0, int y0) {
  for (int y = 0; y < other.height(); ++y) {
    for (int x = 0; x < other.width(); ++x) {
      const int tx = x0 + x;
      const int ty = y0 + y;
      if (tx < 0 || ty < 0 || tx >= width_ || ty >= height_) continue;
      const Rgba& s = other.At(x, y);
      Rgba& d = At(tx, ty);
      d.r = s.r + d.r * (1 - s.a);
      d.g = s.g + d.g * (1 - s.a);
      d.b = s.b + d.b * (1 - s.a);
      d.a = s.a + d.a * (1 - s.a);
    }
  }
}

Rgba Canvas::Straight(int x, int y) const {
  const Rgba& p = At(x, y);
  if (p.a <= 0) return {0, 0, 0, 0};
  return {Clamp01(p.r / p.a), Clamp01(p.g / p.a), Clamp01(p.b / p.a), Clamp01(p.a)};
}

// ---- Shapes

Box Inflate(Box b, float by) { return {b.x0 - by, b.y0 - by, b.x1 + by, b.y1 + by}; }
Box Merge(Box a, Box b) {
  return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

Shape Circle(Vec2 c, float r) {
  return {[c, r](Vec2 p) { return Length(p - c) - r; }, {c.x - r, c.y - r, c.x + r, c.y + r}};
}

Shape Ellipse(Vec2 c, float rx, float ry, float radians) {
  const float reach = std::max(rx, ry);
  return {[=](Vec2 p) {
            const Vec2 q = Rotate(p - c, -radians);
            const float k0 = Length({q.x / rx, q.y / ry});
            const float k1 = Length({q.x / (rx * rx), q.y / (ry * ry)});
            if (k1 <= 0) return -std::min(rx, ry);
            return k0 * (k0 - 1) / k1;
          },
          {c.x - reach, c.y - reach, c.x + reach, c.y + reach}};
}

Shape RoundRect(Vec2 c, Vec2 half, float radius) {
  return {[=](Vec2 p) {
            const float qx = std::fabs(p.x - c.x) - half.x + radius;
            const float qy = std::fabs(p.y - c.y) - half.y + radius;
            const float outside = Length({std::max(qx, 0.0f), std::max(qy, 0.0f)});
            return outside + std::min(std::max(qx, qy), 0.0f) - radius;
          },
          {c.x - half.x, c.y - half.y, c.x + half.x, c.y + half.y}};
}

Shape Capsule(Vec2 a, Vec2 b, float radius) {
  return {[=](Vec2 p) {
            const Vec2 pa = p - a;
            const Vec2 ba = b - a;
            const float h = Clamp01(Dot(pa, ba) / Dot(ba, ba));
            return Length(pa - ba * h) - radius;
          },
          Inflate({std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)},
                  radius)};
}

Shape Polygon(std::vector<Vec2> pts) {
  Box box{pts[0].x, pts[0].y, pts[0].x, pts[0].y};
  for (const Vec2& v : pts) box = Merge(box, {v.x, v.y, v.x, v.y});
  return {[pts](Vec2 p) {
            float d = Dot(p - pts[0], p - pts[0]);
            float sign = 1;
            for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i, ++i) {
              const Vec2 e = pts[j] - pts[i];
              const Vec2 w = p - pts[i];
              const Vec2 b = w - e * Clamp01(Dot(w, e) / Dot(e, e));
              d = std::min(d, Dot(b, b));
              const bool c1 = p.y >= pts[i].y;
              const bool c2 = p.y < pts[j].y;
              const bool c3 = e.x * w.y > e.y * w.x;
              if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) sign = -sign;
            }
            return sign * std::sqrt(d);
          },
          box};
}

Shape Annulus(Vec2 c, float radius, float halfWidth) {
  const float reach = radius + halfWidth;
  return {[=](Vec2 p) { return std::fabs(Length(p - c) - radius) - halfWidth; },
          {c.x - reach, c.y - reach, c.x + reach, c.y + reach}};
}

Shape Union(Shape a, Shape b) {
  return {[a, b](Vec2 p) { return std::min(a.distance(p), b.distance(p)); }, Merge(a.box, b.box)};
}

Shape Intersect(Shape a, Shape b) {
  const Box box{std::max(a.box.x0, b.box.x0), std::max(a.box.y0, b.box.y0),
                std::min(a.box.x1, b.box.x1), std::min(a.box.y1, b.box.y1)};
  return {[a, b](Vec2 p) { return std::max(a.distance(p), b.distance(p)); }, box};
}

Shape Subtract(Shape a, Shape b) {
  return {[a, b](Vec2 p) { return std::max(a.distance(p), -b.distance(p)); }, a.box};
}

Shape Offset(Shape s, float by) {
  return {[s, by](Vec2 p) { return s.distance(p) - by; }, Inflate(s.box, std::max(by, 0.0f))};
}

Shader Solid(Rgba c) {
  return [c](Vec2) { return c; };
}

// ---- Painter

Painter::Painter(Canvas& canvas, Vec2 origin, float scale)
    : canvas_(canvas), origin_(origin), scale_(scale) {}

Vec2 Painter::ToDesign(int px, int py) const {
  return {(px + 0.5f - origin_.x) / scale_, (py + 0.5f - origin_.y) / scale_};
}

template <typename Coverage>
void Painter::Raster(const Box& box, Coverage coverage, const Shader& shader) const {
  const int x0 = std::max(0, static_cast<int>(std::floor(origin_.x + box.x0 * scale_)) - 1);
  const int y0 = std::max(0, static_cast<int>(std::floor(origin_.y + box.y0 * scale_)) - 1);
  const int x1 =
      std::min(canvas_.width() - 1, static_cast<int>(std::ceil(origin_.x + box.x1 * scale_)) + 1);
  const int y1 =
      std::min(canvas_.height() - 1, static_cast<int>(std::ceil(origin_.y + box.y1 * scale_)) + 1);
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const Vec2 p = ToDesign(x, y);
      const float c = coverage(p);
      if (c > 0) canvas_.Over(x, y, shader(p), c);
    }
  }
}

void Painter::Fill(const Shape& shape, const Shader& shader, float opacity) const {
  Raster(
      shape.box, [&](Vec2 p) { return Clamp01(0.5f - shape.distance(p) * scale_) * opacity; },
      shader);
}

void Painter::Soft(const Shape& shape, const Shader& shader, float feather) const {
  const float half = std::max(feather * 0.5f, 0.5f / scale_);
  Raster(
      Inflate(shape.box, half), [&](Vec2 p) { return Smoothstep(half, -half, shape.distance(p)); },
      shader);
}

void Painter::Glow(const Shape& shape, Rgba colour, float sigma) const {
  Raster(
      Inflate(shape.box, sigma * 3),
      [&](Vec2 p) {
        const float d = std::max(shape.distance(p), 0.0f) / sigma;
        return d > 3 ? 0.0f : std::exp(-0.5f * d * d);
      },
      Solid(colour));
}

void Painter::FillMask(const Mask& mask, int x0, int y0, const Shader& shader) const {
  for (int y = 0; y < mask.height(); ++y) {
    for (int x = 0; x < mask.width(); ++x) {
      const int tx = x0 + x;
      const int ty = y0 + y;
      if (tx < 0 || ty < 0 || tx >= canvas_.width() || ty >= canvas_.height()) continue;
      const float c = mask.Get(x, y);
      if (c > 0) canvas_.Over(tx, ty, shader(ToDesign(tx, ty)), c);
    }
  }
}

// ---- Output

namespace {

std::uint8_t ToByte(float v) { return static_cast<std::uint8_t>(std::lround(Clamp01(v) * 255)); }

}  // namespace

std::vector<std::uint8_t> ToRgba8Bled(const Canvas& canvas) {
  const int w = canvas.width();
  const int h = canvas.height();
  std::vector<std::uint8_t> out(static_cast<size_t>(w) * h * 4, 0);
  std::vector<bool> filled(static_cast<size_t>(w) * h, false);
  std::deque<int> frontier;
  for (int i = 0; i < w * h; ++i) {
    const Rgba c = canvas.Straight(i % w, i / w);
    out[i * 4 + 3] = ToByte(c.a);
    if (out[i * 4 + 3] == 0) continue;
    out[i * 4 + 0] = ToByte(c.r);
    out[i * 4 + 1] = ToByte(c.g);
    out[i * 4 + 2] = ToByte(c.b);
    filled[i] = true;
    frontier.push_back(i);
  }
  // Breadth-first from every visible pixel: each transparent pixel takes the
  // colour of the visible pixel that reaches it first.
  while (!frontier.empty()) {
    const int i = frontier.front();
    frontier.pop_front();
    const int x = i % w;
    const int y = i / w;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const int nx = x + dx;
        const int ny = y + dy;
        if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
        const int n = ny * w + nx;
        if (filled[n]) continue;
        filled[n] = true;
        for (int k = 0; k < 3; ++k) out[n * 4 + k] = out[i * 4 + k];
        frontier.push_back(n);
      }
    }
  }
  return out;
}

std::vector<std::uint8_t> ToRgb8(const Canvas& canvas) {
  std::vector<std::uint8_t> out;
  out.reserve(static_cast<size_t>(canvas.width()) * canvas.height() * 3);
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const Rgba& p = canvas.At(x, y);
      out.push_back(ToByte(p.r));
      out.push_back(ToByte(p.g));
      out.push_back(ToByte(p.b));
    }
  }
  return out;
}

}  // namespace datagen
