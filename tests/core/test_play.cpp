// Whole games, driven as a player would: keys and clicks into one window.
#include "FakeServices.h"

#include "core/Board.h"
#include "core/Game.h"
#include "core/Layout.h"
#include "core/Records.h"
#include "core/Settings.h"

#include "base/Files.h"
#include "base/VirtualKeys.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <queue>
#include <random>

namespace fs = std::filesystem;

namespace {

// Shortest list of empty-square directions that solves a 3 × 3 board.
std::vector<int> Solve3(const GameState& start) {
  auto key = [](const std::vector<int16_t>& c) { return std::string(c.begin(), c.end()); };
  GameState goal;
  board::LaySolved(goal, 3);
  std::map<std::string, std::pair<std::string, int>> from;
  std::queue<std::vector<int16_t>> todo;
  todo.push(start.Cells);
  from[key(start.Cells)] = {"", 0};
  while (!todo.empty()) {
    auto cells = todo.front();
    todo.pop();
    if (cells == goal.Cells) break;
    int e = 0;
    while (cells[static_cast<size_t>(e)] != 0) ++e;
    const int r = e / 3, c = e % 3;
    const int dr[] = {0, -1, 0, 1, 0}, dc[] = {0, 0, 1, 0, -1};
    for (int d = 1; d <= 4; ++d) {
      int nr = r + dr[d], nc = c + dc[d];
      if (nr < 0 || nr > 2 || nc < 0 || nc > 2) continue;
      auto next = cells;
      std::swap(next[static_cast<size_t>(e)], next[static_cast<size_t>(nr * 3 + nc)]);
      if (from.emplace(key(next), std::make_pair(key(cells), d)).second) todo.push(next);
    }
  }
  std::vector<int> path;
  for (std::string k = key(goal.Cells); !from[k].first.empty(); k = from[k].first) path.insert(path.begin(), from[k].second);
  return path;
}

class Play : public ::testing::Test {
 protected:
  fs::path dir;
  GameState st;
  FakeServices svc;
  Game game{st, svc, svc, svc};
  void SetUp() override {
    dir = fs::temp_directory_path() / ("tunzle-play-" + std::to_string(::getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    st.PlayerFolder = st.MusicLibraryFolder = dir.string() + "/";
    game.Seed(42);
  }
  void TearDown() override { fs::remove_all(dir); }
  void key(int16_t code, int16_t shift = 0) { game.form_keydown(code, shift); }
  // Walks the cursor with arrows to (r, c).
  void walkTo(int r, int c) {
    while (st.CursorRow < r) key(vk::Down);
    while (st.CursorRow > r) key(vk::Up);
    while (st.CursorColumn < c) key(vk::Right);
    while (st.CursorColumn > c) key(vk::Left);
  }
};

TEST_F(Play, AScrambledGamePlayedToTheWinFromTheKeyboard) {
  svc.files = {""};
  svc.picks = {"3"};
  key('N');
  ASSERT_EQ(st.BoardRows, 3);
  const auto path = Solve3(st);
  ASSERT_FALSE(path.empty());
  svc.clear();
  int notes = 0;
  for (size_t i = 0; i < path.size(); ++i) {
    const int d = path[i];
    const int dr[] = {0, -1, 0, 1, 0}, dc[] = {0, 0, 1, 0, -1};
    walkTo(st.EmptyRow + dr[d], st.EmptyColumn + dc[d]);
    const int before = st.TilesInOrder;
    const size_t mark = svc.log.size();
    if (i + 1 == path.size()) svc.answers = {msgbox::Yes};
    if (i + 1 == path.size()) svc.picks = {"4"}, svc.files = {""};
    key(vk::Space);
    if (i + 1 == path.size()) break;
    int heard = 0;
    for (size_t j = mark; j < svc.log.size(); ++j) heard += svc.log[j] == "sound note.wav";
    // A note for every tile the slide brought into the run, then the run itself.
    EXPECT_EQ(heard, std::max(0, st.TilesInOrder - before)) << "move " << i;
    if (st.TilesInOrder > before) {
      EXPECT_NE(std::find(svc.log.begin() + static_cast<long>(mark), svc.log.end(), "tile 1-" + std::to_string(st.TilesInOrder) + " 2.0"),
                svc.log.end());
    }
    notes += heard;
    EXPECT_TRUE(board::IsConsistent(st));
  }
  EXPECT_EQ(svc.count("entire"), 1);
  EXPECT_EQ(svc.count("msgbox Congratulations: Would you like another game?"), 1);
  // Yes started a fresh 4 × 4 game, said with its cursor on the top-left square.
  EXPECT_EQ(st.BoardRows, 4);
  EXPECT_TRUE(board::IsSolvable(st));
  EXPECT_FALSE(st.PuzzleSolved);
  EXPECT_EQ(st.CursorRow, 1);
  EXPECT_EQ(st.CursorColumn, 1);
  EXPECT_EQ(svc.log.back(), "say New game, 4 by 4. The cursor is on row 1, column 1, the empty square on row " +
                                std::to_string(st.EmptyRow) + ", column " + std::to_string(st.EmptyColumn) + ".");
}

TEST_F(Play, TenThousandRandomKeysAndClicksKeepTheBoardWholeAndRefusalsAudible) {
  svc.files = {""};
  svc.picks = {"4"};
  key('N');
  std::mt19937 rng(2024);
  const std::vector<int16_t> keys = {vk::Up, vk::Down, vk::Left, vk::Right, vk::Home, vk::End, vk::Prior, vk::Next,
                                     vk::Space, 'U', 'E', 'P', 'R', 'F', 'O', 'M', 'G', 'B', 'S', 'C', vk::F3, vk::F4,
                                     vk::F9, vk::Tab, 'Z', '1', vk::Return, vk::Escape};
  const std::vector<int16_t> audibleKeys = {vk::Up, vk::Down, vk::Left, vk::Right, vk::Home, vk::End, vk::Prior,
                                            vk::Next, vk::Space, 'U', 'E', 'P', 'R', 'F', 'O', 'G', 'B', 'S'};
  auto audible = [](const std::string& l) {
    return l.rfind("sound ", 0) == 0 || l.rfind("after the run: sound ", 0) == 0 || l.rfind("tile ", 0) == 0 || l.rfind("say ", 0) == 0 || l == "beep" ||
           l.rfind("original ", 0) == 0 || l == "entire";
  };
  for (int i = 0; i < 10000; ++i) {
    svc.clear();
    svc.picks = {std::uniform_int_distribution<int>(0, 1)(rng) ? "2.5" : "*1.5"};
    svc.answers = {msgbox::Cancel};
    if (i % 7 == 3) {
      const Rect s = LayOut(st, svc.HeightTwips()).squares[std::uniform_int_distribution<size_t>(0, 15)(rng)].rect;
      const int16_t button = std::array<int16_t, 3>{1, 2, 4}[std::uniform_int_distribution<int>(0, 2)(rng)];
      game.Form_MouseDown(button, 0, s.left + static_cast<float>(std::uniform_int_distribution<int>(-60, s.width + 60)(rng)),
                         s.top + static_cast<float>(std::uniform_int_distribution<int>(-60, s.height + 60)(rng)));
    } else {
      const int16_t k = keys[std::uniform_int_distribution<size_t>(0, keys.size() - 1)(rng)];
      const int16_t shift = std::uniform_int_distribution<int>(0, 9)(rng) == 0 ? shiftmask::Ctrl : 0;
      key(k, shift);
      if (std::find(audibleKeys.begin(), audibleKeys.end(), k) != audibleKeys.end()) {
        EXPECT_TRUE(std::any_of(svc.log.begin(), svc.log.end(), audible)) << "key " << k << " at step " << i;
      }
    }
    ASSERT_TRUE(board::IsConsistent(st)) << "step " << i;
    ASSERT_GE(st.CursorRow, 1);
    ASSERT_LE(st.CursorRow, st.BoardRows);
    ASSERT_GE(st.CursorColumn, 1);
    ASSERT_LE(st.CursorColumn, st.BoardColumns);
    ASSERT_EQ(st.TilesInOrder, board::CountInOrder(st, 15));
    ASSERT_GE(st.SongVolume, -3000);
    ASSERT_LE(st.SongVolume, 0);
    ASSERT_GE(st.TileDuration, 1.0f);
    if (svc.ended) {  // a win answered No: start the next game
      svc.ended = false;
      st.PuzzleSolved = false;
      svc.picks = {"4"};
      key('N');
    }
  }
}

TEST_F(Play, MutatedSavedGamesAndSettingsNeverReachTheGameBroken) {
  GameState g;
  g.PlayerFolder = st.PlayerFolder;
  board::LaySolved(g, 4);
  g.EmptyRow = g.EmptyColumn = 4;
  std::mt19937 rng(99);
  std::uniform_real_distribution<double> unit(0, 1);
  board::ShuffleMoves(g, [&] { return unit(rng); });
  g.SongFile = "/music/x.mp3";
  ASSERT_TRUE(SaveGame(g));
  ASSERT_TRUE(SaveSettings(g));
  const std::string game = *ReadWholeFile(dir / "SaveGame.gam");
  const std::string settings = *ReadWholeFile(dir / "config.ini");
  const std::string alphabet = "0123456789,-.\"#\r\nTRUEFALS x";
  auto mutate = [&](std::string s) {
    const int edits = std::uniform_int_distribution<int>(1, 4)(rng);
    for (int e = 0; e < edits && !s.empty(); ++e) {
      size_t at = std::uniform_int_distribution<size_t>(0, s.size() - 1)(rng);
      char c = alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(rng)];
      switch (std::uniform_int_distribution<int>(0, 3)(rng)) {
        case 0: s[at] = c; break;
        case 1: s.insert(at, 1, c); break;
        case 2: s.erase(at, 1); break;
        default: s.resize(at); break;
      }
    }
    return s;
  };
  int accepted = 0;
  for (int i = 0; i < 3000; ++i) {
    std::ofstream(dir / "SaveGame.gam", std::ios::binary | std::ios::trunc) << mutate(game);
    GameState out;
    if (ReadSavedGame((dir / "SaveGame.gam").string(), out)) {
      ++accepted;
      ASSERT_TRUE(board::IsSolvable(out));
      ASSERT_GE(out.BoardRows, 3);
      ASSERT_LE(out.BoardRows, 9);
      ASSERT_GE(out.CursorRow, 1);
      ASSERT_LE(out.CursorRow, out.BoardRows);
      ASSERT_GE(out.MarkedTile, 0);
      ASSERT_LT(out.MarkedTile, out.BoardRows * out.BoardColumns);
      ASSERT_GE(out.TileDuration, 1.0f);
      ASSERT_LE(out.TileDuration, 5.0f);
    }
    std::ofstream(dir / "config.ini", std::ios::binary | std::ios::trunc) << mutate(settings);
    std::ofstream(dir / "volumes.ini", std::ios::binary | std::ios::trunc) << mutate("-600\r\n");
    GameState s;
    s.PlayerFolder = st.PlayerFolder;
    LoadSettings(s);
    ASSERT_GE(s.CueVolume, rules::VolumeFloor);
    ASSERT_LE(s.CueVolume, rules::VolumeCeiling);
    ASSERT_TRUE(s.SpeechType == -1 || s.SpeechType == 0 || s.SpeechType == 1 || s.SpeechType == 3);
    ASSERT_GE(s.TileDuration, 1.0f);
    ASSERT_LE(s.TileDuration, 5.0f);
    ASSERT_FALSE(s.MusicLibraryFolder.empty());
  }
  EXPECT_GT(accepted, 0) << "some harmless mutations (the song name, say) still load";
}

}  // namespace
