// Probes of what the screens show and play: the images drawn in the last
// frame, and how often a missing sound was asked to play.
#include <string>
#include <vector>

#include "platform/testing.h"
#include "session.h"

namespace qs {

namespace {

constexpr const char* NULL_SOUND_LINE = "PlayGameSound tried to play a null sound\n";

// File names of the images drawn in the last frame, in order.
std::string ImagesDrawn(const Session& session) {
  std::vector<std::string> names;
  for (const auto& record : session.LastFrame()) {
    if (record.kind == platform::test::DrawKind::Image) names.push_back(FileName(record.image));
  }
  return Join(names, ",");
}

// Lines of standard output that report a play of a sound that did not load.
int NullSoundLines(const std::string& output) {
  int count = 0;
  const std::string line = NULL_SOUND_LINE;
  for (size_t at = output.find(line); at != std::string::npos; at = output.find(line, at + 1)) {
    ++count;
  }
  return count;
}

const bool registered = [] {
  RegisterProbe("imagesdrawn", ProbeKind::Text,
                [](const Session& session) { return ImagesDrawn(session); });
  RegisterProbe("nullsounds", ProbeKind::Number,
                [](const Session& session) { return Number(NullSoundLines(session.Stdout())); });
  return true;
}();

}  // namespace

}  // namespace qs
