// The settings file, the saved game and the progress file as the game reads
// them: any bytes load or are refused, a loaded game is always a board the
// game can play, and the progress kept is in range and written back the same.
#include "tests/fuzz/FuzzSupport.h"

#include "core/Board.h"
#include "core/Progress.h"
#include "core/Settings.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const ScratchFolder& dir = FuzzFolder();
  const std::string game = dir.File("SaveGame.gam", bytes);
  dir.File("config.ini", bytes);
  dir.File("Progress.dat", bytes);

  const Progress progress = LoadProgress(dir.Folder());
  FUZZ_CHECK(progress == ParseProgress(bytes));
  FUZZ_CHECK(progress.savedGame.empty() || progress.savedGame.size() == 16);
  FUZZ_CHECK(progress.moves >= 0 && progress.seconds >= 0);
  for (const auto& [key, best] : progress.best) {
    FUZZ_CHECK(key.size >= 3 && key.size <= 9);
    FUZZ_CHECK(key.tileLength >= 1.0f && key.tileLength <= 5.0f);
    FUZZ_CHECK(best.moves >= 1 && best.seconds >= 0);
  }
  FUZZ_CHECK(ParseProgress(ProgressText(progress)) == progress);

  GameState settings;
  settings.PlayerFolder = dir.Folder();
  LoadSettings(settings);
  const int16_t speech = settings.SpeechType;
  FUZZ_CHECK(speech == -1 || speech == 0 || speech == 1 || speech == 3);
  FUZZ_CHECK(settings.TileDuration >= 1.0f && settings.TileDuration <= 5.0f);

  GameState st;
  if (!ReadSavedGame(game, st)) return 0;
  const int n = st.BoardRows;
  FUZZ_CHECK(n >= 3 && n <= 9 && st.BoardColumns == n);
  FUZZ_CHECK(st.Cells.size() == static_cast<size_t>(n * n));
  std::vector<int16_t> sorted = st.Cells;
  std::sort(sorted.begin(), sorted.end());
  for (int i = 0; i < n * n; ++i) FUZZ_CHECK(sorted[static_cast<size_t>(i)] == i);
  FUZZ_CHECK(st.EmptyRow >= 1 && st.EmptyRow <= n && st.EmptyColumn >= 1 && st.EmptyColumn <= n);
  FUZZ_CHECK(st.Board(st.EmptyRow, st.EmptyColumn) == 0);
  FUZZ_CHECK(st.CursorRow >= 1 && st.CursorRow <= n && st.CursorColumn >= 1 && st.CursorColumn <= n);
  FUZZ_CHECK(st.MarkedTile >= 0 && st.MarkedTile < n * n);
  FUZZ_CHECK(st.TileDuration >= 1.0f && st.TileDuration <= 5.0f);
  FUZZ_CHECK(board::IsSolvable(st));
  FUZZ_CHECK(st.TilesInOrder == board::CountInOrder(st, n * n - 1));
  return 0;
}
