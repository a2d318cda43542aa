// Game images and the image bank.
#include "framework/image_bank.h"

#include <algorithm>
#include <initializer_list>
#include <limits>

#include "util/image_loading.h"
#include "util/utility.h"

Ref<TImageBank> imageBank;

namespace {

constexpr Long kIntMax = std::numeric_limits<Int>::max();

// The product of non-negative factors, held at the Int maximum once it
// reaches it (each step stays far inside 64 bits).
Int SaturatedProduct(std::initializer_list<Long> factors) {
  Long product = 1;
  for (const Long factor : factors) product = std::min(product * factor, kIntMax);
  return static_cast<Int>(product);
}

Long FrameCount(const Ref<TImage>& image) { return static_cast<Long>(image->frames.size()); }

// Calls visit on every game image of the bank, in key order.
template <class Visit>
void EachImage(const TImageBank& bank, Visit visit) {
  for (const auto& node : bank) {
    if (auto gameImage = As<TGameImage>(node.second)) visit(*gameImage);
  }
}

// Whole kilobytes of a byte total, held at the Int maximum.
Int Kilobytes(Long bytes) { return static_cast<Int>(std::min(bytes / 1024, kIntMax)); }

}  // namespace

Ref<TGameImage> TGameImage::Create(const String& file, Int flags, Int mid) {
  auto gameImage = New<TGameImage>();
  gameImage->Load(file, flags, mid);
  return gameImage;
}

Ref<TGameImage> TGameImage::CreateAuto(const String& file, Int cellWidth, Int cellHeight,
                                       Int firstCell, Int cellCount, Int flags, Int mid) {
  auto gameImage = New<TGameImage>();
  if (cellCount > 1) {
    gameImage->LoadAnim(file, cellWidth, cellHeight, firstCell, cellCount, flags, mid);
  } else {
    gameImage->Load(file, flags, mid);
  }
  return gameImage;
}

Ref<TGameImage> TGameImage::CreateFromImage(const Ref<TImage>& image, const String& name, Int mid) {
  auto gameImage = New<TGameImage>();
  gameImage->name = name;
  gameImage->image = image;
  gameImage->GetSize();
  gameImage->SetMidHandle(mid);
  return gameImage;
}

Int TGameImage::CalcRAM() const {
  if (!image) return 0;
  return SaturatedProduct({ImageWidth(image), 4, ImageHeight(image), FrameCount(image)});
}

Int TGameImage::CalcVRAM() const {
  if (!image) return 0;
  return SaturatedProduct(
      {ccPow2Size(ImageWidth(image)), 4, ccPow2Size(ImageHeight(image)), FrameCount(image)});
}

Int TGameImage::Draw(Float x, Float y) const {
  DrawImage(image, x, y, 0);
  return 0;
}

Int TGameImage::GetSize() {
  if (!image) return 0;
  w = ImageWidth(image);
  h = ImageHeight(image);
  w2 = static_cast<Float>(w / 2);
  h2 = static_cast<Float>(h / 2);
  return 0;
}

Int TGameImage::Load(const String& file, Int flags, Int mid) {
  name = Upper(StripAll(file));
  image = ccLoadBitmap(file, flags);
  GetSize();
  SetMidHandle(mid);
  return 0;
}

Int TGameImage::LoadAnim(const String& file, Int cellWidth, Int cellHeight, Int firstCell,
                         Int cellCount, Int flags, Int mid) {
  name = Upper(StripAll(file));
  image = ccLoadAnimBitmap(file, cellWidth, cellHeight, firstCell, cellCount, flags);
  GetSize();
  SetMidHandle(mid);
  return 0;
}

Int TGameImage::Precache() const { return ccCreateFrames(image); }

Int TGameImage::SetMidHandle(Int flag) {
  midHandled = flag != 0 ? 1 : 0;
  if (!image) return 0;
  if (midHandled != 0) {
    MidHandleImage(image);
  } else {
    SetImageHandle(image, 0.0f, 0.0f);
  }
  return 0;
}

Ref<TImageBank> TImageBank::Create(const String& folder) {
  auto bank = New<TImageBank>();
  bank->SetPath(folder);
  return bank;
}

Int TImageBank::CalcRAM() const {
  Long bytes = 0;
  EachImage(*this, [&bytes](const TGameImage& gameImage) { bytes += gameImage.CalcRAM(); });
  return Kilobytes(bytes);
}

Int TImageBank::CalcVRAM() const {
  Long bytes = 0;
  EachImage(*this, [&bytes](const TGameImage& gameImage) { bytes += gameImage.CalcVRAM(); });
  return Kilobytes(bytes);
}

Ref<TGameImage> TImageBank::Find(const String& name) const {
  const String key = Upper(name);
  auto gameImage = As<TGameImage>(ValueForKey(key));
  if (!gameImage) ccRunTimeError("Image '" + key + "' was not found in the ImageBank", 1);
  return gameImage;
}

Ref<TImage> TImageBank::FindTImage(const String& name) const {
  auto gameImage = As<TGameImage>(ValueForKey(Upper(name)));
  return gameImage ? gameImage->image : nullptr;
}

Int TImageBank::Load(const String& file, const String& name, Int flags, Int mid) {
  auto gameImage = New<TGameImage>();
  String ext = "." + ExtractExt(file);
  if (ext == ".") ext = defaultExt;
  gameImage->Load(path + StripExt(file) + ext, flags, mid);
  if (!name.IsEmpty()) gameImage->name = Upper(name);
  Insert(gameImage->name, gameImage);
  return 0;
}

Int TImageBank::LoadAnim(const String& file, Int cellWidth, Int cellHeight, Int firstCell,
                         Int cellCount, Int flags, Int mid) {
  auto gameImage = New<TGameImage>();
  gameImage->LoadAnim(path + file + defaultExt, cellWidth, cellHeight, firstCell, cellCount, flags,
                      mid == 1 ? 1 : 0);
  Insert(gameImage->name, gameImage);
  return 0;
}

Int TImageBank::LoadNoMidHandle(const String& file, const String& name, Int flags) {
  return Load(file, name, flags, 0);
}

Int TImageBank::Precache() const {
  EachImage(*this, [](const TGameImage& gameImage) { ccCreateFrames(gameImage.image); });
  return 0;
}

Int TImageBank::SetPath(const String& folder) {
  path = ccAddSlash(folder);
  return 0;
}
