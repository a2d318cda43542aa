// The list of picture files and how each is made.
#include "images.h"

#include "backdrops.h"
#include "image_files.h"
#include "sprites.h"

namespace datagen {

namespace {

void WriteRgbaPng(const std::filesystem::path& path, const Canvas& c) {
  WritePng(path.string(), c.width(), c.height(), ToRgba8Bled(c));
}

}  // namespace

void WriteImages(const std::filesystem::path& data, const FontFace& font) {
  const std::filesystem::path images = data / "Images";
  std::filesystem::create_directories(images);
  WriteRgbaPng(images / "player.png", MakeSprite(kPlayerSize, kPlayerSize, DrawPlayer));
  WriteRgbaPng(images / "zumbel.png", MakeSprite(kZumbelWidth, kZumbelHeight, DrawZumbel));
  WriteRgbaPng(images / "fog.png", MakeFog());
  WriteRgbaPng(images / "spikes.png", MakeSprite(kSpikesSize, kSpikesSize, DrawSpikes));
  WriteRgbaPng(images / "explosion.png", MakeExplosion());
  WriteRgbaPng(images / "particlering.png", MakeRing(RingKind::kDeath));
  WriteRgbaPng(images / "particlering2.png", MakeRing(RingKind::kPickup));
  const Canvas title = MakeTitle(font);
  WriteJpeg((images / "titleimg.jpg").string(), title.width(), title.height(), ToRgb8(title), 92);
  WriteRgbaPng(data / "thistlebane.png", MakeSplash(font));
}

}  // namespace datagen
