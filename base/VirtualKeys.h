#pragma once
// Key codes as the game and its dialogs work with them: virtual-key codes and
// a shift mask (1 Shift, 2 Ctrl, 4 Alt, summed).
#include <cstdint>

namespace vk {
enum : int16_t {
  Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18, Pause = 19, Capital = 20,
  Escape = 27, Space = 32, Prior = 33, Next = 34, End = 35, Home = 36,
  Left = 37, Up = 38, Right = 39, Down = 40, Insert = 45, Delete = 46,
  Numpad0 = 96, Multiply = 106, Add = 107, Subtract = 109, Decimal = 110, Divide = 111,
  F1 = 112, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12,
  Oem1 = 186,       // ;
  OemPlus = 187,    // =
  OemComma = 188,   // ,
  OemMinus = 189,   // -
  OemPeriod = 190,  // .
  Oem2 = 191,       // /
  Oem3 = 192,       // `
  Oem4 = 219,       // [
  Oem5 = 220,       // backslash
  Oem6 = 221,       // ]
  Oem7 = 222,       // '
};
}  // namespace vk

namespace shiftmask {
enum : int16_t { Shift = 1, Ctrl = 2, Alt = 4 };
}

struct KeyCode {
  int16_t code = 0;   // 0 when the key has no virtual-key code
  int16_t shift = 0;  // shift mask
};
