// System queries on a Linux host, and the stubs.
#include "util/system_queries.h"

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/display.h"
#include "platform/system.h"

namespace {

// The longest path the folder query hands back, in bytes.
constexpr std::size_t kMaxPathBytes = 1023;

// $XDG_DATA_HOME when set and absolute, else $HOME/.local/share when $HOME
// is absolute, else "".
std::string DataHomePath() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg != nullptr && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] != '/') return "";
  return std::string(home) + "/.local/share";
}

}  // namespace

String ccGetSharedUserDataFolder() {
  const std::string path = DataHomePath();
  if (path.empty() || path.size() > kMaxPathBytes) return "";
  std::error_code error;
  if (!std::filesystem::is_directory(path, error)) return "";
  return String(path);
}

Int ccPrintGraphicsModes() {
  const Int count = CountGraphicsModes();
  for (Int i = 0; i < count; ++i) {
    Int width = 0, height = 0, depth = 0, hertz = 0;
    GetGraphicsMode(i, width, height, depth, hertz);
    Print(String::FromInt(i) + " Width: " + width + " Height: " + height + " Depth: " + depth +
          " Hertz: " + hertz);
  }
  return 0;
}

String ccGetDirectXVersion() { return ""; }
String ccGetEnvVar(const String&) { return ""; }
String ccGetSpecialFolder(Int) { return ""; }
String ccGetVersionString() { return ""; }
Int ccEnableMaximize(Long) { return 0; }
Int ccEnableMinimize(Long) { return 0; }
Int ccVWait() { return 0; }
