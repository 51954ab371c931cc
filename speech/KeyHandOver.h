#pragma once
// The key hand-over between the main window's key handler and the speech
// object's key loops. Process-wide: the game's handler writes it.
#include <cstdint>

struct KeyHandOver {
  // While on, the main window only stores each key here and returns.
  bool KeyCapture = false;
  int16_t CapturedKey = 0;    // 0: none
  int16_t CapturedShift = 0;  // 1 Shift, 2 Ctrl, 4 Alt, summed
};

// The one instance of the process.
KeyHandOver& TheKeyHandOver();
