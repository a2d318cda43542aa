// Queries of the host system: the per-user shared data folder, the display
// modes, and the functions that do nothing on this platform; plus the
// operating-system version record, which nothing fills.
#pragma once

#include "platform/string.h"

// The per-user data folder of the XDG base directories: $XDG_DATA_HOME when
// it is set and absolute, else $HOME/.local/share. "" when that folder does
// not exist (it is never created), when $HOME is needed but not set or not
// absolute, or when the path is longer than 1023 bytes. The path is read as
// UTF-8.
String ccGetSharedUserDataFolder();
// Prints one line per display mode, in the driver's order:
// "<i> Width: <w> Height: <h> Depth: <d> Hertz: <hz>". Returns 0.
Int ccPrintGraphicsModes();

// Stubs: they touch no state and return at once.
String ccGetDirectXVersion();            // ""
String ccGetEnvVar(const String& name);  // "" whatever the name
String ccGetSpecialFolder(Int folder);   // "" whatever the folder
String ccGetVersionString();             // ""
Int ccEnableMaximize(Long window);       // 0
Int ccEnableMinimize(Long window);       // 0
Int ccVWait();                           // 0; waits for nothing

// The extended version record of Windows with its 128-byte service-pack
// text, field after field with no gaps; every field is 0 on creation.
class TOSVersionInfoEx : public Object {
 public:
  Int dwOSVersionInfoSize = 0;
  Int dwVerMajor = 0;
  Int dwVerMinor = 0;
  Int dwBuildNumber = 0;
  Int dwPlatformId = 0;
  Int szCSDVersion = 0;  // service-pack text: bytes 0-3
  Long pad0 = 0;         // pad0-pad14: bytes 4-123
  Long pad1 = 0;
  Long pad2 = 0;
  Long pad3 = 0;
  Long pad4 = 0;
  Long pad5 = 0;
  Long pad6 = 0;
  Long pad7 = 0;
  Long pad8 = 0;
  Long pad9 = 0;
  Long pad10 = 0;
  Long pad11 = 0;
  Long pad12 = 0;
  Long pad13 = 0;
  Long pad14 = 0;
  Int pad15 = 0;  // bytes 124-127
  Short wServicePackMajor = 0;
  Short wServicePackMinor = 0;
  Short wSuiteMask = 0;
  Byte wProductType = 0;
  Byte wReserved = 0;
};
