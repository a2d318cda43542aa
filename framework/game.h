// TGame: the game object, held in the global `game`. It owns the screen
// stack and runs one frame of logic and drawing per call; it also loads and
// plays the game's sounds on channels owned by the callers, and one piece of
// music on a channel of its own.
#pragma once

#include "framework/color.h"
#include "framework/screen.h"
#include "platform/audio.h"
#include "platform/list.h"

class TGame : public Object {
 public:
  Ref<TColor> clsColor;  // Null: the platform's clear colour stays as it is
  Ref<TScreen> currentScreen;
  Ref<TSound> currentMusic;
  Int debugPanelX = 10;
  Int debugPanelY = 10;
  Int displayDebugPanel = 0;
  Int endGame = 0;
  Float frameRate = 60.0f;
  Int music = 1;
  Ref<TChannel> musicChannel;
  Float musicVolume = 0.4f;
  String name;
  Int paused = 0;
  Ref<TList> screenStack;  // of TScreen, bottom first
  Int testMode = 0;
  String versionString = "0.00";
  String dataPath = "Data/";
  String fontPath = "Data/Fonts/";
  String imagePath = "Data/Images/";
  String musicPath = "Data/Music/";
  String soundPath = "Data/Sound/";

  // A game object with the defaults above and an empty screen stack.
  static Ref<TGame> Create();
  // Appends the screen on top of the stack and makes it current; its Init
  // is not called.
  Int AddScreenToStack(const Ref<TScreen>& screen);
  // Replaces the current screen with this one, then flushes keys (hits,
  // typed characters and held keys) and mouse hits. The replaced screen
  // stays alive until the Logic call that changed it has returned.
  Int ChangeScreen(const Ref<TScreen>& screen);
  // Control+D toggles the debug panel, P the pause; each flushes the keys
  // first. D without Control is consumed and does nothing.
  Int CheckKeys();
  // Clears (in clsColor when set), selects alpha blending, draws every
  // stacked screen bottom to top, then the debug panel.
  Int Draw();
  // "Mouse: x,y" and "Screen: name" at the panel position in the current
  // drawing state, while the panel is shown.
  Int DrawDebugPanel();
  // While music is on: currentMusic = the file of the music folder.
  Int LoadMusic(const String& file, Int flags);
  // The file of the sound folder, or Null when it does not load.
  Ref<TSound> LoadGameSound(const String& file, Int flags);
  // One frame of logic; 1 when the program is to end (window closed or
  // endGame set), else 0. While paused only the global keys are read.
  Int Logic();
  // While music is on and loaded: restarts it on a new music channel at
  // musicVolume. Without loaded music nothing changes.
  Int PlayMusic();
  // Plays the sound on the caller's channel variable, cutting a previous
  // play of that variable short. A Null sound prints one line to standard
  // output and leaves the variable unchanged.
  Int PlayGameSound(const Ref<TSound>& sound, Ref<TChannel>& channel, Float volume, Float rate);
  // Removes the first occurrence of the screen; currentScreen is unchanged.
  Int RemoveScreenFromStack(const Ref<TScreen>& screen);
  // The window title: name + " V" + versionString.
  Int SetupTitleBar();
  Int StopMusic();
  // Stops a channel that still plays and sets the variable to Null; a Null
  // or finished channel is left as it is.
  Int StopSound(Ref<TChannel>& channel);
  Int ToggleDebugPanel();
  Int TogglePaused();
};

extern Ref<TGame> game;
