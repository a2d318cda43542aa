// Start-up for platform tests: headless, keeping the build folder (where
// Data/ lives) as the working folder.
#pragma once

#include "platform/system.h"

namespace platform_test {

// Starts the platform headless; does nothing when it already runs.
inline void StartHeadless() { platform::Init({.headless = true, .changeDir = false}); }

// A fresh start-up: no input state left over and the virtual clock at 0.
inline void RestartHeadless() {
  platform::Shutdown();
  StartHeadless();
}

}  // namespace platform_test
