#include "FakeServices.h"

#include "core/Board.h"
#include "core/Game.h"
#include "core/Layout.h"
#include "core/Progress.h"
#include "tests/support/BoardBuilder.h"
#include "tests/support/ScratchFolder.h"

#include "base/VirtualKeys.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <utility>
#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

class Commands : public ::testing::Test {
 protected:
  GameState st;
  FakeServices svc;
  Game game{st, svc, svc, svc};

  ScratchFolder players;
  void SetUp() override {
    st.NoKeyYet = false;
    // A quit writes the settings: into this test's own folder, nowhere else.
    st.PlayerFolder = players.Folder();
  }

  // Lays out a board from rows of tile numbers (0 = empty).
  void setBoard(std::vector<std::vector<int>> rows) {
    st.BoardRows = st.BoardColumns = static_cast<int16_t>(rows.size());
    board::LaySolved(st, st.BoardRows);
    LayRows(st, rows);
    board::Recount(st);
    st.Song = SongHandle{1};
    svc.clear();
  }
  // A new game, its moves and time counted from nothing, laid out as these rows.
  void newGame(std::vector<std::vector<int>> rows) {
    svc.files = {""};
    svc.picks = {std::to_string(rows.size())};
    key('N');
    setBoard(std::move(rows));
  }
  Lines said() const {
    Lines out;
    for (auto& l : svc.log)
      if (l.rfind("say ", 0) == 0) out.push_back(l.substr(4));
    return out;
  }
  void cursor(int r, int c) { st.CursorRow = static_cast<int16_t>(r); st.CursorColumn = static_cast<int16_t>(c); }
  void key(int16_t code, int16_t shift = 0) { game.form_keydown(code, shift); }
  // Speech heard only when the test says; time passes only when it says.
  void holdSpeech(bool on) { svc.holdSpeech = on, svc.autoPass = !on; }
  SquareShape square(int k) { return LayOut(st, svc.HeightTwips()).squares.at(static_cast<size_t>(k - 1)); }
  std::vector<std::string> without(std::initializer_list<std::string> noise) {
    std::vector<std::string> out;
    for (auto& l : svc.log)
      if (std::find(noise.begin(), noise.end(), l) == noise.end()) out.push_back(l);
    return out;
  }
};

TEST_F(Commands, SlidingTileOneHomePlaysOneNoteThenTileOne) {
  setBoard({{0, 3, 2}, {1, 5, 6}, {4, 7, 8}});
  cursor(2, 1);
  key(vk::Space);
  EXPECT_EQ(without({"stopspeech", "pause"}),
            (Lines{"sound note.wav", "tile 1-1 2.0", "after the run: sound noTile.wav"}));
  EXPECT_EQ(st.EmptyRow, 2);
  EXPECT_EQ(st.Board(1, 1), 1);
  EXPECT_EQ(KindOf(st, 1), SquareKind::InRun);
  EXPECT_EQ(KindOf(st, 4), SquareKind::Empty);

  // With row and column on, a square's words wait for a run still playing (here, as
  // if the slide's run went on) to play out, and the tile waits for the words.
  st.AnnounceCoordinates = true;
  svc.holdRun = true;
  svc.clear();
  key(vk::Right);
  EXPECT_EQ(without({"stopspeech", "pause"}), Lines{});
  FakeServices::release(svc.runWaiters);
  EXPECT_EQ(without({"stopspeech", "pause"}), (Lines{"say 2, 2", "waitspeech 5.00", "tile 5-5 2.0"}));
}

TEST_F(Commands, JoiningTwoRunsPlaysANoteForEachJoinedTile) {
  // 1, 2 home; 3 waits beside its square; 4 and 5 home.
  setBoard({{1, 2, 0}, {4, 5, 3}, {6, 7, 8}});
  cursor(2, 3);
  key(vk::Space);
  EXPECT_EQ(svc.count("sound note.wav"), 3);
  EXPECT_EQ(svc.count("tile 1-5 2.0"), 1);
  EXPECT_EQ(st.TilesInOrder, 5);
}

TEST_F(Commands, ATileOutsideTheRunPlaysNothing) {
  // Tile 5 goes home while 4 is not.
  setBoard({{1, 2, 3}, {7, 0, 5}, {4, 6, 8}});
  cursor(2, 3);
  key(vk::Space);
  EXPECT_EQ(svc.count("sound note.wav"), 0);
  EXPECT_EQ(st.Board(2, 2), 5);
  for (auto& l : svc.log) EXPECT_NE(l.rfind("tile 1-", 0), 0u) << l;
}

TEST_F(Commands, TheLastMoveWinsAndNeverBefore) {
  setBoard({{1, 2, 3}, {4, 5, 6}, {0, 7, 8}});
  cursor(3, 2);
  key(vk::Space);  // 7 home: not yet a win
  EXPECT_EQ(svc.count("entire"), 0);
  svc.answers = {msgbox::No};
  cursor(3, 3);
  svc.autoPass = false;
  svc.holdRun = true;
  svc.clear();
  key(vk::Space);
  // The solved board is shown at once; keys move nothing during the notes, the flourish or the song.
  EXPECT_TRUE(KindOf(st, 8) == SquareKind::InRun && KindOf(st, 9) == SquareKind::Empty);
  svc.Pass(0.1);
  for (int16_t k : {int16_t(vk::Left), int16_t(vk::Space), int16_t('P')}) key(k);
  svc.Pass();
  EXPECT_EQ(st.CursorColumn, 3);
  EXPECT_EQ(svc.count("sound note.wav"), 1 + 10);  // 8 home, the flourish
  EXPECT_EQ(svc.count("beep") + svc.count("tile 1-8 2.0") + svc.count("sound boop2.wav"), 0);
  // The whole song, then the question: never spoken over the song.
  const std::string another = "msgbox Congratulations: Would you like another game?";
  EXPECT_TRUE(svc.count("entire") == 1 && svc.count(another) == 0);
  FakeServices::release(svc.runWaiters);
  svc.Pass();
  EXPECT_LT(std::find(svc.log.begin(), svc.log.end(), "entire"), std::find(svc.log.begin(), svc.log.end(), another));
  // No: the puzzle counts as solved and the quit runs without a save question.
  EXPECT_TRUE(st.PuzzleSolved && svc.ended);
  EXPECT_EQ(svc.count("msgbox Save Game?: Would you like to save your game?"), 0);

  // A key during the song stops it and asks at once; the close box during it
  // quits without the question (the game is won, so nothing is asked).
  for (const bool close : {false, true}) {
    Game next{st, svc, svc, svc};
    svc.ended = st.PuzzleSolved = false;
    svc.answers = {msgbox::No};
    setBoard({{1, 2, 3}, {4, 5, 6}, {7, 0, 8}});
    cursor(3, 3);
    next.form_keydown(vk::Space, 0);
    svc.Pass();
    ASSERT_EQ(svc.count("entire"), 1);
    close ? next.CloseRequested() : next.form_keydown(vk::Left, 0);
    svc.Pass();
    const auto song = std::find(svc.log.begin(), svc.log.end(), "entire");
    EXPECT_EQ(*std::find_if(song + 1, svc.log.end(), [](auto& l) { return l != "stopspeech"; }), "pause");
    EXPECT_EQ(svc.count(another), close ? 0 : 1) << close;
    EXPECT_TRUE(svc.ended && st.PuzzleSolved) << close;
    svc.runWaiters.clear();
  }
}

TEST_F(Commands, SlidesAndUndoesAreAMoveEachAndTheTimeStandsStillInDialogs) {
  newGame({{0, 1, 2}, {3, 4, 5}, {6, 7, 8}});
  const auto start = st.Cells;
  cursor(1, 3);
  key(vk::Space);  // 1 and 2 slide home together: one move
  cursor(3, 3);
  key(vk::Space);  // 5 and 8 up
  EXPECT_EQ(st.TilesInOrder, 2);
  svc.clear();
  key('U');
  EXPECT_EQ(st.Board(3, 3), 8);
  EXPECT_EQ(st.Board(1, 3), 0);
  EXPECT_EQ(st.CursorRow, 1);
  EXPECT_EQ(st.CursorColumn, 3);
  key('U');
  // Back to the start, the run recounted; no notes, and the cursor's square said as after a slide.
  EXPECT_EQ(st.Cells, start);
  EXPECT_EQ(st.TilesInOrder, 0);
  EXPECT_EQ(without({"stopspeech", "pause"}), (Lines{"after the run: sound noTile.wav", "after the run: sound noTile.wav"}));
  svc.clear();
  key('U');
  EXPECT_EQ(without({"stopspeech", "pause"}), (Lines{"sound boop2.wav"})) << "nothing left to take back";
  EXPECT_EQ(st.Cells, start);

  svc.steady += 65;
  key('I');
  EXPECT_EQ(svc.log.back(), "say 0 of 8 tiles in order, 4 moves, 1 minute 5 seconds.");
  // Help, a list, the song selector backed out of, a voice setting: none of it is playing time.
  svc.dialogSeconds = 600;
  svc.activeSpeech = 3;
  svc.files = {""};
  svc.picks = {"", ""};
  for (int16_t k : {int16_t(vk::F1), int16_t(vk::F9), int16_t('N'), int16_t(vk::F7)}) key(k);
  EXPECT_EQ(svc.count("say Back to the board."), 1) << "after help";
  svc.dialogSeconds = 0;
  svc.steady += 3600;
  key('I');
  EXPECT_EQ(svc.log.back(), "say 0 of 8 tiles in order, 4 moves, 1 hour 1 minute 5 seconds.");
  EXPECT_EQ(st.Cells, start) << "the same game goes on";
}

TEST_F(Commands, TheWinSaysMovesAndTimeAndKeepsTheFewestAndFastestApart) {
  // One slide from the win, after `detours` slides and undos, taking `seconds`.
  auto win = [&](int detours, double seconds) {
    newGame({{1, 2, 3}, {4, 5, 6}, {7, 0, 8}});
    for (int i = 0; i < detours; ++i) {
      cursor(2, 2);
      key(vk::Space);
      key('U');
    }
    svc.steady += seconds;
    cursor(3, 3);
    svc.clear();
    svc.soundPolls = 2;
    key(vk::Space);
    svc.steady += 100;  // the flourish and the song are no longer the game's time
    // The song waits for the flourish's last note to ring out.
    const auto entire = std::find(svc.log.begin(), svc.log.end(), "entire");
    EXPECT_EQ(std::count(svc.log.begin(), entire, "sounding 3"), 3);
    EXPECT_EQ(entire[-1], "sounding 3");
    // The result comes after the song, heard out before the question.
    const auto asked = std::find(svc.log.begin(), svc.log.end(), "msgbox Congratulations: Would you like another game?");
    EXPECT_LT(entire, asked);
    EXPECT_EQ(asked[-1], "waitspeech 10.0");
    EXPECT_TRUE(std::all_of(svc.log.begin(), entire, [](auto& l) { return l.rfind("say ", 0) != 0; }));
    return said();
  };
  EXPECT_EQ(win(2, 40), (Lines{"Solved in 5 moves and 40 seconds.",
                               "Your first result for 3 by 3 with tiles of 2 seconds: your best so far."}))
      << "a first result is the best so far, of both";
  EXPECT_EQ(win(1, 30), (Lines{"Solved in 3 moves and 30 seconds.",
                               "Your best for 3 by 3 with tiles of 2 seconds: the fewest moves and the fastest time."}));
  EXPECT_EQ(win(0, 50), (Lines{"Solved in 1 move and 50 seconds.",
                               "Your best for 3 by 3 with tiles of 2 seconds: the fewest moves."}));
  EXPECT_EQ(win(2, 20), (Lines{"Solved in 5 moves and 20 seconds.",
                               "Your best for 3 by 3 with tiles of 2 seconds: the fastest time."}));
  EXPECT_EQ(win(0, 20), (Lines{"Solved in 1 move and 20 seconds."})) << "a tie is no new best";
  st.TileDuration = 1.0f;
  EXPECT_EQ(win(0, 75), (Lines{"Solved in 1 move and 1 minute 15 seconds.",
                               "Your first result for 3 by 3 with tiles of 1 second: your best so far."}))
      << "another tile length starts afresh";
  svc.clear();
  key('U');
  EXPECT_EQ(without({"stopspeech", "pause"}), (Lines{"sound boop2.wav"})) << "a solved game's slides stay made";

  // Read out, and kept in the player folder.
  svc.clear();
  key('I', shiftmask::Ctrl);
  EXPECT_EQ(said(), (Lines{"3 by 3 with tiles of 1 second: fewest moves 1, fastest 1 minute 15 seconds.",
                           "3 by 3 with tiles of 2 seconds: fewest moves 1, fastest 20 seconds."}));
  const Progress kept = LoadProgress(st.PlayerFolder);
  EXPECT_EQ(kept.best.size(), 2u);
  EXPECT_EQ(kept.best.at(BestKey{3, 2.0f}), (Best{1, 20}));
}

TEST_F(Commands, CursorAtTheEdgeRepeatsTheSquareAndBumps) {
  setBoard({{1, 2, 3}, {4, 5, 6}, {7, 8, 0}});
  cursor(1, 3);
  key(vk::Right);
  EXPECT_EQ(without({"stopspeech", "pause"}), (Lines{"tile 3-3 2.0", "after the run: sound boop2.wav"}));
  EXPECT_TRUE(square(3).cursor);
  svc.clear();
  key(vk::Left);
  EXPECT_EQ(without({"stopspeech", "pause"}), (Lines{"tile 2-2 2.0"}));
  EXPECT_FALSE(square(3).cursor);
  EXPECT_TRUE(square(2).cursor);
  key(vk::End);
  key(vk::Next);
  EXPECT_EQ(st.CursorRow, 3);
  EXPECT_EQ(st.CursorColumn, 3);
  EXPECT_EQ(svc.log.back(), "after the run: sound noTile.wav");
}

TEST_F(Commands, SpaceOffLineBeepsAndAThreeTileSlideMovesThree) {
  setBoard({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 0}});
  cursor(3, 3);
  key(vk::Space);
  EXPECT_EQ(svc.log.back(), "beep");
  cursor(4, 4);
  svc.clear();
  key(vk::Space);
  EXPECT_EQ(svc.log.back(), "beep");
  cursor(4, 1);
  key(vk::Space);
  EXPECT_EQ(st.Board(4, 1), 0);
  EXPECT_EQ(st.Board(4, 2), 13);
  EXPECT_EQ(st.Board(4, 3), 14);
  EXPECT_EQ(st.Board(4, 4), 15);
  EXPECT_EQ(st.EmptyColumn, 1);
  EXPECT_EQ(st.CursorColumn, 1);
  EXPECT_TRUE(board::IsConsistent(st));
}

TEST_F(Commands, ASlideMovesItsTilesAtOnceAndTheNextKeyDropsItsNotes) {
  // Tiles 1 and 2 go home, a note and a run each.
  setBoard({{0, 1, 2, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 3}});
  const auto start = st.Cells;
  cursor(1, 3);
  svc.autoPass = false;
  key(vk::Space);
  EXPECT_EQ(st.Board(1, 4), 4) << "a tile beyond the cursor moved";
  EXPECT_EQ(st.Board(1, 3), 0);
  EXPECT_EQ(st.CursorColumn, 3);
  EXPECT_EQ(svc.count("sound note.wav"), 1);
  key('P');
  svc.Pass();
  EXPECT_EQ(svc.count("sound note.wav"), 1) << "the notes still pending are dropped";
  EXPECT_EQ(svc.count("tile 1-1 2.0") + svc.count("sound noTile.wav"), 0);
  EXPECT_EQ(svc.log.back(), "tile 1-2 2.0");
  // One undo takes the whole slide back.
  key('U');
  EXPECT_EQ(st.Cells, start);
}

TEST_F(Commands, PlayTheRunAndTheRow) {
  setBoard({{1, 2, 3, 4}, {5, 6, 8, 7}, {9, 10, 11, 12}, {13, 14, 15, 0}});
  cursor(2, 2);
  key('P');
  EXPECT_EQ(svc.log.back(), "tile 1-6 2.0");
  key('R');
  EXPECT_EQ(svc.log.back(), "tile 5-6 2.0");
  // A run that stops before the row: nothing to play, and the bump.
  setBoard({{1, 2, 4, 3}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 0}});
  cursor(2, 1);
  key('R');
  EXPECT_EQ(without({"stopspeech", "pause"}), (Lines{"sound boop2.wav"}));
  // Nothing in order.
  setBoard({{2, 1, 3}, {4, 5, 6}, {7, 8, 0}});
  key('P');
  EXPECT_EQ(svc.log.back(), "sound boop2.wav");
}

TEST_F(Commands, RowRunIsCutAtTheRowEnd) {
  setBoard({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 11, 10, 12}, {13, 14, 15, 0}});
  cursor(2, 4);
  key('R');
  EXPECT_EQ(svc.log.back(), "tile 5-8 2.0");
}

TEST_F(Commands, SongAndCueVolumeKeysStayWithinLimitsAndDoNotPause) {
  setBoard({{1, 2, 3}, {4, 5, 6}, {7, 8, 0}});
  key(vk::F3);
  EXPECT_EQ(st.SongVolume, 0);
  EXPECT_EQ(svc.count("pause"), 0);
  EXPECT_EQ(svc.log.back(), "sound boop2.wav") << "louder than the loudest is refused audibly";
  cursor(2, 2);
  key(vk::F4);
  EXPECT_EQ(Lines(svc.log.end() - 2, svc.log.end()), (Lines{"volume -200", "piece 5"})) << "heard on the cursor's tile";
  for (int i = 0; i < 20; ++i) key(vk::F4);
  EXPECT_EQ(st.SongVolume, -3000);
  EXPECT_EQ(svc.log.back(), "sound boop2.wav");
  EXPECT_EQ(svc.count("volume -3000"), 7);  // reached once, then six presses at the limit
  EXPECT_EQ(svc.count("piece 5"), 15) << "no piece at the limit, only the bump";
  key(vk::F3);
  EXPECT_EQ(st.SongVolume, -2800);

  // F11 and F12 do the same for the cues, and leave the song alone.
  svc.log.clear();
  key(vk::F11);
  EXPECT_EQ(svc.log.back(), "sound boop2.wav");
  key(vk::F12);
  EXPECT_EQ(Lines(svc.log.end() - 3, svc.log.end()), (Lines{"cue volume -200", "sound note.wav", "say Sound effects 93 percent."}));
  for (int i = 0; i < 20; ++i) key(vk::F12);
  EXPECT_EQ(st.CueVolume, -3000);
  EXPECT_EQ(svc.log.back(), "sound boop2.wav");
  EXPECT_EQ(svc.count("say Sound effects 0 percent."), 1);
  EXPECT_EQ(st.SongVolume, -2800);
  EXPECT_EQ(svc.count("pause"), 0);
}

TEST_F(Commands, TileLengthFromThePickList) {
  setBoard({{1, 2, 3}, {4, 5, 6}, {7, 8, 0}});
  svc.picks = {"*2.5"};
  key(vk::F9);
  EXPECT_FLOAT_EQ(st.TileDuration, 2.5f);
  // The board's tiles are cut anew: the player hears it.
  EXPECT_EQ(svc.log.back(), "say Tiles are now 2.5 seconds long.");
  svc.picks = {"0.5"};
  key(vk::F9);
  EXPECT_FLOAT_EQ(st.TileDuration, 2.0f);
  EXPECT_EQ(svc.log.back(), "sound boop2.wav");
  svc.picks = {"1"};
  key(vk::F9);
  EXPECT_EQ(svc.log.back(), "say Tiles are now 1 second long.");
  svc.picks = {""};
  st.TileDuration = 3.0f;
  key(vk::F9);
  EXPECT_FLOAT_EQ(st.TileDuration, 3.0f);
  EXPECT_EQ(svc.log.back(), "say Tiles stay 3 seconds long.");
}

TEST_F(Commands, TheSoundServerGoingAndComingBackIsSaidByAVoiceThatCanBeHeard) {
  svc.activeSpeech = 1;
  game.SoundServerChanged(false);
  EXPECT_EQ(svc.log.back(), "say The sound is gone. The game waits for it to come back.");
  game.SoundServerChanged(true);
  EXPECT_EQ(svc.log.back(), "say The sound is back.");
  // The built-in voice plays through the lost output: it waits to say it is back.
  svc.activeSpeech = 3;
  svc.log.clear();
  game.SoundServerChanged(false);
  EXPECT_TRUE(svc.log.empty());
  game.SoundServerChanged(true);
  EXPECT_EQ(svc.log.back(), "say The sound is back.");
}

TEST_F(Commands, MarkAndGoToTheMark) {
  setBoard({{1, 2, 3}, {4, 5, 6}, {7, 8, 0}});
  key('G');
  // No mark: the square again, then the bump after it.
  EXPECT_EQ(svc.log.back(), "after the run: sound boop2.wav");
  cursor(2, 2);
  key('M');
  EXPECT_EQ(st.MarkedTile, 5);
  EXPECT_EQ(svc.log.back(), "sound marker.wav");
  EXPECT_TRUE(LayOut(st, svc.HeightTwips()).mark.has_value());
  cursor(1, 1);
  svc.clear();
  key('G');
  EXPECT_EQ(st.CursorRow, 2);
  EXPECT_EQ(st.CursorColumn, 2);
  EXPECT_EQ(without({"stopspeech", "pause"}), (Lines{"tile 5-5 2.0", "after the run: sound marker.wav"}));
  // M on the empty square clears the mark silently.
  cursor(3, 3);
  svc.clear();
  key('M');
  EXPECT_EQ(st.MarkedTile, 0);
  EXPECT_FALSE(LayOut(st, svc.HeightTwips()).mark.has_value());
  EXPECT_EQ(svc.count("sound marker.wav"), 0);
}

TEST_F(Commands, EmptySquareKeysAndAnnouncements) {
  setBoard({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 0, 11}, {13, 14, 15, 12}});
  key('B');
  EXPECT_EQ(svc.log.back(), "say 3, 3");
  key('B', shiftmask::Ctrl | shiftmask::Shift);  // Ctrl+Shift+B is B
  EXPECT_EQ(svc.log.back(), "say 3, 3");
  key('B', shiftmask::Ctrl);
  EXPECT_EQ(st.CursorRow, 3);
  EXPECT_EQ(st.CursorColumn, 3);
  key('C');
  EXPECT_TRUE(st.AnnounceStatus);
  svc.clear();
  key('S');
  // The words first, heard out, then the sound: never over each other.
  EXPECT_EQ(without({"stopspeech", "pause"}),
            (Lines{"say Row and column on", "waitspeech 5.00", "say Space", "say 3, 3", "waitspeech 5.00",
                   "after the run: sound noTile.wav"}));
  st.AnnounceStatus = false;
  svc.clear();
  key('S');
  EXPECT_EQ(without({"stopspeech", "pause"}), (Lines{"say Row and column off", "waitspeech 5.00", "after the run: sound noTile.wav"}));
  st.AnnounceStatus = true;
  key('S');
  svc.clear();
  key(vk::Left);
  EXPECT_EQ(without({"stopspeech", "pause"}), (Lines{"say 3, 2", "say correct", "waitspeech 5.00", "tile 10-10 2.0"}));
  // A key while the words are said stops them; the square left behind is not played.
  holdSpeech(true);
  svc.clear();
  key(vk::Left);
  key(vk::Right);
  FakeServices::release(svc.speechWaiters);
  holdSpeech(false);
  EXPECT_EQ(svc.count("tile 9-9 2.0"), 0);
  EXPECT_EQ(svc.log.back(), "tile 10-10 2.0");
  key(vk::Up);
  key(vk::Up);
  key(vk::Right);
  key(vk::Right);
  svc.clear();
  key(vk::Down);
  EXPECT_EQ(without({"stopspeech", "pause"}), (Lines{"say 2, 4", "say correct", "waitspeech 5.00", "tile 8-8 2.0"}));
  key(vk::Down);
  EXPECT_EQ(svc.count("say wrong"), 1);
  // An edge key overtaken while its words are said leaves no bump after the next square.
  holdSpeech(true);
  svc.clear();
  key(vk::Right);
  key(vk::Left);
  FakeServices::release(svc.speechWaiters);
  EXPECT_EQ(svc.log.back(), "after the run: sound noTile.wav");
  EXPECT_EQ(svc.count("sound boop2.wav"), 0);
}

TEST_F(Commands, EndOfRunAndOriginalTile) {
  setBoard({{1, 2, 3}, {4, 6, 5}, {7, 8, 0}});
  key('E');
  EXPECT_EQ(st.CursorRow, 2);
  EXPECT_EQ(st.CursorColumn, 1);
  cursor(2, 2);
  key('O');
  EXPECT_EQ(svc.log.back(), "original 5");
  setBoard({{2, 1, 3}, {4, 5, 6}, {7, 8, 0}});
  cursor(2, 2);
  key('E');
  EXPECT_EQ(st.CursorRow, 2);
  EXPECT_TRUE(square(5).cursor) << "the cursor keeps its place";
  EXPECT_EQ(svc.log.back(), "sound boop2.wav");
}

TEST_F(Commands, ATileOfSilenceBumpsForEveryKeyThatWouldPlayIt) {
  setBoard({{1, 2, 3}, {4, 5, 6}, {0, 7, 8}});
  st.NoKeyYet = false;
  svc.silentTiles = {1, 2};  // a song that starts with silence
  auto heard = [&](auto&& press) {
    svc.clear();
    press();
    return without({"stopspeech", "pause"});
  };
  cursor(1, 2);
  EXPECT_EQ(heard([&] { key(vk::Left); }), (Lines{"sound boop2.wav"}));
  EXPECT_EQ(heard([&] { key('O'); }), (Lines{"sound boop2.wav"}));
  cursor(2, 1);
  EXPECT_EQ(heard([&] { key('O'); }), (Lines{"original 4"}));
  EXPECT_EQ(heard([&] { key('P'); }), (Lines{"tile 1-6 2.0"})) << "a run with sound in it plays whole";
  const Rect sq = square(2).rect;
  svc.now += 1;
  EXPECT_EQ(heard([&] {
              game.Form_MouseMove(0, 0, sq.left + 10, sq.top + 10);
              svc.now += rules::HoverSeconds;
              game.HoverRested();
            }),
            (Lines{"sound boop2.wav"}));

  svc.silentTiles = {1, 2, 3, 4, 5, 6, 7};
  EXPECT_EQ(heard([&] { key('P'); }), (Lines{"sound boop2.wav"}));
  EXPECT_EQ(heard([&] { key('R'); }), (Lines{"sound boop2.wav"}));
  // A slide that joins a silent run: its note, the bump rung out, then the empty square's cue.
  cursor(3, 2);
  EXPECT_EQ(heard([&] { key(vk::Space); }),
            (Lines{"sound note.wav", "sound boop2.wav", "sounding 3", "after the run: sound noTile.wav"}));
}

TEST_F(Commands, AVoiceAdjusterTakesTheKeysUntilItCloses) {
  setBoard({{1, 2, 3}, {4, 5, 6}, {7, 8, 0}});
  svc.activeSpeech = 3;
  svc.holdAdjuster = true;
  key(vk::F6);
  svc.clear();
  key(vk::Down, 1);
  EXPECT_EQ(svc.log, (Lines{"adjusterkey 40 1"}));
  EXPECT_EQ(st.CursorRow, 1);
  svc.adjusterDone(4);
  EXPECT_EQ(st.SapiVoiceNumber, 4);
  key(vk::Down);
  EXPECT_EQ(st.CursorRow, 2);
}

TEST_F(Commands, ASongTooShortForTheBoardIsSaidBeforeItIsBuiltAndItsSilentTilesBump) {
  st.MusicLibraryFolder = "/music/";
  svc.songTiles = 5;  // 5 tiles of sound: a 3 by 3 board needs 8
  svc.files = {"/music/short.wav", "/music/v1.2/short"};
  svc.picks = {"3", "3"};
  svc.answers = {msgbox::Yes, msgbox::No};
  key('N');
  // Named by its format (a dot in a folder's name is none), asked before the
  // board is built: Yes chooses again, No plays it.
  const std::string warning = "msgbox Song Too Short: song is too short. Either reduce the duration of the song tiles, "
                              "reduce the number of rows and columns, or select a longer ";
  EXPECT_EQ(svc.count(warning + "WAV. Would you like to choose another song?"), 1);
  EXPECT_EQ(svc.count(warning + "MP3. Would you like to choose another song?"), 1);
  EXPECT_EQ(svc.count("select Select Music File to tunzle in /music/"), 2);
  EXPECT_EQ(st.SongFile, "/music/v1.2/short");
  ASSERT_TRUE(st.HasBoard());
  // Tiles past the song's end bump instead of playing nothing.
  setBoard({{1, 2, 3}, {4, 5, 6}, {7, 8, 0}});
  cursor(2, 1);
  svc.clear();
  key(vk::Right);
  EXPECT_EQ(svc.count("tile 5-5 2.0"), 1);
  svc.clear();
  key(vk::Right);
  EXPECT_EQ(svc.count("tile 6-6 2.0"), 0);
  EXPECT_EQ(svc.log.back(), "sound boop2.wav");

  // A long song opened into the same player, for the same board and tile
  // length, is asked anew: nothing of the short song's end is kept.
  svc.songTiles = 1000;
  svc.files = {"/music/long.flac"};
  svc.picks = {"3"};
  key('N');
  EXPECT_EQ(svc.count("song /music/long.flac"), 1);
  setBoard({{1, 2, 3}, {4, 5, 6}, {7, 8, 0}});
  cursor(2, 2);
  key(vk::Right);
  EXPECT_EQ(svc.log.back(), "tile 6-6 2.0");
}

TEST_F(Commands, AltF4QuitsAndCancelKeepsTheGame) {
  setBoard({{1, 2, 3}, {4, 5, 6}, {7, 0, 8}});
  svc.answers = {msgbox::Cancel};
  key(vk::F4, shiftmask::Alt);
  EXPECT_EQ(svc.count("msgbox Save Game?: Would you like to save your game?"), 1);
  EXPECT_FALSE(svc.ended);
  EXPECT_EQ(st.Board(3, 2), 0);
  EXPECT_EQ(svc.log.back(), "say The game goes on.");
}

TEST_F(Commands, NewGameOpensTheSongAsksTheSizeAndShuffles) {
  st.PlayerFolder = "/players/ann/";
  st.MusicLibraryFolder = "/music/";
  st.Song = SongHandle{3};
  svc.files = {"/music/a.mp3"};
  svc.picks = {"5"};
  key('N');
  EXPECT_EQ(svc.count("closesong 3"), 1);
  EXPECT_EQ(svc.count("song /music/a.mp3"), 1);
  EXPECT_EQ(st.Song.slot, 1);
  EXPECT_EQ(st.SongFile, "/music/a.mp3");
  EXPECT_EQ(st.BoardRows, 5);
  EXPECT_EQ(st.CursorRow, 1);
  EXPECT_EQ(st.CursorColumn, 1);
  EXPECT_TRUE(board::IsSolvable(st));
  // Cancelled selector: the player's sample song.
  svc.files = {""};
  svc.picks = {"3"};
  key('N');
  EXPECT_EQ(st.SongFile, "/players/ann/sample.mp3");
  // A song that cannot be opened is said, and the selector comes back.
  // It comes back where that song was, and so does the next new game.
  svc.songSlots = {0};
  svc.files = {"/music/jazz/bad.mp3", "/music/jazz/good.mp3"};
  svc.answers = {msgbox::Ok};
  svc.picks = {"4"};
  svc.clear();
  key('N');
  EXPECT_EQ(svc.count("msgbox Error: The song /music/jazz/bad.mp3 could not be played. Please choose another song."), 1);
  EXPECT_EQ(svc.count("select Select Music File to tunzle in /music/jazz/"), 1);
  EXPECT_EQ(st.SongFile, "/music/jazz/good.mp3");
  EXPECT_FALSE(svc.ended);
  // Escape at the size question: back to the game in progress, with its song.
  const auto cells = st.Cells;
  svc.files = {"/music/other.mp3"};
  svc.picks = {""};
  svc.clear();
  key('N');
  EXPECT_EQ(svc.count("select Select Music File to tunzle in /music/jazz/"), 1);
  EXPECT_FALSE(svc.ended);
  EXPECT_EQ(st.Cells, cells);
  EXPECT_EQ(st.SongFile, "/music/jazz/good.mp3");
  EXPECT_TRUE(svc.log.back().rfind("tile ", 0) == 0 || svc.log.back() == "after the run: sound noTile.wav") << "the square is announced";
  EXPECT_EQ(svc.count("song /music/jazz/good.mp3"), 1) << "the game's own song is opened again";
  EXPECT_TRUE(st.Song);
  // Only Q leaves, through its questions.
  svc.answers = {msgbox::Cancel};
  key('Q');
  EXPECT_EQ(svc.count("msgbox Save Game?: Would you like to save your game?"), 1);
  EXPECT_FALSE(svc.ended);
}

TEST_F(Commands, WhenNoSongPlaysEscapeLeadsToTheBoardWithNoGame) {
  st.PlayerFolder = "/players/ann/";
  // The sample fails; Escape at the selector again leads out.
  svc.songSlots = {0};
  svc.files = {"", ""};
  svc.answers = {msgbox::Ok};
  key('N');
  EXPECT_EQ(svc.count("song /players/ann/sample.mp3"), 1) << "the sample is not tried round and round";
  EXPECT_EQ(svc.count("select Select Music File to tunzle in "), 2);
  EXPECT_FALSE(st.HasBoard());
  EXPECT_FALSE(svc.ended);
  EXPECT_EQ(svc.log.back(), "say No game. Press N for a new game or Q to quit.");
  // N works there; Escape at its size question leads back to the same place.
  svc.files = {"/music/good.mp3"};
  svc.picks = {""};
  key('N');
  EXPECT_EQ(svc.count("song /music/good.mp3"), 1);
  EXPECT_FALSE(st.HasBoard());
  EXPECT_FALSE(svc.ended);
  EXPECT_EQ(st.Song.slot, 0) << "the unused song is let go";
  // And Q quits, with nothing to save.
  st.PlayerFolder = ::testing::TempDir();
  key('Q');
  EXPECT_TRUE(svc.ended);
  EXPECT_EQ(svc.count("msgbox Save Game?: Would you like to save your game?"), 0);
}

TEST_F(Commands, BoardKeysWithoutABoardSayWhatToDoOnceThenBump) {
  key(vk::Down);
  EXPECT_EQ(svc.log.back(), "say No game. Press N for a new game or Q to quit.");
  EXPECT_EQ(svc.count("sound boop2.wav"), 0);
  for (int16_t k : {int16_t(vk::Up), int16_t(vk::Space), int16_t('P'), int16_t('M'), int16_t('G')}) {
    svc.clear();
    key(k);
    EXPECT_EQ(svc.log, (Lines{"stopspeech", "sound boop2.wav"})) << k;
  }
  EXPECT_FALSE(st.HasBoard());
  svc.clear();
  key(vk::F1);
  EXPECT_EQ(svc.count("help MT.TXT"), 1);
  EXPECT_EQ(svc.log.back(), "say No game. Press N for a new game or Q to quit.") << "closing help says where the player is";
  // S switches like C; there is no square to announce.
  svc.clear();
  key('S');
  EXPECT_TRUE(st.AnnounceCoordinates);
  EXPECT_EQ(svc.count("sound boop2.wav"), 0);
}

TEST_F(Commands, HoverStartsAfterAKeyAndKeepsItsRhythm) {
  setBoard({{1, 2, 3}, {4, 5, 6}, {7, 8, 0}});
  st.NoKeyYet = true;
  const Rect sq = square(1).rect;
  const float x = sq.left + 10, y = sq.top + 10;
  game.Form_MouseMove(0, 0, x, y);
  EXPECT_TRUE(svc.log.empty());
  EXPECT_EQ(svc.hoverDue, -1);
  st.NoKeyYet = false;
  // The first move is heard once the pointer has rested half a second.
  game.Form_MouseMove(0, 0, x, y);
  EXPECT_TRUE(svc.log.empty());
  EXPECT_FLOAT_EQ(svc.hoverDue, 0.5f);
  svc.now += 0.5;
  game.HoverRested();
  EXPECT_EQ(svc.log, (Lines{"tile 1-1 2.0"}));
  svc.now += 0.6;
  game.Form_MouseMove(0, 0, x + 40, y);  // same tile: not repeated
  EXPECT_EQ(svc.log.size(), 1u);
  // Moved on too soon, then resting: the square under it plays and takes the cursor.
  const Rect sq2 = square(2).rect, sq4 = square(4).rect;
  svc.now += 0.2;
  svc.hoverDue = -1;
  game.Form_MouseMove(0, 0, sq2.left + 10, y);
  svc.now += 0.1;
  game.Form_MouseMove(0, 0, sq4.left + 10, sq4.top + 10);
  EXPECT_EQ(svc.log.size(), 1u);
  EXPECT_NEAR(svc.hoverDue, 0.2f, 0.01f);
  svc.now += 0.2;
  game.HoverRested();
  EXPECT_EQ(svc.log.back(), "tile 4-4 2.0");
  EXPECT_EQ(st.CursorRow, 2);
  EXPECT_EQ(st.CursorColumn, 1);
  game.HoverRested();  // a stale timer plays nothing more
  EXPECT_EQ(svc.log.size(), 2u);
  svc.now += 0.6;
  game.Form_MouseMove(0, 0, sq2.left + 30, y);
  EXPECT_EQ(svc.log.back(), "tile 2-2 2.0");
  // Over the gap, then back: played again.
  svc.now += 0.6;
  game.Form_MouseMove(0, 0, sq2.left - 25, y);
  svc.now += 0.6;
  game.Form_MouseMove(0, 0, sq2.left + 10, y);
  EXPECT_EQ(svc.count("tile 2-2 2.0"), 2);
  // From a tile onto the empty square: the empty cue; and from off the board too.
  const Rect empty = square(9).rect;
  svc.now += 0.6;
  game.Form_MouseMove(0, 0, empty.left + 10, empty.top + 10);
  EXPECT_EQ(svc.log.back(), "sound noTile.wav");
  svc.now += 0.6;
  game.Form_MouseMove(0, 0, empty.left + empty.width + 400, empty.top + 10);
  svc.now += 0.6;
  game.Form_MouseMove(0, 0, empty.left + 20, empty.top + 10);
  EXPECT_EQ(svc.count("sound noTile.wav"), 2);
  // The pointer resting while a key's square words are said takes the cursor;
  // the words' square is not played after them.
  st.AnnounceCoordinates = true;
  holdSpeech(true);
  key(vk::Up);
  svc.now += 0.6;
  game.Form_MouseMove(0, 0, x, y);
  EXPECT_EQ(svc.log.back(), "tile 1-1 2.0");
  const size_t heard = svc.log.size();
  FakeServices::release(svc.speechWaiters);
  EXPECT_EQ(svc.log.size(), heard);
}

TEST_F(Commands, ClicksSlideAndMark) {
  setBoard({{2, 1, 3}, {4, 5, 6}, {7, 0, 8}});
  const Rect sq = square(8).rect;
  game.Form_MouseDown(2, 0, sq.left + 1, sq.top + 1);
  EXPECT_EQ(st.MarkedTile, 0) << "right click on the empty square clears the mark";
  const Rect t9 = square(9).rect;
  game.Form_MouseDown(2, 0, t9.left + 1, t9.top + 1);
  EXPECT_EQ(st.MarkedTile, 8);
  EXPECT_EQ(svc.count("sound marker.wav"), 0);
  game.Form_MouseDown(1, 0, t9.left + 1, t9.top + 1);
  EXPECT_EQ(st.Board(3, 3), 0);
  EXPECT_EQ(svc.count("sound note.wav"), 0);
  // Edges: right and bottom edges belong to the next gap.
  svc.clear();
  game.Form_MouseDown(4, 0, sq.left + sq.width, sq.top);
  EXPECT_EQ(st.CursorColumn, 3);
  game.Form_MouseDown(4, 0, sq.left, sq.top);
  EXPECT_EQ(st.CursorColumn, 2);
  EXPECT_TRUE(svc.log.empty()) << "a middle click only moves the cursor";
}

TEST_F(Commands, ValuesAreHeard) {
  setBoard({{1, 2, 3}, {4, 5, 6}, {7, 8, 0}});
  // S and C say which way they switched.
  key('S');
  key('S');
  EXPECT_EQ(svc.count("say Row and column on"), 1);
  EXPECT_EQ(svc.count("say Row and column off"), 1);
  st.AnnounceStatus = true;
  key('C');
  EXPECT_EQ(svc.log.back(), "say Correct and wrong off");
  // The pick lists open on the value in use.
  st.TileDuration = 4.0f;
  st.SpeechType = 3;
  key(vk::F9);
  key(vk::F5);
  EXPECT_EQ(svc.count("pick p:Song tile duration in seconds|1|1.5|2|2.5|3|3.5|*4|4.5|5"), 1);
  EXPECT_EQ(svc.count("pick p:Select Speech Type|No speech:0|Screen reader:1|*Built-in voice:3"), 1);
  EXPECT_FLOAT_EQ(st.TileDuration, 4.0f);
  // Closing the speech list says the speech in use; the choice switches and says it in the new one.
  svc.activeSpeech = 3;
  svc.picks = {""};
  key(vk::F5);
  EXPECT_EQ(svc.log.back(), "say Built-in voice");
  svc.picks = {"1"};
  key(vk::F5);
  EXPECT_EQ(svc.log.back(), "say Screen reader");
  EXPECT_EQ(svc.count("tts 1"), 1);
  // The voice's settings are the built-in voice's: beside the speech server they are refused, aloud.
  for (int16_t k : {int16_t(vk::F6), int16_t(vk::F7), int16_t(vk::F8)}) {
    svc.clear();
    key(k);
    EXPECT_EQ(without({"stopspeech", "pause"}), (Lines{"sound boop2.wav"})) << "key " << k;
  }
  // F2 says the folder it keeps.
  svc.files = {"/music/pop/a.mp3"};
  key(vk::F2);
  EXPECT_EQ(svc.log.back(), "say Music library folder /music/pop/");
  // M on the empty square says there is nothing to mark, and drops a mark.
  cursor(1, 1);
  key('M');
  EXPECT_EQ(st.MarkedTile, 1);
  cursor(3, 3);
  key('M');
  key('M');
  EXPECT_EQ(st.MarkedTile, 0);
  EXPECT_EQ(svc.count("say No tile to mark here. The mark is removed."), 1);
  EXPECT_EQ(svc.count("say No tile to mark here."), 1);
  // The size list opens on the board in use.
  setBoard({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 0, 15}});
  svc.files = {"/music/a.mp3"};
  svc.picks = {""};
  key('N');
  EXPECT_EQ(svc.count("pick p:Select square size|3|*4:4|5|6|7|8|9"), 1);
}

// A key the board answers but the help's list of all keys leaves out would
// stay unknown to a player who cannot see the screen.
TEST(HelpText, NamesEveryKeyTheBoardAnswers) {
  std::set<std::string> named;
  std::ifstream in(std::string(HELP_TEXT_DIR) + "/MT.TXT");
  bool inList = false;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind('+', 0) == 0) {
      inList = line.find("All keys at a glance") != std::string::npos;
      continue;
    }
    const size_t colon = line.find(':');
    if (!inList || colon == std::string::npos) continue;
    std::stringstream keys(line.substr(0, colon));
    for (std::string k; std::getline(keys, k, ',');) named.insert(k.substr(k.find_first_not_of(' ')));
  }
  ASSERT_GT(named.size(), 20u);

  int count = 0;
  const KeyBinding* bindings = KeyBindings(count);
  std::set<std::pair<int16_t, int16_t>> bound;
  std::string missing;
  for (int i = 0; i < count; ++i) {
    if (!named.count(bindings[i].name)) missing += std::string(bindings[i].name) + "; ";
    bound.insert({bindings[i].code, bindings[i].shift});
  }
  EXPECT_TRUE(missing.empty()) << "not in the help's key list: " << missing;

  // And no key outside the table does anything on a board where every command has something to do.
  ScratchFolder players;
  for (int16_t code = 1; code < 256; ++code)
    for (int16_t shift : {int16_t(0), int16_t(shiftmask::Ctrl), int16_t(shiftmask::Alt)}) {
      if (bound.count({code, shift}) || bound.count({code, AnyShift})) continue;
      GameState st;
      FakeServices svc;
      Game game(st, svc, svc, svc);
      st.NoKeyYet = false;
      st.PlayerFolder = players.Folder();
      board::LaySolved(st, 3);
      LayRows(st, {{1, 2, 3}, {4, 5, 6}, {7, 0, 8}});
      board::Recount(st);
      st.Song = SongHandle{1};
      svc.activeSpeech = 3;
      game.form_keydown(code, shift);
      for (auto& l : svc.log) EXPECT_TRUE(l == "stopspeech" || l == "pause") << "key " << code << " shift " << shift << ": " << l;
    }
}

}  // namespace
