// Probes of the game object, the renderer, the display, drawing, sound and
// the run itself.
#include "framework/game.h"
#include "framework/renderer.h"
#include "platform/display.h"
#include "platform/draw.h"
#include "platform/testing.h"
#include "session.h"

namespace test = platform::test;

namespace qs {

namespace {

std::string GameNumber(Int TGame::*field) { return game ? Number(game.get()->*field) : ""; }

std::string RendererNumber(Float TRenderer::*field) {
  return renderer ? Number(renderer.get()->*field) : "";
}

std::vector<std::string> Texts(const Session& session) {
  std::vector<std::string> texts;
  for (const auto& record : session.LastFrame()) {
    if (record.kind == test::DrawKind::Text) texts.push_back(record.text);
  }
  return texts;
}

std::vector<std::string> DrawLines(const Session& session) {
  std::vector<std::string> lines;
  for (const auto& record : session.LastFrame()) lines.push_back(test::FormatRecord(record));
  return lines;
}

std::vector<std::string> Playing() {
  std::vector<std::string> names;
  for (const auto& path : test::PlayingSounds()) names.push_back(FileName(path));
  return names;
}

std::string ClearColour() {
  const auto& state = TDrawState::Current();
  return std::to_string(state.cls_r) + "," + std::to_string(state.cls_g) + "," +
         std::to_string(state.cls_b);
}

void RegisterRun() {
  RegisterProbe("frame", ProbeKind::Number,
                [](const Session& session) { return Number(session.Frames()); });
  RegisterProbe("ended", ProbeKind::Number,
                [](const Session& session) { return Number(session.Ended() ? 1 : 0); });
  RegisterProbe("exit", ProbeKind::Number, [](const Session& session) {
    return session.Ended() ? Number(session.ExitStatus()) : "";
  });
  RegisterProbe("stdout", ProbeKind::Text, [](const Session& session) { return session.Stdout(); });
  RegisterProbe("stderr", ProbeKind::Text, [](const Session& session) { return session.Stderr(); });
}

void RegisterGame() {
  RegisterProbe("screen", ProbeKind::Text, [](const Session&) {
    return game && game->currentScreen ? game->currentScreen->name.ToUtf8() : "";
  });
  RegisterProbe("paused", ProbeKind::Number,
                [](const Session&) { return GameNumber(&TGame::paused); });
  RegisterProbe("debugpanel", ProbeKind::Number,
                [](const Session&) { return GameNumber(&TGame::displayDebugPanel); });
  RegisterProbe("renderer.scaleX", ProbeKind::Number,
                [](const Session&) { return RendererNumber(&TRenderer::scaleX); });
  RegisterProbe("renderer.scaleY", ProbeKind::Number,
                [](const Session&) { return RendererNumber(&TRenderer::scaleY); });
  RegisterProbe("renderer.scrollX", ProbeKind::Number,
                [](const Session&) { return RendererNumber(&TRenderer::scrollX); });
  RegisterProbe("renderer.scrollY", ProbeKind::Number,
                [](const Session&) { return RendererNumber(&TRenderer::scrollY); });
}

void RegisterDisplay() {
  RegisterProbe("title", ProbeKind::Text, [](const Session&) { return test::WindowTitle(); });
  RegisterProbe("fullscreen", ProbeKind::Number,
                [](const Session&) { return Number(test::Fullscreen() ? 1 : 0); });
  RegisterProbe("bitdepth", ProbeKind::Number,
                [](const Session&) { return Number(GraphicsDepth()); });
  RegisterProbe("cls", ProbeKind::Text, [](const Session&) { return ClearColour(); });
  RegisterProbe("texts", ProbeKind::Text,
                [](const Session& session) { return Join(Texts(session), "|"); });
  // The last frame's draw-log lines, for `~` checks of positions and state.
  RegisterProbe(
      "draws", ProbeKind::Text,
      [](const Session& session) { return Join(DrawLines(session), "|"); }, false);
}

void RegisterSound() {
  RegisterProbe("sounds", ProbeKind::Text,
                [](const Session& session) { return Join(session.SoundsStarted(), ","); });
  RegisterProbe("playing", ProbeKind::Text, [](const Session&) { return Join(Playing(), ","); });
}

const bool registered = [] {
  RegisterRun();
  RegisterGame();
  RegisterDisplay();
  RegisterSound();
  return true;
}();

}  // namespace

}  // namespace qs
