// The quorvane executable: start-up, then the frame loop until the game ends
// the process.
#include "game/main_program.h"

int main() {
  StartUp({});
  for (;;) RunPass();
}
