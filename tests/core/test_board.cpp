#include "core/Board.h"
#include "tests/support/BoardBuilder.h"

#include <gtest/gtest.h>
#include <random>

namespace {
GameState solved(int n) { return SolvedBoard(n); }
}  // namespace

TEST(Board, FreshBoardIsSolvedWithEmptySquareLast) {
  GameState s = solved(3);
  for (int k = 1; k <= 8; ++k) EXPECT_TRUE(board::TileInPlace(s, k));
  EXPECT_EQ(s.Board(3, 3), 0);
  EXPECT_EQ(board::CountInOrder(s, 8), 8);
  EXPECT_TRUE(board::IsSolvable(s));
}

TEST(Board, CalcRCAtRowEnds) {
  GameState s = solved(4);
  int16_t r, c;
  board::calcRC(s, 4, r, c);
  EXPECT_EQ(r, 1); EXPECT_EQ(c, 4);
  board::calcRC(s, 5, r, c);
  EXPECT_EQ(r, 2); EXPECT_EQ(c, 1);
  board::calcRC(s, 16, r, c);
  EXPECT_EQ(r, 4); EXPECT_EQ(c, 4);
  board::calcRC(s, 1, r, c);
  EXPECT_EQ(r, 1); EXPECT_EQ(c, 1);
}

TEST(Board, MovesOffTheBoardAreRefusedAndChangeNothing) {
  GameState s = solved(3);
  const auto before = s.Cells;
  EXPECT_EQ(board::Move(s, 2), 0);  // right from the last column
  EXPECT_EQ(board::Move(s, 3), 0);  // down from the last row
  EXPECT_EQ(board::Move(s, 0), 0);
  EXPECT_EQ(board::Move(s, 5), 0);
  EXPECT_EQ(s.Cells, before);
  s.EmptyRow = s.EmptyColumn = 1;
  s.Board(1, 1) = 0;
  s.Board(3, 3) = 1;
  EXPECT_EQ(board::Move(s, 1), 0);
  EXPECT_EQ(board::Move(s, 4), 0);
}

TEST(Board, InOrderCountFollowsMoves) {
  GameState s = solved(3);
  // The empty square goes up: tile 6 drops into (3,3).
  EXPECT_EQ(board::Move(s, 1), 6);
  EXPECT_EQ(s.EmptyRow, 2);
  EXPECT_EQ(s.TilesInOrder, 5);
  EXPECT_EQ(board::Move(s, 4), 5);  // tile 5 slides right
  EXPECT_EQ(s.TilesInOrder, 4);
  EXPECT_EQ(board::Move(s, 2), 5);  // and back
  EXPECT_EQ(s.TilesInOrder, 5);
  EXPECT_TRUE(board::IsConsistent(s));
}

TEST(Board, ShuffleIsAReachablePermutation) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int n = 3; n <= 9; ++n) {
    GameState s = solved(n);
    int draws = 0;
    board::ShuffleMoves(s, [&] { ++draws; return unit(rng); });
    EXPECT_EQ(draws, 1999);
    EXPECT_TRUE(board::IsConsistent(s)) << n;
    EXPECT_TRUE(board::IsSolvable(s)) << n;
    EXPECT_EQ(s.TilesInOrder, board::CountInOrder(s, n * n - 1));
  }
}

TEST(Board, SolvabilityCatchesASwappedPair) {
  for (int n : {3, 4}) {
    GameState s = solved(n);
    std::swap(s.Board(1, 1), s.Board(1, 2));
    EXPECT_TRUE(board::IsConsistent(s));
    EXPECT_FALSE(board::IsSolvable(s)) << n;
    // Moving the empty square keeps a board's solvability.
    GameState t = solved(n);
    board::Move(t, 1);
    EXPECT_TRUE(board::IsSolvable(t)) << n;
  }
  GameState dup = solved(3);
  dup.Board(1, 1) = 2;
  EXPECT_FALSE(board::IsConsistent(dup));
}
