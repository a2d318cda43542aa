// Images: frames of pixels with video copies made lazily for the open
// display, the loaders that build them from pixmaps, and drawing them.
#include "platform/image.h"

#include <SDL.h>

#include <algorithm>
#include <new>

#include "platform/detail.h"
#include "platform/draw.h"
#include "platform/render.h"
#include "platform/testing.h"

using platform::test::DrawKind;
using platform::test::DrawRecord;

namespace {

Long videoFramesMade = 0;

bool HasFrame(const TImage& image, Int index) {
  return index >= 0 && std::size_t(index) < image.pixmaps.size();
}

Ref<TImage> NewImage(Int width, Int height, Int frameCount, Int flags) {
  auto image = New<TImage>();
  image->width = width;
  image->height = height;
  image->flags = flags == -1 ? DEFAULT_IMAGE_FLAGS : flags;
  image->pixmaps.resize(std::size_t(frameCount));
  image->frames.resize(std::size_t(frameCount));
  return image;
}

// For a masked image, a copy of a pixmap without alpha in which pixels of
// the mask colour are transparent; otherwise the pixmap itself.
Ref<TPixmap> Masked(const TImage& image, const Ref<TPixmap>& pixmap) {
  if (!pixmap || !(image.flags & MASKEDIMAGE) || pixmap->hasAlpha) return pixmap;
  const auto component = [](Int value, Int shift) {
    return std::uint32_t(std::clamp(value, 0, 255)) << shift;
  };
  const std::uint32_t key =
      component(image.mask_r, 16) | component(image.mask_g, 8) | component(image.mask_b, 0);
  Ref<TPixmap> copy = pixmap->Copy();
  for (Int y = 0; y < copy->height; ++y) {
    std::uint32_t* row = copy->Row(y);
    for (Int x = 0; x < copy->width; ++x) {
      if ((row[x] & 0xFFFFFFu) == key) row[x] &= 0xFFFFFFu;
    }
  }
  copy->hasAlpha = true;
  return copy;
}

Ref<TImageFrame> MakeVideoFrame(const TPixmap* pixmap, Int flags) {
  SDL_Renderer* renderer = platform::detail::Renderer();
  if (!renderer || !pixmap || pixmap->width <= 0 || pixmap->height <= 0) return nullptr;
  SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                           SDL_TEXTUREACCESS_STATIC, pixmap->width, pixmap->height);
  if (!texture) return nullptr;
  SDL_UpdateTexture(texture, nullptr, pixmap->PixelPtr(0, 0), pixmap->pitch);
  SDL_SetTextureScaleMode(texture,
                          (flags & FILTEREDIMAGE) ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  auto frame = New<TImageFrame>();
  frame->texture = texture;
  frame->generation = platform::detail::DisplayGeneration();
  ++videoFramesMade;
  return frame;
}

// Draws one frame of an image onto a placement; nothing when the frame has
// no video copy (no display, no pixels).
void DrawFrame(TImage& image, Int frame, const SDL_Rect* source,
               const platform::detail::Placement& placement) {
  const Ref<TImageFrame> video = image.Frame(frame);
  if (!video) return;
  platform::detail::DrawTexture(static_cast<SDL_Texture*>(video->texture), source, placement);
}

// What make() returns, or Null when memory runs out on the way.
template <typename Make>
Ref<TImage> NullWithoutMemory(Make make) {
  try {
    return make();
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

void RecordImage(DrawRecord& record, const TImage& image, Int frame, Float x, Float y) {
  record.image = image.source.ToUtf8();
  record.imageId = &image;
  record.frame = frame;
  record.x = x;
  record.y = y;
}

}  // namespace

// A texture of an earlier display went with that display's renderer.
TImageFrame::~TImageFrame() {
  if (texture && generation == platform::detail::DisplayGeneration() &&
      platform::detail::Renderer()) {
    SDL_DestroyTexture(static_cast<SDL_Texture*>(texture));
  }
}

Ref<TImageFrame> TImage::Frame(Int index) {
  if (!HasFrame(*this, index)) return nullptr;
  Ref<TImageFrame>& frame = frames[std::size_t(index)];
  if (frame && frame->generation == platform::detail::DisplayGeneration()) return frame;
  frame = MakeVideoFrame(pixmaps[std::size_t(index)].get(), flags);
  return frame;
}

void TImage::SetPixmap(Int index, const Ref<TPixmap>& pixmap) {
  if (!HasFrame(*this, index)) return;
  pixmaps[std::size_t(index)] = Masked(*this, pixmap);
  frames[std::size_t(index)] = nullptr;
}

Ref<TImage> LoadImage(const String& path, Int flags) {
  Ref<TImage> image = LoadImage(LoadPixmap(path), flags);
  if (image) image->source = path;
  return image;
}

Ref<TImage> LoadImage(const Ref<TPixmap>& pixmap, Int flags) {
  if (!pixmap) return nullptr;
  return NullWithoutMemory([&] {
    Ref<TImage> image = NewImage(pixmap->width, pixmap->height, 1, flags);
    image->SetPixmap(0, pixmap);
    return image;
  });
}

Ref<TImage> LoadAnimImage(const String& path, Int cellWidth, Int cellHeight, Int firstCell,
                          Int cellCount, Int flags) {
  if (cellWidth <= 0 || cellHeight <= 0 || firstCell < 0 || cellCount <= 0) return nullptr;
  const Ref<TPixmap> strip = LoadPixmap(path);
  if (!strip) return nullptr;
  const Int across = strip->width / cellWidth;
  const Long cells = Long(across) * (strip->height / cellHeight);
  if (Long(firstCell) + cellCount > cells) return nullptr;
  return NullWithoutMemory([&] {
    Ref<TImage> image = NewImage(cellWidth, cellHeight, cellCount, flags);
    image->source = path;
    for (Int i = 0; i < cellCount; ++i) {
      const Int cell = firstCell + i;
      const Ref<TPixmap> window = PixmapWindow(strip, cell % across * cellWidth,
                                               cell / across * cellHeight, cellWidth, cellHeight);
      image->SetPixmap(i, window->Copy());
    }
    return image;
  });
}

Ref<TImage> CreateImage(Int width, Int height, Int frameCount, Int flags) {
  if (width <= 0 || height <= 0 || frameCount <= 0) return nullptr;
  return NewImage(width, height, frameCount, flags);
}

Int ImageWidth(const Ref<TImage>& image) { return image ? image->width : 0; }
Int ImageHeight(const Ref<TImage>& image) { return image ? image->height : 0; }

void MidHandleImage(const Ref<TImage>& image) {
  if (!image) return;
  image->handle_x = Float(image->width) * 0.5f;
  image->handle_y = Float(image->height) * 0.5f;
}

void SetImageHandle(const Ref<TImage>& image, Float x, Float y) {
  if (!image) return;
  image->handle_x = x;
  image->handle_y = y;
}

void DrawImage(const Ref<TImage>& image, Float x, Float y, Int frame) {
  if (!image || !HasFrame(*image, frame)) return;
  if (DrawRecord* record = platform::detail::AddDrawRecord(DrawKind::Image)) {
    RecordImage(*record, *image, frame, x, y);
  }
  const TDrawState& state = TDrawState::Current();
  DrawFrame(*image, frame, nullptr,
            {x + state.origin_x, y + state.origin_y, state.handle_x - image->handle_x,
             state.handle_y - image->handle_y, Float(image->width), Float(image->height)});
}

void DrawSubImageRect(const Ref<TImage>& image, Float x, Float y, Float w, Float h, Float sx,
                      Float sy, Float sw, Float sh, Float hx, Float hy, Int frame) {
  if (!image || !HasFrame(*image, frame)) return;
  if (DrawRecord* record = platform::detail::AddDrawRecord(DrawKind::SubImage)) {
    RecordImage(*record, *image, frame, x, y);
    record->x2 = w;
    record->y2 = h;
    record->sx = sx;
    record->sy = sy;
    record->sw = sw;
    record->sh = sh;
    record->hx = hx;
    record->hy = hy;
  }
  const SDL_Rect source{ToInt(sx), ToInt(sy), ToInt(sw), ToInt(sh)};
  if (source.w <= 0 || source.h <= 0) return;
  const TDrawState& state = TDrawState::Current();
  DrawFrame(
      *image, frame, &source,
      {x + state.origin_x, y + state.origin_y, state.handle_x - hx, state.handle_y - hy, w, h});
}

Ref<TPixmap> LockImage(const Ref<TImage>& image, Int frame, Int, Int write) {
  if (!image || !HasFrame(*image, frame)) return nullptr;
  Ref<TPixmap>& pixmap = image->pixmaps[std::size_t(frame)];
  if (!pixmap) pixmap = CreatePixmap(image->width, image->height);
  if (write) image->frames[std::size_t(frame)] = nullptr;
  return pixmap;
}

void UnlockImage(const Ref<TImage>&, Int) {}

namespace platform::test {

Long VideoFramesMade() { return videoFramesMade; }

}  // namespace platform::test
