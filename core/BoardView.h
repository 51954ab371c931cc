#pragma once
// What the game tells the window that draws it. The window reads the board
// from the state (see Layout.h) and never writes it.
#include <string>

class BoardView {
 public:
  virtual ~BoardView() = default;
  // A new board was laid out (size or layout changed).
  virtual void LaidOut() = 0;
  // Squares, cursor or mark changed.
  virtual void Changed() = 0;
  // The game's window is to be shown, with this caption.
  virtual void Shown(const std::string& caption) = 0;
  // The window's height in twips, which the board is fitted to.
  virtual int HeightTwips() const = 0;
};
