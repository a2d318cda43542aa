// Test hooks compiled into the platform: the per-frame draw log, input
// injection through real SDL events, the virtual clock, back-buffer read-back,
// PNG captures, the sound log, message-box records and a replaceable
// process exit. Nothing in the game uses them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/draw.h"

namespace platform::test {

enum class DrawKind { Cls, Image, SubImage, Text, Rect, Line };

struct DrawRecord {
  DrawKind kind = DrawKind::Cls;
  std::string image;  // source path of the image ("" when none)
  const void* imageId = nullptr;
  Int frame = 0;
  std::string text;                                      // UTF-8, for Text
  Float x = 0, y = 0, x2 = 0, y2 = 0;                    // position; size (Rect) or end (Line)
  Float sx = 0, sy = 0, sw = 0, sh = 0, hx = 0, hy = 0;  // SubImage source
  Int lastPixel = 1;
  TDrawState state;        // snapshot (font: Null means default)
  Float alphaClamped = 1;  // the alpha drawn with: state.alpha clamped to 0..1
  std::string font;        // "default" or the font's source path
};

// Records of the frame being drawn, and of the last presented frame.
const std::vector<DrawRecord>& CurrentDrawLog();
const std::vector<DrawRecord>& LastFrameDrawLog();
// One line per record: `draw image Data/Images/fog.png frame=0 x=16 y=16
// colour=255,255,255 alpha=1 scale=1,1 rot=0`, `draw text "..." ...`.
std::string FormatRecord(const DrawRecord& record);
// Calls of each state setter since the last reset, by name ("SetColor", ...).
Int SetterCalls(const std::string& name);
void ResetSetterCalls();

// Input injection (taken in at the next query).
void PressKey(Int key);
void ReleaseKey(Int key);
void RepeatKey(Int key);
void TypeText(const std::string& utf8);
void MoveMouse(Int x, Int y);
void PressMouse(Int button);
void ReleaseMouse(Int button);
void RequestClose();

// Virtual clock (headless).
Double VirtualNow();
void AdvanceClock(Double ms);
// Switches between the virtual clock and the real one until the next Init.
void UseVirtualClock(bool useVirtual);

// ARGB pixels of the last presented frame, 1024 x 768 row by row.
std::vector<std::uint32_t> ReadBackBuffer();
// ARGB of one pixel of the frame being drawn (not yet flipped).
std::uint32_t ReadCanvasPixel(Int x, Int y);
// Writes ARGB pixels as a PNG; false on failure.
bool WritePng(const std::string& path, const std::vector<std::uint32_t>& argb, Int width,
              Int height);
// Writes ARGB pixels as a baseline JPEG of the given quality (1-100), colour
// not subsampled; false on failure. For making decoder test files.
bool WriteJpeg(const std::string& path, const std::vector<std::uint32_t>& argb, Int width,
               Int height, Int quality);

// Display state.
bool Fullscreen();
std::string WindowTitle();
Int GraphicsCalls();
Int EndGraphicsCalls();
Long VideoFramesMade();

// Sound log.
enum class SoundEvent { Load, Cue, Volume, Rate, Resume, Stop, End };
struct SoundRecord {
  SoundEvent event;
  std::string path;
  Long channel = 0;
  Double timeMs = 0;
  bool ok = true;   // Load: whether it loaded
  Float value = 0;  // Volume, Rate
};
const std::vector<SoundRecord>& SoundLog();
void ClearSoundLog();
// Source paths of the voices playing now, in start order.
std::vector<std::string> PlayingSounds();
// Writes samples (-1 to 1; interleaved frames when channels > 1) as an Ogg
// Vorbis file whose last page states statedFrames frames, when that is not
// negative, rather than as many as it holds; false on failure.
bool WriteOggVorbis(const std::string& path, const std::vector<float>& samples, Int rate,
                    Int channels = 1, Long statedFrames = -1);

// The pixel sizes, as LoadImageFont takes them, of the first `most` bitmap
// strikes of a font file; empty for a file that is no font or has none.
std::vector<Int> FontFixedSizes(const std::string& path, Int most);

// Message boxes shown (or recorded headless): title and text.
struct NotifyRecord {
  std::string title, text;
};
const std::vector<NotifyRecord>& NotifyLog();

// Process exit. With exits trapped, End and RuntimeError throw ProcessExit
// instead of ending the process (after the same output and shutdown).
struct ProcessExit {
  Int status;
  std::string text;
};
void TrapExits(bool trap);
// Replaces where Print and RuntimeError write (nullptr: the real streams).
void SetStdoutSink(std::function<void(const std::string&)> sink);
void SetStderrSink(std::function<void(const std::string&)> sink);

}  // namespace platform::test
