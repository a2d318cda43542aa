// Image loaders that end the program when the file cannot be loaded, the
// fatal-error protocol behind them, and the precaching of video frames.
#pragma once

#include "platform/image.h"

// LoadImage(path, flags); never Null: a failure ends the program with
// "Error loading image " + path.
Ref<TImage> ccLoadBitmap(const String& path, Int flags);
// LoadAnimImage with the same arguments; never Null: a failure ends the
// program with "Error loading anim image " + path.
Ref<TImage> ccLoadAnimBitmap(const String& path, Int cellWidth, Int cellHeight, Int firstCell,
                             Int cellCount, Int flags);
// The fatal error: a message box with the message where a display can show
// one, then the message on standard error exactly (no line break) and exit
// status 255. endProgram is accepted and ignored.
[[noreturn]] void ccRunTimeError(const String& message, Int endProgram);
// Makes the video copy of every frame of the image, in frame order. Null
// does nothing. Returns 0.
Int ccCreateFrames(const Ref<TImage>& image);
