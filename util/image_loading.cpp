// Image loaders that end the program on failure, and the fatal error itself.
#include "util/image_loading.h"

#include "platform/system.h"

Ref<TImage> ccLoadBitmap(const String& path, Int flags) {
  Ref<TImage> image = LoadImage(path, flags);
  if (!image) ccRunTimeError("Error loading image " + path, 1);
  return image;
}

Ref<TImage> ccLoadAnimBitmap(const String& path, Int cellWidth, Int cellHeight, Int firstCell,
                             Int cellCount, Int flags) {
  Ref<TImage> image = LoadAnimImage(path, cellWidth, cellHeight, firstCell, cellCount, flags);
  if (!image) ccRunTimeError("Error loading anim image " + path, 1);
  return image;
}

void ccRunTimeError(const String& message, Int /*endProgram*/) {
  Notify(message, 0);
  RuntimeError(message);
}

Int ccCreateFrames(const Ref<TImage>& image) {
  if (!image) return 0;
  const auto count = static_cast<Int>(image->frames.size());
  for (Int index = 0; index < count; ++index) image->Frame(index);
  return 0;
}
