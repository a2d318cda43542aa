// TGameImage, a platform image with its key name, size, half size and handle
// placement, and TImageBank, the store of game images by upper-case name,
// tied to one image folder. The global imageBank is the game's one bank.
#pragma once

#include "platform/image.h"
#include "platform/map.h"

class TGameImage : public Object {
 public:
  // A new image on which Load(file, flags, mid) has run.
  static Ref<TGameImage> Create(const String& file, Int flags, Int mid);
  // LoadAnim with every argument when cellCount > 1, otherwise Load(file,
  // flags, mid) with the cell arguments ignored.
  static Ref<TGameImage> CreateAuto(const String& file, Int cellWidth, Int cellHeight,
                                    Int firstCell, Int cellCount, Int flags, Int mid);
  // Wraps a loaded image; name is kept as given (not upper-cased).
  static Ref<TGameImage> CreateFromImage(const Ref<TImage>& image, const String& name, Int mid);

  // Bytes of the pixels at 4 a pixel over every frame, from the image's own
  // current size; CalcVRAM rounds each side up to a power of two. Both
  // saturate at the Int maximum.
  Int CalcRAM() const;
  Int CalcVRAM() const;
  // Draws frame 0 at (x, y) in screen pixels under the current drawing state.
  Int Draw(Float x, Float y) const;
  // w, h from the image and their integer halves as w2, h2; nothing when
  // the image is Null.
  Int GetSize();
  // Loads a whole path (the program ends when it cannot be loaded) and takes
  // its key from the file name: Upper(StripAll(file)). Any non-zero mid
  // centres the handle.
  Int Load(const String& file, Int flags, Int mid);
  // As Load, for a strip of cells as frames.
  Int LoadAnim(const String& file, Int cellWidth, Int cellHeight, Int firstCell, Int cellCount,
               Int flags, Int mid);
  // Makes the video copy of every frame now.
  Int Precache() const;
  // Non-zero: handle at the exact centre, midHandled 1; 0: handle at the
  // top-left corner, midHandled 0.
  Int SetMidHandle(Int flag);

  String name;
  Ref<TImage> image;
  Int w = 0;
  Int h = 0;
  Float w2 = 0.0f;  // Float(w / 2) in integer division
  Float h2 = 0.0f;
  Int midHandled = 0;
  Int tag = 0;  // free for the owner
};

class TImageBank : public TMap {
 public:
  // A new bank over the folder (made to end in a slash).
  static Ref<TImageBank> Create(const String& folder);

  // Kilobytes (rounded down) of every image's CalcRAM / CalcVRAM, visited in
  // key order; the total saturates at the Int maximum.
  Int CalcRAM() const;
  Int CalcVRAM() const;
  // The image stored under Upper(name); a missing key ends the program with
  // "Image 'KEY' was not found in the ImageBank".
  Ref<TGameImage> Find(const String& name) const;
  // The platform image stored under Upper(name), or Null.
  Ref<TImage> FindTImage(const String& name) const;
  // Loads path + file, with defaultExt when the file has no extension or
  // ends in a dot, and stores it under its file-name key, or under
  // Upper(name) when name is not empty, replacing any image of that key.
  Int Load(const String& file, const String& name, Int flags, Int mid);
  // Loads path + file + defaultExt (always appended) as a strip of cells;
  // the handle is centred only for mid 1.
  Int LoadAnim(const String& file, Int cellWidth, Int cellHeight, Int firstCell, Int cellCount,
               Int flags, Int mid);
  // Load with the handle at the top-left corner.
  Int LoadNoMidHandle(const String& file, const String& name, Int flags);
  // Makes the video copies of every image's frames, in key order.
  Int Precache() const;
  // path = the folder ending in "/" (or the "\" it already ends in).
  Int SetPath(const String& folder);

  String path;
  String defaultExt = ".png";
};

extern Ref<TImageBank> imageBank;
