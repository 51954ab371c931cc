#pragma once
// The puzzle's rules, free of windows and sound: numbering, moves, the
// in-order count and the shuffle.
#include "core/GameState.h"
#include "core/Rules.h"

#include <functional>

namespace board {

// Row and column of square or tile number k.
void calcRC(const GameState& s, int k, int16_t& r, int16_t& c);
// Square number of (r, c).
inline int SquareNumber(const GameState& s, int r, int c) { return (r - 1) * s.BoardColumns + c; }
bool TileInPlace(const GameState& s, int k);
// Leading tiles 1, 2, … home, counting at most `limit`.
int16_t CountInOrder(const GameState& s, int limit);
// Sizes the board and lays it out solved, empty square last.
void LaySolved(GameState& s, int16_t rows);

// Moves the neighbour's tile into the empty square, moves the empty square,
// and recounts the in-order run. Returns the moved tile, or 0 when the move
// would leave the board (then nothing changed).
int16_t Move(GameState& s, int Direction);
// Counts the in-order run afresh (a board laid out from elsewhere).
void Recount(GameState& s);

// Random slides of the empty square (rules::ShuffleMoves); `draw` gives numbers in [0, 1).
void ShuffleMoves(GameState& s, const std::function<double()>& draw);

// Every number 0 … n−1 once, the empty square where it is said to be.
bool IsConsistent(const GameState& s);
// True when the board can be brought back to the solved order by slides.
bool IsSolvable(const GameState& s);

}  // namespace board
