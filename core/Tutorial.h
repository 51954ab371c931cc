#pragma once
// The tutorial's steps and what each key does at each: the rules alone, free
// of the game's flows, and the shortest way home for its hints.
#include "core/GameState.h"
#include "core/KeyTable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

namespace tutorial {

// In the order taught; each waits for the player to do it.
enum class Step {
  Arrows, HomeTile, WhereEmpty, GoToEmpty, SlideOne, SlideSeveral,
  PlayRun, EndOfRun, Mark, GoToMark, Progress, Undo, Finish,
  Over,  // solved: the song in order, then back
};

// What a command is at a step: the one asked for, one the player may use
// meanwhile (taught before, moving about, the help, volumes, speech), or one
// that has no place here yet and gets a correction instead of running.
enum class Verdict { Asked, Allowed, Wrong };
Verdict Judge(Step step, Command command);

// The small board: tiles 1 and 2 home, eight slides from solved, the empty
// square in the top right corner, so the first slide can bring tile 3 home.
constexpr int16_t Rows = 3;
constexpr float TileSeconds = 1.0f;
constexpr std::array<int16_t, 9> StartBoard = {1, 2, 0, 8, 5, 3, 4, 7, 6};

// Slides the 3 × 3 board still needs at the fewest; nothing for another size.
std::optional<int> SlidesToSolve(const GameState& s);
// The square (row, column) whose tile, slid into the empty square, brings
// the board nearest to solved.
std::optional<std::pair<int16_t, int16_t>> NextSlide(const GameState& s);

}  // namespace tutorial
