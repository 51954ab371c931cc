#include "core/Game.h"

#include "core/Board.h"
#include "core/Settings.h"
#include "core/Texts.h"

void Game::BeginCounting(int32_t fromMoves, double seconds, bool counts) {
  moveCount = fromMoves;
  resultCounts = counts;
  slidesMade.clear();
  playTime.Start(clock.SteadySeconds(), seconds);
}

bool Game::Undo() {
  if (slidesMade.empty()) return false;
  const SlideSteps last = slidesMade.back();
  slidesMade.pop_back();
  // The empty square walks back the way it came; no notes, the run is recounted.
  const int back = (last.direction + 1) % 4 + 1;  // up and down, left and right
  for (int i = 0; i < last.steps; ++i) board::Move(st, back);
  ++moveCount;
  // As after a slide: the cursor stands on the empty square, which is announced.
  MoveCursorTo(st.EmptyRow, st.EmptyColumn);
  return true;
}

void Game::SayProgress() {
  Say(text::Progress(st.TilesInOrder, st.BoardRows * st.BoardColumns - 1, moveCount, static_cast<int32_t>(PlayedSeconds())));
}

Progress& Game::KeptProgress() {
  if (!kept) kept = LoadProgress(st.PlayerFolder);
  return *kept;
}

void Game::SayResult() {
  const int32_t seconds = static_cast<int32_t>(PlayedSeconds());
  Say(text::Solved(moveCount, seconds));
  if (!resultCounts) return;
  Progress& progress = KeptProgress();
  const BestKey key{st.BoardRows, st.TileDuration};
  const auto [it, first] = progress.best.try_emplace(key, Best{moveCount, seconds});
  Best& best = it->second;
  // The first result of a size and length is the only one: nothing to beat yet.
  const bool fewer = !first && moveCount < best.moves, faster = !first && seconds < best.seconds;
  if (fewer) best.moves = moveCount;
  if (faster) best.seconds = seconds;
  if (first) Say(text::FirstBest(st.BoardRows, st.TileDuration));
  if (fewer || faster) Say(text::NewBest(fewer, faster, st.BoardRows, st.TileDuration));
  if (first || fewer || faster) SaveProgress(st.PlayerFolder, progress);
}

void Game::SayBestResults() {
  const Progress& progress = KeptProgress();
  if (progress.best.empty()) Say(text::NoBestResults());
  for (const auto& [key, best] : progress.best) Say(text::BestResult(key.size, key.tileLength, best.moves, best.seconds));
}

bool Game::KeepGame() {
  if (!SaveGame(st)) return false;
  // Beside it, its moves and time; without them the game still resumes, counted afresh.
  Progress& progress = KeptProgress();
  progress.savedGame = Fingerprint(SavedGameText(st));
  progress.moves = moveCount;
  progress.seconds = static_cast<int32_t>(PlayedSeconds());
  SaveProgress(st.PlayerFolder, progress);
  return true;
}

void Game::KeepOnLoss() {
  if (lesson) EndTutorial(false);
  SaveSettings(st);
  if (!st.PuzzleSolved && st.HasBoard() && mode_ != Mode::Leaving) KeepGame();
}
