#include "common/Keys.h"

#include <QKeyEvent>

namespace {

int16_t shiftOf(unsigned mods) {
  int16_t s = 0;
  if (mods & Qt::ShiftModifier) s |= shiftmask::Shift;
  if (mods & Qt::ControlModifier) s |= shiftmask::Ctrl;
  if (mods & Qt::AltModifier) s |= shiftmask::Alt;
  return s;
}

// A shifted symbol names the key it was typed on (US layout), as a
// virtual-key code does.
int16_t symbolKey(int key) {
  switch (key) {
    case Qt::Key_Exclam: return '1';
    case Qt::Key_At: return '2';
    case Qt::Key_NumberSign: return '3';
    case Qt::Key_Dollar: return '4';
    case Qt::Key_Percent: return '5';
    case Qt::Key_AsciiCircum: return '6';
    case Qt::Key_Ampersand: return '7';
    case Qt::Key_Asterisk: return '8';
    case Qt::Key_ParenLeft: return '9';
    case Qt::Key_ParenRight: return '0';
    case Qt::Key_Semicolon: case Qt::Key_Colon: return vk::Oem1;
    case Qt::Key_Equal: case Qt::Key_Plus: return vk::OemPlus;
    case Qt::Key_Comma: case Qt::Key_Less: return vk::OemComma;
    case Qt::Key_Minus: case Qt::Key_Underscore: return vk::OemMinus;
    case Qt::Key_Period: case Qt::Key_Greater: return vk::OemPeriod;
    case Qt::Key_Slash: case Qt::Key_Question: return vk::Oem2;
    case Qt::Key_QuoteLeft: case Qt::Key_AsciiTilde: return vk::Oem3;
    case Qt::Key_BracketLeft: case Qt::Key_BraceLeft: return vk::Oem4;
    case Qt::Key_Backslash: case Qt::Key_Bar: return vk::Oem5;
    case Qt::Key_BracketRight: case Qt::Key_BraceRight: return vk::Oem6;
    case Qt::Key_Apostrophe: case Qt::Key_QuoteDbl: return vk::Oem7;
    default: return 0;
  }
}

}  // namespace

KeyCode KeyFromQt(int key, unsigned mods) {
  KeyCode k;
  k.shift = shiftOf(mods);
  const bool keypad = mods & Qt::KeypadModifier;
  if (key >= Qt::Key_A && key <= Qt::Key_Z) { k.code = static_cast<int16_t>(key); return k; }
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    k.code = static_cast<int16_t>(keypad ? vk::Numpad0 + (key - Qt::Key_0) : key);
    return k;
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) { k.code = static_cast<int16_t>(vk::F1 + (key - Qt::Key_F1)); return k; }
  switch (key) {
    case Qt::Key_Backspace: k.code = vk::Back; break;
    case Qt::Key_Tab: case Qt::Key_Backtab: k.code = vk::Tab; break;
    case Qt::Key_Return: case Qt::Key_Enter: k.code = vk::Return; break;
    // A modifier's own press counts itself as held, whatever Qt reports.
    case Qt::Key_Shift: k.code = vk::Shift; k.shift |= shiftmask::Shift; break;
    case Qt::Key_Control: k.code = vk::Control; k.shift |= shiftmask::Ctrl; break;
    case Qt::Key_Alt: case Qt::Key_AltGr: k.code = vk::Menu; k.shift |= shiftmask::Alt; break;
    case Qt::Key_Pause: k.code = vk::Pause; break;
    case Qt::Key_CapsLock: k.code = vk::Capital; break;
    case Qt::Key_Escape: k.code = vk::Escape; break;
    case Qt::Key_Space: k.code = vk::Space; break;
    case Qt::Key_PageUp: k.code = vk::Prior; break;
    case Qt::Key_PageDown: k.code = vk::Next; break;
    case Qt::Key_End: k.code = vk::End; break;
    case Qt::Key_Home: k.code = vk::Home; break;
    case Qt::Key_Left: k.code = vk::Left; break;
    case Qt::Key_Up: k.code = vk::Up; break;
    case Qt::Key_Right: k.code = vk::Right; break;
    case Qt::Key_Down: k.code = vk::Down; break;
    case Qt::Key_Insert: k.code = vk::Insert; break;
    case Qt::Key_Delete: k.code = vk::Delete; break;
    default:
      if (keypad) {
        switch (key) {
          case Qt::Key_Asterisk: k.code = vk::Multiply; return k;
          case Qt::Key_Plus: k.code = vk::Add; return k;
          case Qt::Key_Minus: k.code = vk::Subtract; return k;
          case Qt::Key_Period: k.code = vk::Decimal; return k;
          case Qt::Key_Slash: k.code = vk::Divide; return k;
          default: break;
        }
      }
      k.code = symbolKey(key);
      break;
  }
  return k;
}

KeyCode KeyFromQt(const QKeyEvent& e) { return KeyFromQt(e.key(), e.modifiers().toInt()); }
