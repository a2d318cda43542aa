// Writes every sound of the data folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace datagen {

struct SoundReport {
  std::string name;
  float seconds = 0;
  float peakDb = 0;
};

// Writes Sound/*.wav under `data`; reports each file's length and peak.
std::vector<SoundReport> WriteSounds(const std::filesystem::path& data);

}  // namespace datagen
