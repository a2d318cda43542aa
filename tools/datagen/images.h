// Writes every picture of the data folder.
#pragma once

#include <filesystem>

#include "glyphs.h"

namespace datagen {

// Writes Images/*.png, Images/titleimg.jpg and thistlebane.png under `data`.
void WriteImages(const std::filesystem::path& data, const FontFace& font);

}  // namespace datagen
