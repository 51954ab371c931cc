#pragma once
// Qt key events turned into the game's key codes.
#include "base/VirtualKeys.h"

class QKeyEvent;

// The virtual-key code and shift mask of a Qt key event.
KeyCode KeyFromQt(const QKeyEvent& e);
// The same from a Qt key and modifiers (for synthetic keys and tests).
KeyCode KeyFromQt(int qtKey, unsigned modifiers);
