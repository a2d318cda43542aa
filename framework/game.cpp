// The game object: screen stack, global keys, frame logic and drawing,
// sounds on caller-owned channels and the music channel.
#include "framework/game.h"

#include "framework/keys.h"
#include "framework/renderer.h"
#include "platform/draw.h"
#include "platform/system.h"

Ref<TGame> game;

namespace {

constexpr Int KEY_D = 68;
constexpr Int KEY_P = 80;
constexpr Int DEBUG_LINE_HEIGHT = 15;

}  // namespace

Ref<TGame> TGame::Create() {
  auto created = New<TGame>();
  created->screenStack = New<TList>();
  return created;
}

Int TGame::AddScreenToStack(const Ref<TScreen>& screen) {
  screenStack->AddLast(screen);
  currentScreen = screen;
  return 0;
}

Int TGame::ChangeScreen(const Ref<TScreen>& screen) {
  RemoveScreenFromStack(currentScreen);
  AddScreenToStack(screen);
  FlushKeys();
  FlushMouse();
  return 0;
}

Int TGame::CheckKeys() {
  if (KeyHit(KEY_D) && ControlKeyDown()) {
    FlushKeys();
    ToggleDebugPanel();
  }
  if (KeyHit(KEY_P)) {
    FlushKeys();
    TogglePaused();
  }
  return 0;
}

Int TGame::Draw() {
  if (clsColor) SetClsColor(clsColor->R, clsColor->G, clsColor->B);
  Cls();
  SetBlend(ALPHABLEND);
  for (const auto& screen : screenStack->Each<TScreen>()) screen->Draw();
  return DrawDebugPanel();
}

Int TGame::DrawDebugPanel() {
  if (!displayDebugPanel) return 0;
  DrawText(String("Mouse: ") + MouseX() + "," + MouseY(), debugPanelX, debugPanelY);
  DrawText(String("Screen: ") + currentScreen->name, debugPanelX, debugPanelY + DEBUG_LINE_HEIGHT);
  return 0;
}

Int TGame::LoadMusic(const String& file, Int flags) {
  if (music) currentMusic = LoadSound(musicPath + file, flags);
  return 0;
}

Ref<TSound> TGame::LoadGameSound(const String& file, Int flags) {
  return LoadSound(soundPath + file, flags);
}

Int TGame::Logic() {
  if (AppTerminate()) return 1;
  CheckKeys();
  if (paused) return 0;
  renderer->Logic();
  // The screen may replace itself; it stays alive until its Logic returns.
  const Ref<TScreen> screen = currentScreen;
  screen->Logic();
  return endGame ? 1 : 0;
}

Int TGame::PlayMusic() {
  if (!music || !currentMusic) return 0;
  StopMusic();
  musicChannel = CueSound(currentMusic);
  SetChannelVolume(musicChannel, musicVolume);
  ResumeChannel(musicChannel);
  return 0;
}

Int TGame::PlayGameSound(const Ref<TSound>& sound, Ref<TChannel>& channel, Float volume,
                         Float rate) {
  if (!sound) {
    Print("PlayGameSound tried to play a null sound");
    return 0;
  }
  StopSound(channel);
  channel = CueSound(sound);
  SetChannelVolume(channel, volume);
  SetChannelRate(channel, rate);
  ResumeChannel(channel);
  return 0;
}

Int TGame::RemoveScreenFromStack(const Ref<TScreen>& screen) {
  screenStack->Remove(screen);
  return 0;
}

Int TGame::SetupTitleBar() {
  AppTitle = name + " " + "V" + versionString;
  return 0;
}

Int TGame::StopMusic() { return StopSound(musicChannel); }

Int TGame::StopSound(Ref<TChannel>& channel) {
  if (!channel || !ChannelPlaying(channel)) return 0;
  StopChannel(channel);
  channel = nullptr;
  return 0;
}

Int TGame::ToggleDebugPanel() {
  displayDebugPanel = displayDebugPanel ? 0 : 1;
  return 0;
}

Int TGame::TogglePaused() {
  paused = paused ? 0 : 1;
  return 0;
}
