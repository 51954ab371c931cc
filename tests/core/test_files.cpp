#include "FakeServices.h"

#include "core/Board.h"
#include "core/Game.h"
#include "core/Layout.h"
#include "core/Progress.h"
#include "core/Records.h"
#include "core/Settings.h"
#include "core/Texts.h"
#include "core/Tutorial.h"

#include "base/Files.h"
#include "base/VirtualKeys.h"

#include <algorithm>
#include <clocale>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

namespace fs = std::filesystem;

namespace {

class Files : public ::testing::Test {
 protected:
  fs::path dir;
  GameState st;
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("tunzle-game-" + std::to_string(::getpid()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    st.PlayerFolder = dir.string() + "/";
    st.MusicLibraryFolder = st.PlayerFolder;
  }
  void TearDown() override { fs::remove_all(dir); }
  void put(const std::string& name, const std::string& text) { std::ofstream(dir / name, std::ios::binary) << text; }
  std::string read(const std::string& name) { return ReadWholeFile(dir / name).value_or("<missing>"); }
  // Starts a game whose player folder lies in this test's own "data" folder.
  void startIn(Game& game, const std::string& commandLine) {
    fs::create_directories(dir / "data");
    setenv("appdata", (dir / "data").c_str(), 1);
    game.Start(commandLine);
    unsetenv("appdata");
  }
};

TEST_F(Files, SettingsAreWrittenToTheByte) {
  st.SpeechType = 3;
  st.TileDuration = 2.5f;
  st.MusicLibraryFolder = "/home/ann/Music/";
  ASSERT_TRUE(SaveSettings(st));
  EXPECT_EQ(read("config.ini"), "0,95,1,\"/home/ann/Music/\",3,2.5\r\n");
  st.TileDuration = 2.0f;
  st.SapiRate = -4;
  ASSERT_TRUE(SaveSettings(st));
  EXPECT_EQ(read("config.ini"), "-4,95,1,\"/home/ann/Music/\",3,2\r\n");
}

TEST_F(Files, SettingsRoundTripAndDefaults) {
  st.SapiRate = 7; st.SapiVolume = 40; st.SapiVoiceNumber = 2; st.SpeechType = 1; st.TileDuration = 4.5f;
  st.MusicLibraryFolder = "/m/";
  ASSERT_TRUE(SaveSettings(st));
  GameState back;
  back.PlayerFolder = st.PlayerFolder;
  back.MusicLibraryFolder = back.PlayerFolder;
  LoadSettings(back);
  EXPECT_EQ(back.SapiRate, 7); EXPECT_EQ(back.SapiVolume, 40); EXPECT_EQ(back.SapiVoiceNumber, 2);
  EXPECT_EQ(back.SpeechType, 1); EXPECT_FLOAT_EQ(back.TileDuration, 4.5f); EXPECT_EQ(back.MusicLibraryFolder, "/m/");
  EXPECT_EQ(back.CueVolume, 0);

  // The cues' volume has a file of its own: config.ini stays as older versions read it.
  const std::string config = read("config.ini");
  st.CueVolume = -600;
  ASSERT_TRUE(SaveCueVolume(st));
  ASSERT_TRUE(SaveSettings(st));
  EXPECT_EQ(read("config.ini"), config);
  LoadSettings(back);
  EXPECT_EQ(back.CueVolume, -600);
  put("volumes.ini", "-99999\r\n");
  LoadSettings(back);
  EXPECT_EQ(back.CueVolume, -3000) << "out of range: the nearest limit";

  // An older file of five fields keeps the tile length; an empty folder means the player folder.
  put("config.ini", "1,90,2,\"\",3\r\n");
  GameState five;
  five.PlayerFolder = st.PlayerFolder;
  LoadSettings(five);
  EXPECT_FLOAT_EQ(five.TileDuration, 2.0f);
  EXPECT_EQ(five.MusicLibraryFolder, st.PlayerFolder);
  EXPECT_EQ(five.SpeechType, 3);
  EXPECT_EQ(five.SapiVolume, 90);

  // Values out of range fall back: a silent stray speech type would strand the player.
  put("CONFIG.INI", "x,95,1,\"/m/\",7,9.5\r\n");
  fs::remove(dir / "config.ini");
  GameState bad;
  bad.PlayerFolder = st.PlayerFolder;
  LoadSettings(bad);
  EXPECT_EQ(bad.SapiRate, 0);
  EXPECT_EQ(bad.SpeechType, -1);
  EXPECT_FLOAT_EQ(bad.TileDuration, 2.0f);
  EXPECT_EQ(bad.MusicLibraryFolder, "/m/");
}

TEST_F(Files, DecimalCommaLocaleStillWritesAndReadsAPeriod) {
  const char* old = std::setlocale(LC_ALL, nullptr);
  std::string saved = old ? old : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 locale not installed (scripts/setup.sh makes it)";
  st.TileDuration = 2.5f;
  st.SpeechType = 3;
  ASSERT_TRUE(SaveSettings(st));
  EXPECT_NE(read("config.ini").find(",3,2.5\r\n"), std::string::npos);
  GameState back;
  back.PlayerFolder = st.PlayerFolder;
  LoadSettings(back);
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_FLOAT_EQ(back.TileDuration, 2.5f);
}

TEST_F(Files, RecordsReadAcrossLinesAndQuotes) {
  RecordReader r("1,\"a, b\"\r\n-2,#TRUE#\r\n\"x\"");
  EXPECT_EQ(r.Int16(), 1);
  EXPECT_EQ(r.Str(), "a, b");
  EXPECT_EQ(r.Int16(), -2);
  EXPECT_EQ(r.Bool(), true);
  EXPECT_EQ(r.Str(), "x");
  EXPECT_FALSE(r.Field().has_value());
  RecordReader overflow("40000,abc");
  EXPECT_FALSE(overflow.Int16().has_value());
  EXPECT_FALSE(overflow.Int16().has_value());
}

class SavedGames : public Files {
 protected:
  FakeServices svc;
  // A new game, so its moves and time count, laid out as lay3's.
  void play3(Game& game) {
    svc.files = {""};
    svc.picks = {"3"};
    game.form_keydown('N', 0);
    lay3();
  }
  // The next start, which resumes the saved game.
  struct Resumed {
    GameState st;
    FakeServices svc;
    Game game{st, svc, svc, svc};
    explicit Resumed(const std::string& folder) {
      st.PlayerFolder = folder;
      svc.answers = {msgbox::Yes};
      game.OfferSavedGame();
    }
  };
  void lay3() {
    board::LaySolved(st, 3);
    st.EmptyRow = st.EmptyColumn = 3;
    // One legal move away from solved: 8 and the empty square swapped.
    board::Move(st, 4);
    st.CursorRow = 2; st.CursorColumn = 3;
    st.MarkedTile = 5; st.AnnounceStatus = true; st.AnnounceCoordinates = false;
    st.TileDuration = 2.5f; st.SongFile = "/music/Song.mp3"; st.SongVolume = -600;
  }
};

TEST_F(SavedGames, ThreeByThreeIsTenLinesAndReadsBack) {
  lay3();
  ASSERT_TRUE(SaveGame(st));
  std::string text = read("SaveGame.gam");
  EXPECT_EQ(text.substr(0, text.find("\r\n")), "2,3,3,2,3,3,2.5,#TRUE#,5,#FALSE#,\"/music/Song.mp3\",-600");
  int lines = 0;
  for (size_t p = 0; (p = text.find("\r\n", p)) != std::string::npos; p += 2) ++lines;
  EXPECT_EQ(lines, 10);
  GameState back;
  ASSERT_TRUE(ReadSavedGame(SavedGamePath(st), back));
  EXPECT_EQ(back.Cells, st.Cells);
  EXPECT_EQ(back.EmptyColumn, 2);
  EXPECT_EQ(back.MarkedTile, 5);
  EXPECT_EQ(back.SongVolume, -600);
  EXPECT_EQ(back.TilesInOrder, 7);
}

TEST_F(SavedGames, DamagedGamesAreRefusedAndLeaveTheStateAlone) {
  lay3();
  ASSERT_TRUE(SaveGame(st));
  const std::string good = read("SaveGame.gam");
  auto header = good.substr(0, good.find("\r\n"));
  auto squares = good.substr(good.find("\r\n"));
  auto replaceSquares = [&](const std::string& from, const std::string& to) {
    std::string s = squares;
    s.replace(s.find(from), from.size(), to);
    return header + s;
  };
  const std::vector<std::pair<std::string, std::string>> damaged = {
      {"empty", ""},
      {"truncated", good.substr(0, good.size() / 2)},
      {"size 10", "2,3,3,2,10,10,2.5,#TRUE#,5,#FALSE#,\"/s.mp3\",0" + squares},
      {"rows and columns differ", "2,3,3,2,3,4,2.5,#TRUE#,5,#FALSE#,\"/s.mp3\",0" + squares},
      {"tile length 0", "2,3,3,2,3,3,0,#TRUE#,5,#FALSE#,\"/s.mp3\",0" + squares},
      {"cursor off the board", "4,3,3,2,3,3,2.5,#TRUE#,5,#FALSE#,\"/s.mp3\",0" + squares},
      {"mark not a tile", "2,3,3,2,3,3,2.5,#TRUE#,9,#FALSE#,\"/s.mp3\",0" + squares},
      {"empty square elsewhere", "2,3,1,1,3,3,2.5,#TRUE#,5,#FALSE#,\"/s.mp3\",0" + squares},
      {"tile twice", replaceSquares("\r\n1\r\n", "\r\n2\r\n")},
      {"unsolvable", replaceSquares("\r\n1\r\n2\r\n", "\r\n2\r\n1\r\n")},
      {"garbage", "hello,world"},
  };
  for (const auto& [what, text] : damaged) {
    put("SaveGame.gam", text);
    GameState out;
    out.BoardRows = 4;
    EXPECT_FALSE(ReadSavedGame((dir / "SaveGame.gam").string(), out)) << what;
    EXPECT_EQ(out.BoardRows, 4) << what;
  }
}

TEST_F(SavedGames, DeleteIgnoresLetterCaseAndMissingFiles) {
  put("SAVEGAME.GAM", "x");
  EXPECT_FALSE(SavedGamePath(st).empty());
  DeleteSavedGame(st);
  EXPECT_TRUE(SavedGamePath(st).empty());
  DeleteSavedGame(st);  // nothing there: no failure
}

TEST_F(SavedGames, QuitWithYesThenResumeRestoresTheGame) {
  Game game(st, svc, svc, svc);
  st.NoKeyYet = false;
  play3(game);
  // Two moves (a slide and its undo) and 75 seconds; the save question's time is not played.
  st.CursorRow = 2; st.CursorColumn = 2;
  game.form_keydown(' ', 0);
  game.form_keydown('U', 0);
  svc.steady += 75;
  svc.dialogSeconds = 500;
  st.CursorRow = 2; st.CursorColumn = 3;
  svc.answers = {msgbox::Yes};
  game.form_keydown('Q', 0);
  EXPECT_TRUE(svc.ended);
  EXPECT_FALSE(read("config.ini").empty());

  Resumed resumed(st.PlayerFolder);
  GameState& next = resumed.st;
  FakeServices& svc2 = resumed.svc;
  EXPECT_EQ(next.Cells, st.Cells);
  EXPECT_EQ(next.CursorRow, 2);
  EXPECT_EQ(next.CursorColumn, 3);
  EXPECT_EQ(next.MarkedTile, 5);
  EXPECT_TRUE(next.AnnounceStatus);
  EXPECT_FLOAT_EQ(next.TileDuration, 2.5f);
  EXPECT_EQ(next.SongVolume, -600);
  EXPECT_EQ(next.Song.slot, 1);
  const BoardLayout drawn = LayOut(next, svc2.HeightTwips());
  EXPECT_TRUE(drawn.mark.has_value());
  EXPECT_FALSE(drawn.squares[4].cursor);
  EXPECT_TRUE(drawn.squares[5].cursor);
  EXPECT_EQ(svc2.laidOut, 1);
  const auto opened = std::find(svc2.log.begin(), svc2.log.end(), "song /music/Song.mp3");
  ASSERT_NE(opened, svc2.log.end());
  EXPECT_EQ(opened[1], "pause") << "the song played on under the words";
  // The game is said with its progress, heard out, and then the in-order run plays.
  const auto said = std::find(svc2.log.begin(), svc2.log.end(),
                              "say Saved game, 3 by 3. The cursor is on row 2, column 3, the empty square on row 3, column 2.");
  ASSERT_NE(said, svc2.log.end());
  EXPECT_EQ(said[1], "say 7 of 8 tiles in order, 2 moves, 1 minute 15 seconds.");
  EXPECT_EQ(said[2].rfind("waitspeech", 0), 0u);
  EXPECT_EQ(svc2.log.back(), "tile 1-7 2.5");
  EXPECT_TRUE(fs::exists(dir / "SaveGame.gam")) << "resuming keeps the file until the next quit";

  // Nothing in order: said once, by the progress, and not bumped.
  next.TilesInOrder = 0;
  svc2.clear();
  resumed.game.Resumed();
  EXPECT_EQ(svc2.count("say 0 of 8 tiles in order, 2 moves, 1 minute 15 seconds."), 1);
  EXPECT_EQ(svc2.log.back().rfind("waitspeech", 0), 0u) << "nothing more is said after the progress";
  EXPECT_EQ(svc2.count("sound boop2.wav"), 0);

  // Won, and the program ended at "another game?" (the box gave no answer):
  // the solved game is not offered at the next start.
  next.TilesInOrder = 7;
  next.CursorRow = next.CursorColumn = 3;
  svc2.clear();
  resumed.game.form_keydown(' ', 0);
  ASSERT_EQ(svc2.count("msgbox Congratulations: Would you like another game?"), 1);
  EXPECT_FALSE(fs::exists(dir / "SaveGame.gam"));
  EXPECT_EQ(SavedGamePath(next), "");
}

TEST_F(SavedGames, ProgressOfAnotherSavedGameOrDamagedIsIgnoredAndTheGameGoesOn) {
  st.NoKeyYet = false;
  {
    Game game(st, svc, svc, svc);
    play3(game);
    svc.answers = {msgbox::Yes};
    svc.steady += 30;
    game.form_keydown('Q', 0);
  }
  const std::string progress = read("Progress.dat");
  ASSERT_NE(progress.find("\r\n\"game\",\"" + Fingerprint(read("SaveGame.gam")) + "\",0,30\r\n"), std::string::npos) << progress;
  st.CursorRow = 1;
  ASSERT_TRUE(SaveGame(st));  // another saved game, written without its progress
  const std::string other = read("SaveGame.gam");
  for (const std::string& damaged : {progress, std::string("\"Music Tunzle progress\",1\r\n\"game\",\"zz\",5,5\r\n"),
                                     std::string("\x01\xff garbage")}) {
    put("Progress.dat", damaged);
    put("SaveGame.gam", other);
    Resumed next(st.PlayerFolder);
    EXPECT_EQ(next.st.Cells, st.Cells);
    EXPECT_EQ(next.svc.count("say 7 of 8 tiles in order, 0 moves, 0 seconds."), 1) << damaged;
    // Played to the win, it is said, but sets no best: its earlier moves are not known.
    next.st.CursorRow = 3; next.st.CursorColumn = 3;
    next.game.form_keydown(' ', 0);
    EXPECT_EQ(next.svc.count("say Solved in 1 move and 0 seconds."), 1);
    EXPECT_TRUE(LoadProgress(st.PlayerFolder).best.empty());
    EXPECT_EQ(read("SaveGame.gam"), "<missing>") << "solved, it is not offered again";
  }
}

TEST_F(Files, ProgressRoundTripsAndLeavesOutDamagedRecords) {
  Progress p;
  p.savedGame = Fingerprint("a saved game");
  p.moves = 12;
  p.seconds = 63;
  p.best[{3, 2.0f}] = {31, 124};
  p.best[{9, 4.5f}] = {800, 7200};
  ASSERT_TRUE(SaveProgress(st.PlayerFolder, p));
  const std::string text = read("Progress.dat");
  EXPECT_EQ(text, "\"Music Tunzle progress\",1\r\n\"game\",\"" + p.savedGame +
                      "\",12,63\r\n\"best\",3,2,31,124\r\n\"best\",9,4.5,800,7200\r\n");
  EXPECT_EQ(LoadProgress(st.PlayerFolder), p);

  // Each damaged record is left out; what is sound stays, so a later write keeps it.
  const std::string header = "\"Music Tunzle progress\",1\r\n";
  Progress kept = ParseProgress(header + "\"game\",\"" + p.savedGame + "\",-1,5\r\n\"best\",3,2,31,124\r\n" +
                                "\"best\",10,2,5,5\r\n\"best\",4,0.5,5,5\r\n\"best\",4,2,0,5\r\n\"best\",4,2\r\n" +
                                "\"later\",1,2\r\n\"best\",3,2,40,100\r\n");
  EXPECT_TRUE(kept.savedGame.empty());
  ASSERT_EQ(kept.best.size(), 1u);
  EXPECT_EQ(kept.best.at({3, 2.0f}), (Best{31, 100})) << "the same size and length twice: the better of each";
  // Not this file at all, or a later version: nothing of it.
  EXPECT_EQ(ParseProgress("\"Music Tunzle progress\",2\r\n\"best\",3,2,31,124\r\n"), Progress{});
  EXPECT_EQ(ParseProgress("\"best\",3,2,31,124\r\n"), Progress{});
}

TEST_F(SavedGames, CancelKeepsTheFileNoDeletesItDamagedStartsAnew) {
  put("savegame.gam", "damaged");
  svc.answers = {msgbox::Cancel};
  Game game(st, svc, svc, svc);
  game.OfferSavedGame();
  EXPECT_FALSE(st.HasBoard());
  EXPECT_TRUE(fs::exists(dir / "savegame.gam"));
  // Quit without a board: nothing to save, and the kept file stays.
  svc.clear();
  game.form_keydown('Q', 0);
  EXPECT_EQ(svc.count("msgbox Save Game?: Would you like to save your game?"), 0);
  EXPECT_TRUE(fs::exists(dir / "savegame.gam"));

  svc.answers = {msgbox::Yes, msgbox::Ok};
  svc.picks = {"3"};
  svc.clear();
  game.OfferSavedGame();
  EXPECT_EQ(svc.count("msgbox Error: The saved game is damaged and cannot be played. A new game starts."), 1);
  EXPECT_TRUE(st.HasBoard());
  EXPECT_TRUE(fs::exists(dir / "savegame.gam")) << "left until the next quit";

  svc.answers = {msgbox::No};
  svc.picks = {"3"};
  game.OfferSavedGame();
  EXPECT_FALSE(fs::exists(dir / "savegame.gam"));
}

TEST_F(SavedGames, AResumedGameWhoseSongCannotPlayIsSaidAndKeptWhileANewGameStarts) {
  lay3();
  ASSERT_TRUE(SaveGame(st));
  const std::string saved = read("SaveGame.gam");
  GameState next;
  next.PlayerFolder = next.MusicLibraryFolder = st.PlayerFolder;
  Game game(next, svc, svc, svc);
  svc.answers = {msgbox::Yes, msgbox::Ok};
  svc.songSlots = {0};
  svc.files = {"/music/other.mp3"};
  svc.picks = {"4"};
  game.OfferSavedGame();
  EXPECT_EQ(svc.count("msgbox Error: The song /music/Song.mp3 of your saved game could not be played. Your saved game "
                      "is kept. Please choose a song for a new game."),
            1);
  EXPECT_EQ(svc.count("select Select Music File to tunzle in " + st.PlayerFolder), 1);
  EXPECT_EQ(next.SongFile, "/music/other.mp3");
  EXPECT_EQ(next.BoardRows, 4);
  EXPECT_TRUE(next.Song);
  // Quitting the new game without saving it leaves the old one alone.
  svc.answers = {msgbox::No};
  game.form_keydown('Q', 0);
  EXPECT_TRUE(svc.ended);
  EXPECT_EQ(read("SaveGame.gam"), saved);
}

TEST_F(SavedGames, OnlyAnExplicitNoDeletesTheSavedGame) {
  lay3();
  ASSERT_TRUE(SaveGame(st));
  Game game(st, svc, svc, svc);
  st.NoKeyYet = false;
  st.Song = SongHandle{1};
  // A box closed without an answer (0) is not No: neither at start-up, nor
  // at the quit, nor at the win.
  GameState fresh;
  fresh.PlayerFolder = st.PlayerFolder;
  Game game2(fresh, svc, svc, svc);
  svc.answers = {0};
  game2.OfferSavedGame();
  EXPECT_FALSE(fresh.HasBoard());
  EXPECT_TRUE(fs::exists(dir / "SaveGame.gam"));
  svc.answers = {0};
  game.form_keydown('Q', 0);
  EXPECT_FALSE(svc.ended);
  EXPECT_TRUE(fs::exists(dir / "SaveGame.gam"));
  svc.answers = {0};
  st.CursorRow = 3; st.CursorColumn = 3;
  game.form_keydown(' ', 0);  // the last tile home
  EXPECT_EQ(svc.count("msgbox Congratulations: Would you like another game?"), 1);
  EXPECT_FALSE(svc.ended);
  EXPECT_TRUE(st.PuzzleSolved) << "solved, though not ended";
  EXPECT_TRUE(fs::exists(dir / "SaveGame.gam")) << "a saved game that was not the one won stays";
}

// The tutorial on a resumed game, step by step on the virtual clock: each
// step waits for its key, a wrong key is corrected, Escape may stay, hints
// lead home; then the player's game is back and no file has changed.
TEST_F(SavedGames, TheTutorialTeachesByStepsAndGivesTheGameBackUntouched) {
  Game first(st, svc, svc, svc);
  play3(first);
  svc.answers = {msgbox::Yes};
  first.form_keydown('Q', 0);
  Resumed resumed(st.PlayerFolder);
  GameState& g = resumed.st;
  FakeServices& s = resumed.svc;
  const GameState before = g;
  std::map<std::string, std::string> files;
  for (const auto& f : fs::directory_iterator(dir)) files[f.path().filename().string()] = read(f.path().filename().string());

  s.autoPass = false;
  s.Pass();
  auto press = [&](int16_t code, int16_t shift = 0) {
    s.clear();
    resumed.game.form_keydown(code, shift);
    s.Pass(3);
  };
  auto said = [&](const std::string& text) { return s.count("say " + text); };
  auto step = [](tutorial::Step at) { return text::TutorialStep(at, false); };

  press('T');
  EXPECT_EQ(s.log[s.log.size() - 2], "say " + text::TutorialWelcome());
  EXPECT_EQ(s.log.back(), "say " + step(tutorial::Step::Arrows));
  EXPECT_EQ(g.BoardRows, 3);
  EXPECT_EQ(g.TileDuration, 1.0f);
  EXPECT_EQ(g.Cells, std::vector<int16_t>(tutorial::StartBoard.begin(), tutorial::StartBoard.end()));
  // The square's words and tile first, then the next step.
  press(vk::Right);
  const auto tile = std::find(s.log.begin(), s.log.end(), "tile 2-2 1.0");
  ASSERT_NE(tile, s.log.end());
  EXPECT_EQ(s.log.back(), "say Good. " + step(tutorial::Step::HomeTile));
  EXPECT_GT(s.log.end() - tile, 1);
  // A key with no place yet: the correction and the step again, and nothing opens.
  press('N');
  EXPECT_EQ(s.log.back(), "say Not that key now. " + step(tutorial::Step::HomeTile));
  EXPECT_EQ(std::count_if(s.log.begin(), s.log.end(), [](auto& l) { return l.rfind("select", 0) == 0; }), 0);
  press(vk::Control, shiftmask::Ctrl);
  EXPECT_TRUE(s.log.empty()) << "a shift key alone waits for its key";
  press('O');
  EXPECT_EQ(s.count("original 2"), 1);
  press('B');
  press('B', shiftmask::Ctrl);
  EXPECT_EQ(said("Good. " + step(tutorial::Step::SlideOne)), 1);
  // The empty square itself cannot slide: the beep, and why.
  press(vk::Space);
  EXPECT_EQ(s.count("beep"), 1);
  EXPECT_EQ(said(text::TutorialCannotSlide() + " " + step(tutorial::Step::SlideOne)), 1);
  press(vk::Down);
  press(vk::Space);  // tile 3 home: its note, the run, then the next step
  EXPECT_EQ(s.count("sound note.wav"), 1);
  EXPECT_EQ(s.log.back(), "say Good. " + step(tutorial::Step::SlideSeveral));
  // Escape, and staying.
  s.answers = {msgbox::No};
  press(vk::Escape);
  EXPECT_EQ(s.count("msgbox Tutorial: Would you like to leave the tutorial?"), 1);
  EXPECT_EQ(s.log.back(), "say The tutorial goes on. " + step(tutorial::Step::SlideSeveral));
  press(vk::Left);
  press(vk::Left);
  press(vk::Space);
  EXPECT_EQ(s.log.back(), "say Good. " + step(tutorial::Step::PlayRun));
  for (int16_t k : std::vector<int16_t>{'P', 'E', 'M', vk::Right, 'G', 'I', 'U'}) press(k);
  EXPECT_EQ(s.log.back(), "say Good. " + step(tutorial::Step::Finish));

  // A minute without progress brings a hint; H one at once. Following them solves the board.
  s.clear();
  s.Pass(rules::TutorialHintAfter + 1);
  ASSERT_FALSE(s.log.empty());
  EXPECT_EQ(s.log.back().rfind("say Hint: slide the tile on row ", 0), 0u) << s.log.back();
  bool over = false;
  for (int slides = 0; slides < 20 && !over; ++slides) {
    press('H');
    int r = 0, c = 0;
    ASSERT_EQ(std::sscanf(s.log.back().c_str(), "say Hint: slide the tile on row %d, column %d.", &r, &c), 2) << s.log.back();
    while (g.CursorRow != r) press(g.CursorRow < r ? vk::Down : vk::Up);
    while (g.CursorColumn != c) press(g.CursorColumn < c ? vk::Right : vk::Left);
    press(vk::Space);
    over = said(text::TutorialSolved() + " " + text::TutorialOver()) > 0;
  }
  ASSERT_TRUE(over);
  EXPECT_EQ(s.count("tile 1-8 1.0"), 1) << "the last slide's run is the song in order, heard once";
  EXPECT_EQ(s.count("msgbox Congratulations: Would you like another game?"), 0) << "no win, no result";

  // The player's game is back, its song open again, and every file as it was.
  EXPECT_EQ(g.Cells, before.Cells);
  EXPECT_EQ(g.TileDuration, before.TileDuration);
  EXPECT_EQ(g.MarkedTile, before.MarkedTile);
  EXPECT_EQ(g.AnnounceCoordinates, before.AnnounceCoordinates);
  EXPECT_EQ(s.count("song /music/Song.mp3"), 1);
  EXPECT_EQ(said("Back to your game."), 1);
  for (const auto& [name, text] : files) EXPECT_EQ(read(name), text) << name;
  s.clear();
  resumed.game.form_keydown('I', 0);
  // Its moves and time, not the tutorial's minutes and slides.
  EXPECT_EQ(s.log.back().rfind("say 7 of 8 tiles in order, 0 moves, ", 0), 0u) << s.log.back();
  EXPECT_EQ(s.log.back().find("minute"), std::string::npos) << s.log.back();
}

TEST_F(SavedGames, AFailedSaveAbandonsTheQuit) {
  Game game(st, svc, svc, svc);
  lay3();
  st.NoKeyYet = false;
  st.PlayerFolder = (dir / "gone").string() + "/";
  svc.answers = {msgbox::Ok, msgbox::Yes, msgbox::Ok};  // settings error, save question, save error
  game.form_keydown('Q', 0);
  EXPECT_FALSE(svc.ended);
  EXPECT_EQ(svc.count("msgbox Error: Could not write the saved game " + st.PlayerFolder + "SaveGame.gam"), 1);
}

TEST_F(SavedGames, AnEmptyOrRelativePlayerFolderIsRefusedNotWrittenHere) {
  // Started from the test's own folder, so a stray write would land in it.
  const fs::path cwd = fs::current_path();
  fs::current_path(dir);
  lay3();
  for (const std::string folder : {"", "players/"}) {
    st.PlayerFolder = folder;
    fs::create_directories(dir / "players");
    EXPECT_FALSE(SaveSettings(st)) << folder;
    EXPECT_FALSE(SaveGame(st)) << folder;
    put("players/SaveGame.gam", "kept");
    DeleteSavedGame(st);
    EXPECT_EQ(read("players/SaveGame.gam"), "kept") << folder;
    fs::remove_all(dir / "players");

    Game game(st, svc, svc, svc);
    st.NoKeyYet = false;
    svc.clear();
    svc.answers = {msgbox::Ok, msgbox::Yes, msgbox::Ok};
    game.form_keydown('Q', 0);
    EXPECT_FALSE(svc.ended) << "the game would be lost";
    EXPECT_EQ(svc.count("msgbox Error: Could not write the saved game " + folder + "SaveGame.gam"), 1);
  }
  fs::current_path(cwd);
  EXPECT_TRUE(fs::is_empty(dir)) << "something was written beside the program";
}

TEST_F(Files, PlayerFolderFollowsAppdataThenTheDataFolder) {
  setenv("appdata", dir.c_str(), 1);
  EXPECT_EQ(SettlePlayerFolder("/opt/tunzle/"), dir.string() + "/Music Tunzle/");
  EXPECT_TRUE(fs::is_directory(dir / "Music Tunzle"));
  unsetenv("appdata");
  const char* oldXdg = std::getenv("XDG_DATA_HOME");
  std::string keep = oldXdg ? oldXdg : "";
  setenv("XDG_DATA_HOME", (dir / "xdg").c_str(), 1);
  EXPECT_EQ(SettlePlayerFolder("/opt/tunzle/"), (dir / "xdg").string() + "/Music Tunzle/");
  // A parent that cannot hold the folder: the program folder serves.
  put("afile", "x");
  setenv("XDG_DATA_HOME", (dir / "afile").c_str(), 1);
  EXPECT_EQ(SettlePlayerFolder("/opt/tunzle"), "/opt/tunzle/");
  if (oldXdg) setenv("XDG_DATA_HOME", keep.c_str(), 1);
  else unsetenv("XDG_DATA_HOME");
}

TEST_F(Files, FirstRunCopiesTheSampleAsksForSpeechAndStartsAGame) {
  fs::create_directories(dir / "app");
  std::ofstream(dir / "app" / "sample.mp3") << "song";
  GameState g;
  g.AppFolder = (dir / "app").string() + "/";
  FakeServices s;
  Game game(g, s, s, s);
  s.picks = {"3", "4"};
  startIn(game, "");
  EXPECT_EQ(*ReadWholeFile(dir / "data" / "Music Tunzle" / "sample.mp3"), "song");
  EXPECT_EQ(g.SpeechType, 3);
  // The question is asked by the built-in voice, which it opens on, as set up by default.
  EXPECT_EQ(s.log[0], "keepvoice 1 0 95");
  EXPECT_EQ(s.log[1], "cue volume 0") << "the cues' volume is set before the intro plays";
  EXPECT_EQ(s.log[2], "voice before choice");
  EXPECT_EQ(s.log[3], "pick p:Select Speech Type|No speech:0|Screen reader:1|*Built-in voice:3");
  EXPECT_EQ(s.count("tts 3"), 1);
  EXPECT_EQ(s.log[5], "sound intro0.wav");
  EXPECT_EQ(s.shown, 1) << "the window is shown before the intro";
  EXPECT_EQ(s.count("say Music Tunzle."), 1);
  EXPECT_EQ(s.count("say A Korvel Game."), 1);
  EXPECT_EQ(s.count("msgbox Tutorial: " + text::TutorialOffer()), 1) << "a first start offers the tutorial";
  EXPECT_EQ(g.BoardRows, 4) << "not taken: a new game";
  EXPECT_FALSE(g.NoKeyYet);

  // A command line speech type asks nothing; a word gives no speech. The
  // voice and the cues keep what the player set up last time.
  std::ofstream(dir / "data" / "Music Tunzle" / "config.ini") << "7,60,2,\"\",3,2\r\n";
  std::ofstream(dir / "data" / "Music Tunzle" / "volumes.ini") << "-600\r\n";
  GameState g2;
  g2.AppFolder = g.AppFolder;
  FakeServices s2;
  Game game2(g2, s2, s2, s2);
  s2.picks = {"3"};
  startIn(game2, "abc");
  EXPECT_EQ(g2.SpeechType, 0);
  EXPECT_EQ(s2.count("cue volume -600"), 1) << "the cues' volume of the last time";
  EXPECT_EQ(s2.count("voice before choice"), 0);
  EXPECT_EQ(s2.count("tts 0"), 1);
  EXPECT_EQ(s2.log[0], "keepvoice 2 7 60");
  EXPECT_EQ(s2.count("msgbox Tutorial: " + text::TutorialOffer()), 0);
}

TEST_F(Files, WithoutThePlayersSampleTheWarningIsSpokenAndTheGamesOwnCopyPlays) {
  // Nothing to copy: the warning comes once speech is chosen, not before.
  GameState g;
  g.AppFolder = (dir / "app").string() + "/";
  FakeServices s;
  Game game(g, s, s, s);
  s.picks = {"3"};
  startIn(game, "");
  const auto warned = std::find(s.log.begin(), s.log.end(), "msgbox Warning: Error copying sample.mp3 to user's game folder");
  ASSERT_NE(warned, s.log.end());
  EXPECT_GT(warned - std::find(s.log.begin(), s.log.end(), "tts 3"), 0) << "warned before anything could speak";

  // The game's own sample, where the player's copy is missing.
  fs::create_directories(dir / "app");
  std::ofstream(dir / "app" / "sample.mp3") << "song";
  s.clear();
  s.files = {""};
  s.picks = {"3"};
  game.form_keydown('N', 0);
  EXPECT_EQ(s.count("song " + g.AppFolder + "sample.mp3"), 1);
}

}  // namespace
