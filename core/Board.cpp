#include "core/Board.h"

namespace board {

namespace {
struct Step { int dr, dc; };
Step stepOf(int Direction) {
  switch (Direction) {
    case 1: return {-1, 0};
    case 2: return {0, 1};
    case 3: return {1, 0};
    case 4: return {0, -1};
    default: return {0, 0};
  }
}
bool refused(const GameState& s, int Direction) {
  return (Direction == 1 && s.EmptyRow == 1) || (Direction == 3 && s.EmptyRow == s.BoardRows) ||
         (Direction == 4 && s.EmptyColumn == 1) || (Direction == 2 && s.EmptyColumn == s.BoardColumns) ||
         Direction < 1 || Direction > 4;
}
}  // namespace

void calcRC(const GameState& s, int k, int16_t& r, int16_t& c) {
  if (s.BoardColumns <= 0) { r = c = 0; return; }
  if (k % s.BoardColumns == 0) {
    r = static_cast<int16_t>(k / s.BoardColumns);
    c = s.BoardColumns;
  } else {
    r = static_cast<int16_t>(k / s.BoardColumns + 1);
    c = static_cast<int16_t>(k - (r - 1) * s.BoardColumns);
  }
}

bool TileInPlace(const GameState& s, int k) {
  int16_t r, c;
  calcRC(s, k, r, c);
  if (r < 1 || r > s.BoardRows || c < 1 || c > s.BoardColumns) return false;
  return s.Board(r, c) == k;
}

int16_t CountInOrder(const GameState& s, int limit) {
  int16_t n = 0;
  for (int k = 1; k <= limit && TileInPlace(s, k); ++k) n = static_cast<int16_t>(k);
  return n;
}

void LaySolved(GameState& s, int16_t rows) {
  s.BoardRows = s.BoardColumns = rows;
  s.Cells.assign(static_cast<size_t>(rows * rows), 0);
  for (int k = 1; k < rows * rows; ++k) s.Cells[static_cast<size_t>(k - 1)] = static_cast<int16_t>(k);
}

int16_t Move(GameState& s, int Direction) {
  if (refused(s, Direction)) return 0;
  Step d = stepOf(Direction);
  int16_t& hole = s.Board(s.EmptyRow, s.EmptyColumn);
  int16_t& next = s.Board(s.EmptyRow + d.dr, s.EmptyColumn + d.dc);
  int16_t m = next;
  hole = m;
  next = 0;
  s.EmptyRow = static_cast<int16_t>(s.EmptyRow + d.dr);
  s.EmptyColumn = static_cast<int16_t>(s.EmptyColumn + d.dc);
  Recount(s);
  return m;
}

void Recount(GameState& s) { s.TilesInOrder = CountInOrder(s, s.BoardRows * s.BoardColumns - 1); }

void ShuffleMoves(GameState& s, const std::function<double()>& draw) {
  s.TilesInOrder = 0;
  for (int i = 0; i < rules::ShuffleMoves; ++i) Move(s, static_cast<int>(draw() * 4) + 1);
}

bool IsConsistent(const GameState& s) {
  const int n = s.BoardRows * s.BoardColumns;
  if (s.BoardRows < 1 || static_cast<int>(s.Cells.size()) != n) return false;
  std::vector<bool> seen(static_cast<size_t>(n), false);
  for (int16_t v : s.Cells) {
    if (v < 0 || v >= n || seen[static_cast<size_t>(v)]) return false;
    seen[static_cast<size_t>(v)] = true;
  }
  if (s.EmptyRow < 1 || s.EmptyRow > s.BoardRows || s.EmptyColumn < 1 || s.EmptyColumn > s.BoardColumns) return false;
  return s.Board(s.EmptyRow, s.EmptyColumn) == 0;
}

bool IsSolvable(const GameState& s) {
  if (!IsConsistent(s)) return false;
  // Slides keep the parity of (inversions + the empty square's distance from home) even.
  int inversions = 0;
  std::vector<int16_t> tiles;
  for (int16_t v : s.Cells)
    if (v != 0) tiles.push_back(v);
  for (size_t i = 0; i < tiles.size(); ++i)
    for (size_t j = i + 1; j < tiles.size(); ++j)
      if (tiles[i] > tiles[j]) ++inversions;
  int distance = s.BoardRows - s.EmptyRow;
  if (s.BoardColumns % 2 == 1) return inversions % 2 == 0;
  return (inversions + distance) % 2 == 0;
}

}  // namespace board
