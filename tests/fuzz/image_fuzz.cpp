// Image files by content (TGA, PNG, JPEG, BMP) through LoadPixmap: Null or a
// pixmap within the size limits, never a crash, hang or giant allocation.
#include <cstdlib>

#include "fuzz_input.h"
#include "platform/image_codecs.h"
#include "platform/pixmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Ref<TPixmap> pixmap = LoadPixmap(fuzz::InputFile(data, size));
  if (pixmap && !platform::detail::FitsImageLimits(pixmap->width, pixmap->height)) std::abort();
  return 0;
}
