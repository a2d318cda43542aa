// datagen: makes the game's data folder (pictures, sounds and the font) from
// nothing but this program, a Debian font package and espeak-ng.
//
//   datagen <data folder>
//       Writes the whole folder: into "<folder>.partial" first, the stamp file
//       ".complete" last, then renames it into place, so a failed run never
//       leaves a folder that looks complete.
//   datagen --contact-sheet <out.png> <data folder>
//       Writes one picture showing every image of a data folder, and a play
//       field put together from them, for a person to look at.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "contact_sheet.h"
#include "glyphs.h"
#include "images.h"
#include "sounds.h"
#include "voices.h"

namespace fs = std::filesystem;

namespace {

const char* const kFontFile = "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf";
const char* const kFontLicence = "/usr/share/doc/fonts-comfortaa/copyright";
const char* const kFontPackage = "fonts-comfortaa";

void RequireFile(const fs::path& path, const char* package) {
  if (!fs::is_regular_file(path)) {
    throw std::runtime_error("missing " + path.string() + " (install the Debian package " +
                             package + ")");
  }
}

void CopyFontFiles(const fs::path& data) {
  const fs::path fonts = data / "Fonts";
  fs::create_directories(fonts);
  fs::copy_file(kFontFile, fonts / "mael.ttf");
  fs::copy_file(kFontLicence, fonts / "mael-LICENSE.txt");
}

void WriteStamp(const fs::path& data) {
  std::ofstream stamp(data / ".complete");
  stamp << "complete\n";
  if (!stamp.flush()) throw std::runtime_error("cannot write " + (data / ".complete").string());
}

void PrintSounds(const std::vector<datagen::SoundReport>& reports) {
  for (const datagen::SoundReport& r : reports) {
    std::printf("datagen: %-16s %5.3f s  peak %6.2f dBFS\n", r.name.c_str(), r.seconds, r.peakDb);
  }
}

void Generate(const fs::path& data) {
  RequireFile(kFontFile, kFontPackage);
  RequireFile(kFontLicence, kFontPackage);
  datagen::RequireSpeechTool();
  const fs::path partial = data.string() + ".partial";
  fs::remove_all(partial);
  fs::create_directories(partial);
  try {
    CopyFontFiles(partial);
    const datagen::FontFace font(kFontFile);
    datagen::WriteImages(partial, font);
    PrintSounds(datagen::WriteSounds(partial));
    WriteStamp(partial);
  } catch (...) {
    fs::remove_all(partial);
    throw;
  }
  fs::remove_all(data);
  fs::rename(partial, data);
}

int Usage() {
  std::fprintf(stderr,
               "usage: datagen <data folder>\n"
               "       datagen --contact-sheet <out.png> <data folder>\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 4 && std::string(argv[1]) == "--contact-sheet") {
      datagen::WriteContactSheet(argv[3], argv[2]);
      return 0;
    }
    if (argc != 2) return Usage();
    Generate(argv[1]);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "datagen: %s\n", e.what());
    return 1;
  }
}
