#pragma once
// Boards for tests and benchmarks: the solved board, or one laid out from
// rows of tile numbers (0 is the empty square).
#include "core/Board.h"
#include "core/GameState.h"

#include <vector>

inline GameState SolvedBoard(int n) {
  GameState s;
  board::LaySolved(s, static_cast<int16_t>(n));
  s.EmptyRow = s.EmptyColumn = static_cast<int16_t>(n);
  return s;
}

// Lays `rows` into a board already sized to them; the empty square follows the 0.
inline void LayRows(GameState& s, const std::vector<std::vector<int>>& rows) {
  for (int r = 1; r <= s.BoardRows; ++r)
    for (int c = 1; c <= s.BoardColumns; ++c) {
      s.Board(r, c) = static_cast<int16_t>(rows[r - 1][c - 1]);
      if (s.Board(r, c) == 0) {
        s.EmptyRow = static_cast<int16_t>(r);
        s.EmptyColumn = static_cast<int16_t>(c);
      }
    }
}

inline GameState BoardOf(const std::vector<std::vector<int>>& rows) {
  GameState s = SolvedBoard(static_cast<int>(rows.size()));
  LayRows(s, rows);
  return s;
}
