// The two full-screen pictures: the title picture and the maker's splash logo.
#pragma once

#include "glyphs.h"
#include "raster.h"

namespace datagen {

// 1024 x 768, opaque, with the wordmark set in `font`.
Canvas MakeTitle(const FontFace& font);
// 1024 x 768, transparent background, the name set in `font`.
Canvas MakeSplash(const FontFace& font);

}  // namespace datagen
