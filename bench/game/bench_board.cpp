// The shuffle's 1999 silent moves on the largest board.
#include "core/Board.h"
#include "tests/support/BoardBuilder.h"

#include <benchmark/benchmark.h>
#include <random>

static void BM_Shuffle9x9(benchmark::State& state) {
  std::mt19937 rng(1);
  std::uniform_real_distribution<double> unit(0, 1);
  for (auto _ : state) {
    GameState s = SolvedBoard(9);
    board::ShuffleMoves(s, [&] { return unit(rng); });
    benchmark::DoNotOptimize(s.Cells.data());
  }
}
BENCHMARK(BM_Shuffle9x9)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
