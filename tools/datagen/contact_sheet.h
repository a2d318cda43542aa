// A page of every picture in a data folder, for a person to look at.
#pragma once

#include <filesystem>
#include <string>

namespace datagen {

// Reads the pictures of `data` and writes the sheet as a PNG to `out`.
void WriteContactSheet(const std::filesystem::path& data, const std::string& out);

}  // namespace datagen
