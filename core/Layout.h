#pragma once
// Where the board's squares stand, read from the state: what the window
// paints and what a click hits. In twips.
#include "core/GameState.h"

#include <optional>
#include <vector>

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  bool Contains(float x, float y) const { return left <= x && x < left + width && top <= y && y < top + height; }
};

// A square's tile is in the run in order from the song's start, out of it,
// or the square is empty.
enum class SquareKind { InRun, OutOfRun, Empty };
SquareKind KindOf(const GameState& st, int square);

struct SquareShape {
  Rect rect;
  SquareKind kind = SquareKind::OutOfRun;
  bool cursor = false;
};

struct BoardLayout {
  std::vector<SquareShape> squares;  // square k at k - 1
  std::optional<Rect> mark;          // over the marked tile's square
};

// The board fitted to a window `heightTwips` high; nothing without a board.
BoardLayout LayOut(const GameState& st, int heightTwips);
// The square number under (x, y), or 0.
int HitTest(const BoardLayout& layout, float x, float y);
