// Internal seams between the platform's own areas (system, display, input,
// audio, clock, files). Not for use outside platform/.
#pragma once

#include <string>
#include <vector>

#include "platform/object.h"

struct SDL_Window;
struct SDL_Renderer;

namespace platform::detail {

// system.cpp
// The clock in milliseconds: real (the system's monotonic clock, counted
// from boot) or, headless, virtual (counted from Init).
Double NowMs();
// Sleeps on the current clock (advances the virtual clock headless).
void SleepMs(Double ms);
// The whole file's bytes; empty when it is missing, not a regular file,
// larger than INT_MAX bytes or unreadable.
std::vector<Byte> ReadWholeFile(const std::string& path);
// Sends standard error to /dev/null while it lives. Video and sound back ends
// (libwayland, alsa-lib) write their own diagnostics there while SDL probes
// them; the program's only text on standard error is a fatal error's.
class QuietStderr {
 public:
  QuietStderr();
  ~QuietStderr();
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_;
};

// input.cpp
// Forgets all key, mouse, character and quit state (a fresh start-up).
void ResetInput();

// display.cpp
SDL_Window* Window();      // Null when no display is open
SDL_Renderer* Renderer();  // Null when no display is open
// Bumped whenever the renderer is remade; video copies of older ones are stale.
Long DisplayGeneration();
void ShutdownDisplay();
// Leaves the display without a call into SDL, for a process that is ending
// over a display that may be gone: the display counts as closed and every
// video copy as stale, so what is released afterwards frees nothing of SDL's.
void AbandonDisplay();
// Maps window pixels to canvas pixels (letterbox and scale).
void WindowToCanvas(Int wx, Int wy, Int& cx, Int& cy);

// x11_window.cpp
// Marks a hidden full-screen window so that the window manager maps it full
// screen at once; nothing for other video drivers.
void MarkFullscreenBeforeMapping(SDL_Window* window);

// font.cpp
void ShutdownFonts();

// audio.cpp
void ShutdownAudio();

}  // namespace platform::detail
