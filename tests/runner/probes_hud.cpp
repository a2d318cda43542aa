// Probes of the heads-up display. Its labels reach the `texts` probe
// through the draw log like every other text drawn.
#include "game/hud.h"
#include "registry.h"

namespace qs {

namespace {

const bool registered = [] {
  // The seconds as the display shows them ("" before the first level).
  RegisterProbe("hud.seconds", ProbeKind::Text, [](const Session&) {
    return HUD && HUD->timeLabel ? HUD->timeLabel->text.ToUtf8() : std::string();
  });
  return true;
}();

}  // namespace

}  // namespace qs
