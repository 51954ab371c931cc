#include "core/Layout.h"

#include "core/Board.h"

#include "base/VB.h"

SquareKind KindOf(const GameState& st, int square) {
  if (square == board::SquareNumber(st, st.EmptyRow, st.EmptyColumn)) return SquareKind::Empty;
  return square <= st.TilesInOrder ? SquareKind::InRun : SquareKind::OutOfRun;
}

BoardLayout LayOut(const GameState& st, int heightTwips) {
  BoardLayout out;
  if (!st.HasBoard()) return out;
  const int size = static_cast<int>(RoundHalfEven((heightTwips - double(rules::BelowBoard)) / st.BoardRows));
  const int step = size + rules::SquareGap;
  for (int r = 1; r <= st.BoardRows; ++r)
    for (int c = 1; c <= st.BoardColumns; ++c) {
      SquareShape s;
      s.rect = {step * (c - 1) + rules::BoardMargin, step * (r - 1) + rules::BoardMargin, size, size};
      s.kind = KindOf(st, board::SquareNumber(st, r, c));
      s.cursor = r == st.CursorRow && c == st.CursorColumn;
      out.squares.push_back(s);
    }
  if (st.MarkedTile != 0) {
    for (int r = 1; r <= st.BoardRows; ++r)
      for (int c = 1; c <= st.BoardColumns; ++c) {
        if (st.Board(r, c) != st.MarkedTile) continue;
        // Half a square, centred on a grid of half squares: as it always stood.
        const int h = static_cast<int>(RoundHalfEven(size / 2.0));
        out.mark = Rect{static_cast<int>((2 * h + rules::SquareGap) * (c - 1) + rules::BoardMargin + h / 2.0),
                        static_cast<int>((2 * h + rules::SquareGap) * (r - 1) + rules::BoardMargin + h / 2.0), h, h};
      }
  }
  return out;
}

int HitTest(const BoardLayout& layout, float x, float y) {
  for (size_t k = 0; k < layout.squares.size(); ++k)
    if (layout.squares[k].rect.Contains(x, y)) return static_cast<int>(k) + 1;
  return 0;
}
