// Start-up and shutdown of the platform, the application title, message
// boxes, console output and the two ways a process ends.
#pragma once

#include "platform/string.h"

namespace platform {

struct Options {
  // Dummy video driver, software renderer, virtual clock, silent sound,
  // no message boxes: deterministic and needing no display or sound card.
  bool headless = false;
  // Make the executable's folder the working folder.
  bool changeDir = true;
};

// Initialises SDL (video and events) and the clock. A second call while
// initialised does nothing; after Shutdown it initialises again. A process
// that ends any other way than End or RuntimeError (a library's own exit, as
// Xlib's on a lost display connection) stops the sound output and forgets the
// display without calling into the video subsystem.
void Init(const Options& options);
// Closes the display and audio and quits SDL; safe to call more than once.
void Shutdown();
bool IsHeadless();
bool IsInitialised();

}  // namespace platform

// The application title, used as the window title and message-box title.
extern String AppTitle;

// A modal message box with one "OK" button, titled AppTitle; returns once
// dismissed. SIGTERM or SIGINT while it is open ends the process at once, as
// by default, box and all. Headless or without a display it only records the
// text.
void Notify(const String& text, Int serious = 0);
// Writes the text to standard error (one byte per code unit, no line break),
// flushes it, shuts the platform down and ends the process with status 255.
[[noreturn]] void RuntimeError(const String& text);
// Shuts the platform down and ends the process with status 0.
[[noreturn]] void End();
// The text and a line break on standard output, flushed.
void Print(const String& text);
// True once the user has asked to close the window or quit (latched).
Int AppTerminate();
