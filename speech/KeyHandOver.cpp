#include "speech/KeyHandOver.h"

KeyHandOver& TheKeyHandOver() {
  static KeyHandOver keys;
  return keys;
}
