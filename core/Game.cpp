#include "core/Game.h"

#include "core/Board.h"
#include "core/Layout.h"
#include "core/Rules.h"
#include "core/Settings.h"
#include "core/Texts.h"

#include "base/Files.h"
#include "base/Trace.h"
#include "base/VB.h"
#include "base/VirtualKeys.h"

#include <algorithm>
#include <cmath>
#include <vector>

Game::Game(GameState& state, GameServices& services, Clock& clk, BoardView& v)
    : st(state), svc(services), clock(clk), view(v) {}

// ---- Start-up -------------------------------------------------------------

void Game::Start(const std::string& commandLine) {
  st.TileDuration = rules::DefaultTileSeconds;
  st.HelpName = "MT";
  st.NoKeyYet = true;
  st.PlayerFolder = SettlePlayerFolder(st.AppFolder);
  st.MusicLibraryFolder = st.PlayerFolder;

  const bool sampleCopied =
      FindFileNoCase(st.PlayerFolder, "sample.mp3") || CopyFile(st.AppFolder + "sample.mp3", st.PlayerFolder + "sample.mp3");

  st.SapiVoiceNumber = 1;
  st.SapiRate = 0;
  st.SapiVolume = 95;
  st.SpeechType = -1;
  LoadSettings(st);
  // Before any speech: the voice the player set up is the one that asks.
  svc.KeepVoiceSettings(st.SapiVoiceNumber, st.SapiRate, st.SapiVolume);

  if (!Trim(commandLine).empty()) {
    st.SpeechType = IsNumeric(commandLine) ? static_cast<int16_t>(Val(commandLine)) : int16_t(0);
    // Without this a player who starts with 3 would hear nothing.
    svc.TTSSetup(st.SpeechType);
  } else if (st.SpeechType < 0) {
    // Nothing is chosen yet: the built-in voice asks, and speaks on if the
    // player leaves the question (it comes again at the next start).
    svc.SpeakBeforeChoice();
    ChooseSpeechType();
  } else {
    svc.TTSSetup(st.SpeechType);
  }

  // Said once there is speech to say it; the game's own copy still plays.
  if (!sampleCopied) SpeakMsgBox(text::SampleCopyFailed(), msgbox::OkOnly, text::WarningTitle());

  view.Shown(text::Caption());
  Trace::write("window", {text::Caption()});

  svc.PlaySound("intro0.wav");
  clock.Wait(rules::IntroSound, true);
  Say(text::IntroTitle());
  clock.Wait(rules::IntroTitle, true);
  Say(text::IntroMaker());
  Say(text::IntroDevelopers());
  clock.Wait(rules::IntroCredits, true);
  // What follows stops speech: let the credit line finish first.
  svc.WaitForSpeech(rules::IntroWordsWait, true);

  OfferSavedGame();
}

void Game::OfferSavedGame() {
  const std::string path = SavedGamePath(st);
  if (path.empty()) {
    Run(Command::NewGame, true, false);
    return;
  }
  const int16_t answer = SpeakMsgBox(text::ResumeQuestion(), msgbox::YesNoCancel, text::SaveTitle());
  if (answer == msgbox::No) {
    DeleteSavedGame(st);
    Run(Command::NewGame, true, false);
    return;
  }
  // Cancel, or a box closed without an answer: no game, and the file stays.
  if (answer != msgbox::Yes) return;
  GameState saved = st;
  if (!ReadSavedGame(path, saved)) {
    // Left on disk: the next quit replaces it.
    SpeakMsgBox(text::SavedGameDamaged(), msgbox::OkOnly, text::ErrorTitle());
    Run(Command::NewGame, true, false);
    return;
  }
  const SongHandle song = svc.OpenSong(saved.SongFile);
  if (!song) {
    // A silent board is no game; the song may come back (a drive plugged in
    // again), so the file stays until a new save replaces it.
    st.KeepSavedGame = true;
    SpeakMsgBox(text::SavedSongUnplayable(saved.SongFile), msgbox::OkOnly, text::ErrorTitle());
    Run(Command::NewGame, true, false);
    return;
  }
  // Its moves and time, when the progress file has them for this very file.
  const Progress& progress = KeptProgress();
  const auto bytes = ReadWholeFile(path);
  const bool known = bytes && !progress.savedGame.empty() && progress.savedGame == Fingerprint(*bytes);
  // The saved header and board; the rest of the state was copied in unchanged.
  st = saved;
  st.Song = song;
  // An opened song starts playing: silence under the resume's words.
  svc.PauseMP3();
  svc.SetMP3Volume(st.SongVolume);
  board::Recount(st);
  ++boardBuilds;
  resumedFromSave = true;
  BeginCounting(known ? progress.moves : 0, known ? progress.seconds : 0, known);
  view.LaidOut();
  clock.Wait(rules::ResumePause, false);
  Resumed();
}

void Game::Resumed() {
  st.NoKeyYet = false;
  Say(text::Announce(text::SavedGame(), st));
  SayProgress();
  // What is in order plays after the words, unless the player went on already.
  const unsigned keys = keyEvents;
  svc.WaitForSpeech(rules::ResumeWordsWait, false);
  if (keys != keyEvents) return;
  // With none in order the progress has said so: nothing more.
  if (st.TilesInOrder > 0) Run(Command::PlayRun, true, false);
}

// ---- The board --------------------------------------------------------------

void Game::NewBoard() {
  board::LaySolved(st, st.BoardRows);
  st.EmptyRow = st.BoardRows;
  st.EmptyColumn = st.BoardColumns;
  st.MarkedTile = 0;
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  board::ShuffleMoves(st, [&] { return unit(rng); });
  st.CursorRow = st.CursorColumn = 1;
  ++boardBuilds;
  resumedFromSave = false;
  BeginCounting(0, 0, true);
  view.LaidOut();
}

void Game::BeginCounting(int32_t fromMoves, double seconds, bool counts) {
  moveCount = fromMoves;
  resultCounts = counts;
  slidesMade.clear();
  playTime.Start(clock.SteadySeconds(), seconds);
}

void Game::MoveHole(int Direction, unsigned slide) {
  const int16_t m = board::Move(st, Direction);
  if (m == 0) return;
  ++boardMoves;
  if (!slidesMade.empty() && slidesMade.back().slide == slide) ++slidesMade.back().steps;
  else slidesMade.push_back({slide, Direction, 1});
  view.Changed();
  if (m > st.TilesInOrder) return;
  // The winning move: the solved board is shown, and keys wait for the question.
  const bool wins = st.TilesInOrder == st.BoardRows * st.BoardColumns - 1;
  if (wins) {
    celebrating = true;
    // The game is over: its time and moves are its result, and its slides are no longer to be taken back.
    playTime.Stop(clock.SteadySeconds());
    slidesMade.clear();
  }
  const unsigned moves = boardMoves, game = boardBuilds;
  for (int k = m; k <= st.TilesInOrder; ++k) {
    svc.PlaySound("note.wav");
    clock.Wait(rules::NoteGap, false);
    // A key handled during the wait changed the board and sounded it itself.
    if (moves != boardMoves || game != boardBuilds) {
      celebrating = false;
      return;
    }
  }
  if (wins) {
    WinSequence();
    return;
  }
  // A run with nothing to hear bumps, and the square's cue waits for the bump.
  if (const int16_t bump = PlayTiles(1, st.TilesInOrder)) RingOut(bump);
}

void Game::WinSequence() {
  celebrating = true;
  Solved();
  view.Changed();
  int16_t lastNote = 0;
  for (int i = 0; i < rules::WinNotes; ++i) {
    lastNote = svc.PlaySound("note.wav");
    clock.Wait(rules::WinNoteGap, false);
  }
  RingOut(lastNote);
  // The whole song is heard before the question is spoken, never under it;
  // a key during the song goes straight on to the question.
  skipReward = false;
  svc.PlayEntireSong();
  while (!skipReward && svc.IsSongPlaying()) clock.Wait(rules::PollSeconds, false);
  if (skipReward) svc.PauseMP3();
  else clock.Wait(rules::AfterSongPause, false);
  SayResult();
  celebrating = false;
  const int16_t answer = SpeakMsgBox(text::AnotherGame(), msgbox::YesNo, text::WinTitle());
  if (answer == msgbox::Yes) {
    Run(Command::NewGame, true, false);
  } else if (answer == msgbox::No) {
    st.PuzzleSolved = true;
    Run(Command::Quit, true, false);
  }
}

void Game::RingOut(int16_t sound) {
  // What follows starts once the cue has ended, not under its tail.
  for (float waited = 0; waited < rules::RingOutWait && svc.IsSoundPlaying(sound); waited += rules::PollSeconds)
    clock.Wait(rules::PollSeconds, false);
}

void Game::Solved() {
  st.PuzzleSolved = true;
  // The saved game this was is done: not offered again, even if the program
  // ends before the question is answered. Another game's save stays.
  if (resumedFromSave) DeleteSavedGame(st);
}

bool Game::Undo() {
  if (slidesMade.empty()) return false;
  const SlideSteps last = slidesMade.back();
  slidesMade.pop_back();
  // The empty square walks back the way it came; no notes, the run is recounted.
  const int back = (last.direction + 1) % 4 + 1;  // up and down, left and right
  for (int i = 0; i < last.steps; ++i) board::Move(st, back);
  ++moveCount;
  ++boardMoves;
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
  if (resultCounts) {
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
  // The question that follows cuts speech: let the result be heard first.
  svc.WaitForSpeech(rules::ResultWordsWait, false);
}

void Game::SayBestResults() {
  const Progress& progress = KeptProgress();
  if (progress.best.empty()) Say(text::NoBestResults());
  for (const auto& [key, best] : progress.best) Say(text::BestResult(key.size, key.tileLength, best.moves, best.seconds));
}

void Game::AnnounceSquare() {
  const int16_t t = st.Board(st.CursorRow, st.CursorColumn);
  std::vector<std::string> words;
  if (t == 0 && st.AnnounceStatus) words.push_back(text::EmptyWord());
  if (st.AnnounceCoordinates) words.push_back(text::Square(st.CursorRow, st.CursorColumn));
  if (st.AnnounceStatus) {
    const SquareKind kind = KindOf(st, board::SquareNumber(st, st.CursorRow, st.CursorColumn));
    if (kind == SquareKind::OutOfRun) words.push_back(text::OutOfRunWord());
    else if (kind == SquareKind::InRun) words.push_back(text::InRunWord());
  }
  // The words come before the tile, never over it, nor over the in-order run
  // a slide has just started. A key pressed meanwhile has announced its own square.
  if (!words.empty()) {
    const unsigned keys = keyEvents;
    while (svc.IsSongPlaying()) {
      clock.Wait(rules::PollSeconds, false);
      if (keys != keyEvents) return;
    }
    for (const auto& w : words) Say(w);
    svc.WaitForSpeech(rules::SquareWordsWait, false);
    if (keys != keyEvents) return;
  }
  if (t == 0) {
    // After a slide's run, as the bump and the marker: never over its start.
    svc.PlaySoundAfterRun("noTile.wav");
  } else if (PlayTiles(t, t) == 0 && t == st.MarkedTile) {
    // After the tile, not over its start (a silent tile has only its bump).
    svc.PlaySoundAfterRun("marker.wav");
  }
}

int16_t Game::PlayTiles(int16_t first, int16_t last) {
  for (int16_t t = first; t <= last; ++t)
    if (!svc.IsTileSilent(t, st.TileDuration)) {
      svc.PlayTile(first, last, st.TileDuration);
      return 0;
    }
  // Silence would sound like a key that failed: the bump says there is nothing to hear.
  return svc.PlaySound("boop2.wav");
}

void Game::MoveCursorTo(int r, int c) {
  st.CursorRow = static_cast<int16_t>(r);
  st.CursorColumn = static_cast<int16_t>(c);
  view.Changed();
  AnnounceSquare();
}

bool Game::Slide() {
  if (st.CursorRow == st.EmptyRow && st.CursorColumn == st.EmptyColumn) return false;
  if (st.CursorRow != st.EmptyRow && st.CursorColumn != st.EmptyColumn) return false;
  const int dr = st.EmptyRow - st.CursorRow, dc = st.EmptyColumn - st.CursorColumn;
  const int Direction = dr >= 1 ? 1 : dr <= -1 ? 3 : dc >= 1 ? 4 : 2;
  const int toRow = st.CursorRow, toColumn = st.CursorColumn;
  // Checked before every step: a key or click handled during a note's wait
  // may have moved the empty square already, or started another game.
  auto stillOnTheWay = [&] {
    switch (Direction) {
      case 1: return st.EmptyColumn == toColumn && st.EmptyRow > toRow;
      case 3: return st.EmptyColumn == toColumn && st.EmptyRow < toRow;
      case 4: return st.EmptyRow == toRow && st.EmptyColumn > toColumn;
      default: return st.EmptyRow == toRow && st.EmptyColumn < toColumn;
    }
  };
  const unsigned game = boardBuilds, slide = ++slidesStarted;
  ++moveCount;
  while (!quitStarted && game == boardBuilds && stillOnTheWay()) MoveHole(Direction, slide);
  // After a win answered with a new game, its cursor stays on the top-left square.
  if (quitStarted || game != boardBuilds) return true;
  MoveCursorTo(st.EmptyRow, st.EmptyColumn);
  return true;
}

void Game::PlayInOrder(bool rowOnly, bool& bump) {
  int n = board::CountInOrder(st, st.BoardRows * st.BoardColumns - 1);
  if (n == 0) { bump = true; return; }
  if (!rowOnly) { PlayTiles(1, static_cast<int16_t>(n)); return; }
  const int s = (st.CursorRow - 1) * st.BoardColumns + 1;
  if (n > s + st.BoardColumns - 1) n = s + st.BoardColumns - 1;
  // A run that stops before this row has nothing of the row to play.
  if (board::TileInPlace(st, s) && n >= s) PlayTiles(static_cast<int16_t>(s), static_cast<int16_t>(n));
  else bump = true;
}

// ---- Commands ---------------------------------------------------------------

void Game::form_keydown(int16_t KeyCode, int16_t Shift) { Key(KeyCode, Shift, false); }

void Game::Key(int16_t code, int16_t shift, bool silent) {
  st.NoKeyYet = false;
  if (svc.KeyCapture()) {
    svc.StoreCapturedKey(code, shift);
    return;
  }
  const KeyBinding* binding = FindBinding(code, shift);
  Run(binding ? binding->command : Command::None, code > 0, silent);
}

void Game::Run(Command command, bool aKey, bool silent) {
  st.NoKeyYet = false;
  const unsigned thisKey = ++keyEvents;
  if (celebrating) {
    if (aKey) skipReward = true;
    return;
  }
  if (aKey) svc.StopSpeech();
  if (command == Command::Louder || command == Command::Softer) {
    ChangeVolume(command == Command::Louder ? rules::VolumeStep : -rules::VolumeStep);
    return;
  }
  if (st.Song) svc.PauseMP3();

  bool bump = false;
  // Until a game exists, only the commands that need no board do anything.
  if (NeedsBoard(command) && !st.HasBoard()) {
    if (noGameSaid) svc.PlaySound("boop2.wav");
    else Say(text::NoGame());
    noGameSaid = true;
    return;
  }

  switch (command) {
    case Command::Up:
    case Command::Down:
    case Command::Left:
    case Command::Right: {
      int r = st.CursorRow, c = st.CursorColumn;
      if (command == Command::Up) --r;
      if (command == Command::Down) ++r;
      if (command == Command::Left) --c;
      if (command == Command::Right) ++c;
      const bool edge = r < 1 || r > st.BoardRows || c < 1 || c > st.BoardColumns;
      if (edge) {
        r = st.CursorRow;
        c = st.CursorColumn;
      }
      MoveCursorTo(r, c);
      // The square again, whole, then the bump: a key held at the edge
      // restarts the square and drops the bump still waiting.
      if (edge && thisKey == keyEvents) svc.PlaySoundAfterRun("boop2.wav");
      break;
    }
    case Command::RowStart: MoveCursorTo(st.CursorRow, 1); break;
    case Command::RowEnd: MoveCursorTo(st.CursorRow, st.BoardColumns); break;
    case Command::ColumnTop: MoveCursorTo(1, st.CursorColumn); break;
    case Command::ColumnBottom: MoveCursorTo(st.BoardRows, st.CursorColumn); break;
    case Command::Slide:
      if (!Slide()) svc.Beep();
      break;
    case Command::Undo:
      if (!Undo()) bump = true;
      break;
    case Command::SayProgress: SayProgress(); break;
    case Command::EndOfRun:
      if (st.TilesInOrder > 0) {
        int16_t r, c;
        board::calcRC(st, st.TilesInOrder, r, c);
        MoveCursorTo(r, c);
      } else {
        bump = true;  // no run to go to; silence would leave the player guessing
      }
      break;
    case Command::PlayRun: PlayInOrder(false, bump); break;
    case Command::PlayRowRun: PlayInOrder(true, bump); break;
    case Command::PlaySong: PlayTiles(1, static_cast<int16_t>(st.BoardRows * st.BoardColumns - 1)); break;
    case Command::PlayHomeTile: {
      const auto home = static_cast<int16_t>(board::SquareNumber(st, st.CursorRow, st.CursorColumn));
      // Heard as the arrows hear it: a tile with nothing to play bumps.
      if (svc.IsTileSilent(home, st.TileDuration)) bump = true;
      else svc.PlayOriginalTile(home, st.TileDuration);
      break;
    }
    case Command::Mark: Mark(silent); break;
    case Command::GoToMark: GoToMark(bump); break;
    case Command::GoToEmpty: MoveCursorTo(st.EmptyRow, st.EmptyColumn); break;
    case Command::SayEmpty: Say(text::Square(st.EmptyRow, st.EmptyColumn)); break;
    case Command::ToggleCoordinates: ToggleCoordinates(); break;
    case Command::ToggleStatus:
      st.AnnounceStatus = !st.AnnounceStatus;
      Say(st.AnnounceStatus ? text::StatusOn() : text::StatusOff());
      break;
    case Command::BestResults: SayBestResults(); break;
    case Command::NewGame: NewGame(); break;
    case Command::Quit: Quit(); break;
    case Command::Help: {
      TimeHeld held(*this);
      svc.ShowHelp(st.AppFolder + st.HelpName + ".TXT");
      // Closing help would otherwise end in silence.
      Say(st.HasBoard() ? text::BackToBoard() : text::NoGame());
      break;
    }
    case Command::LibraryFolder: ChooseLibraryFolder(); break;
    case Command::SpeechType:
      ChooseSpeechType();
      // Back on the board, the speech in use says its name: the choice was taken, or kept.
      if (svc.ActiveSpeechType() != 0) Say(text::SpeechTypeName(svc.ActiveSpeechType()));
      break;
    // The voice that speaks, not the type chosen: a screen reader that failed
    // leaves the voice speaking, and its settings must still be reachable.
    case Command::Voice:
    case Command::VoiceRate:
    case Command::VoiceVolume: {
      if (svc.ActiveSpeechType() != 3) {
        bump = true;  // refused, and heard to be
        break;
      }
      TimeHeld held(*this);
      if (command == Command::Voice) svc.AdjustVoice(st.SapiVoiceNumber);
      else if (command == Command::VoiceRate) svc.AdjustRate(st.SapiRate);
      else svc.AdjustVolume(st.SapiVolume);
      break;
    }
    case Command::TileLength: ChooseTileLength(bump); break;
    default: break;
  }
  // A later key pressed while this one's words were said has its own sounds:
  // a bump now would seem to be that key's.
  if (bump && thisKey == keyEvents) svc.PlaySound("boop2.wav");
}

void Game::ChangeVolume(int step) {
  const int32_t before = st.SongVolume;
  st.SongVolume = std::clamp<int32_t>(st.SongVolume + step, rules::VolumeFloor, rules::VolumeCeiling);
  svc.SetMP3Volume(st.SongVolume);
  // At the limit nothing changes; say so rather than stay silent.
  if (st.SongVolume == before) {
    svc.PlaySound("boop2.wav");
  } else if (st.HasBoard() && st.Song) {
    // The new volume is heard on a piece of the tile under the cursor.
    const int16_t t = st.Board(st.CursorRow, st.CursorColumn);
    svc.PlayPiece(t > 0 ? t : int16_t(1), st.TileDuration, rules::VolumePieceSeconds);
  }
}

void Game::Mark(bool silent) {
  const bool hadMark = st.MarkedTile > 0;
  st.MarkedTile = st.Board(st.CursorRow, st.CursorColumn);
  view.Changed();
  if (silent) return;
  if (st.MarkedTile > 0) svc.PlaySound("marker.wav");
  // The empty square takes no mark: say so, rather than nothing.
  else Say(hadMark ? text::NoTileToMarkMarkRemoved() : text::NoTileToMark());
}

void Game::GoToMark(bool& bump) {
  if (st.MarkedTile == 0) {
    bump = true;
    AnnounceSquare();
    return;
  }
  int fr = 0, fc = 0;
  for (int r = 1; r <= st.BoardRows && !fr; ++r)
    for (int c = 1; c <= st.BoardColumns; ++c)
      if (st.Board(r, c) == st.MarkedTile) { fr = r; fc = c; break; }
  if (!fr) { bump = true; fr = fc = 1; }
  MoveCursorTo(fr, fc);
}

void Game::ToggleCoordinates() {
  st.AnnounceCoordinates = !st.AnnounceCoordinates;
  Say(st.AnnounceCoordinates ? text::CoordinatesOn() : text::CoordinatesOff());
  if (!st.HasBoard()) return;
  // Switched off, the square has no words to wait for: its tile must
  // still not start over these.
  const unsigned keys = keyEvents;
  svc.WaitForSpeech(rules::SquareWordsWait, false);
  if (keys == keyEvents) AnnounceSquare();
}

// ---- New game, and the end ---------------------------------------------------

SongHandle Game::OpenSong(const std::string& path) {
  // The old song's player is let go, or twenty new games would fill every slot.
  if (st.Song) svc.CloseSong(st.Song);
  st.Song = svc.OpenSong(path);
  return st.Song;
}

void Game::NewGame() {
  while (!NewGameOnce()) {
  }
}

bool Game::NewGameOnce() {
  // The player's copy of the sample, else the game's own: Escape promises it.
  const std::string sample = !FindFileNoCase(st.PlayerFolder, "sample.mp3") && FindFileNoCase(st.AppFolder, "sample.mp3")
                                 ? st.AppFolder + "sample.mp3"
                                 : st.PlayerFolder + "sample.mp3";
  const std::string oldFile = st.SongFile;
  std::string path;
  bool sampleFailed = false;
  for (;;) {
    // Where the player last chose a song, else the library (the loop comes
    // back here after a song too short for the board, when the player asks).
    path = SelectFile(chosenFolder.empty() ? st.MusicLibraryFolder : chosenFolder, text::SelectSongTitle(),
                      text::SelectSongHint());
    const bool chosen = st.FileDialogError.empty() && !path.empty();
    if (const std::string folder = FolderOf(path); chosen && !folder.empty()) chosenFolder = folder;
    // Once the sample has failed, backing out of the selector must lead
    // somewhere other than the same sample again.
    if (!chosen && sampleFailed) {
      BackOutOfNewGame(oldFile);
      return true;
    }
    if (!chosen) path = sample;
    if (OpenSong(path)) break;
    // Say why the selector comes back, rather than looping without a word.
    if (chosen) {
      SpeakMsgBox(text::SongUnplayable(path), msgbox::OkOnly, text::ErrorTitle());
    } else {
      sampleFailed = true;
      SpeakMsgBox(text::SongUnplayableOrBack(path), msgbox::OkOnly, text::ErrorTitle());
    }
  }
  svc.PauseMP3();
  svc.SetMP3Volume(st.SongVolume);
  const std::string size = PickList(text::SizeList(st.HasBoard() ? st.BoardRows : 0));
  if (size.empty()) {
    svc.CloseSong(st.Song);
    st.Song = {};
    BackOutOfNewGame(oldFile);
    return true;
  }
  const int16_t side =
      static_cast<int16_t>(std::clamp<int>(static_cast<int>(Val(size)), rules::SmallestBoard, rules::LargestBoard));
  // Too short for the board: said before the board is built, with the
  // chance to choose again.
  if (svc.IsSongTooShort(side * side - 1, st.TileDuration) &&
      SpeakMsgBox(text::SongTooShort(path), msgbox::YesNo, text::TooShortTitle()) == msgbox::Yes) {
    // As at Escape in the size list: the game in progress keeps its own song.
    svc.CloseSong(st.Song);
    st.Song = {};
    return false;
  }
  st.SongFile = path;
  st.PuzzleSolved = false;
  st.BoardRows = st.BoardColumns = side;
  NewBoard();
  Say(text::Announce(text::NewGame(), st));
  return true;
}

void Game::BackOutOfNewGame(const std::string& oldFile) {
  if (!st.HasBoard()) {
    Say(text::NoGame());
    noGameSaid = true;
    return;
  }
  // The game in progress gets its song back; the selector let it go.
  if (!st.Song && !oldFile.empty() && OpenSong(oldFile)) {
    svc.PauseMP3();
    svc.SetMP3Volume(st.SongVolume);
  }
  AnnounceSquare();
}

void Game::Quit() {
  if (!SaveSettings(st))
    SpeakMsgBox(text::SettingsUnwritable(st.PlayerFolder + "config.ini"), msgbox::OkOnly, text::ErrorTitle());
  // Without a board there is no game to save, and a kept saved game stays.
  bool remove = st.PuzzleSolved && st.HasBoard();
  if (!st.PuzzleSolved && st.HasBoard()) {
    const int16_t answer = SpeakMsgBox(text::SaveQuestion(), msgbox::YesNoCancel, text::SaveTitle());
    if (answer == msgbox::Yes) {
      if (!KeepGame()) {
        // Without the file the game would be lost: stay in it.
        SpeakMsgBox(text::SaveUnwritable(st.PlayerFolder + "SaveGame.gam"), msgbox::OkOnly, text::ErrorTitle());
        Say(text::GameGoesOn());
        return;
      }
    } else if (answer == msgbox::No) {
      remove = true;
    } else {
      // Cancel, or a box closed without an answer: a player who meant to quit hears that it did not.
      Say(text::GameGoesOn());
      return;
    }
  }
  if (remove && !st.KeepSavedGame) DeleteSavedGame(st);
  quitStarted = true;
  Say(text::Farewell());
  // Heard to its end; without speech, a pause.
  if (!svc.WaitForSpeech(rules::FarewellWait, false)) clock.Wait(rules::SilentFarewell, false);
  svc.EndProgram();
}

void Game::CloseRequested() {
  // The window manager's close is the quit command; Cancel keeps the game.
  if (!quitStarted) form_keydown('Q', 0);
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
  SaveSettings(st);
  if (!st.PuzzleSolved && st.HasBoard() && !quitStarted) KeepGame();
}

void Game::SoundServerChanged(bool up) {
  // The built-in voice plays through the lost output: only another voice can
  // say it is gone. Either says that it is back.
  if (!up && svc.ActiveSpeechType() == 3) return;
  svc.speak(up ? text::SoundBack() : text::SoundGone());
}

void Game::ChooseLibraryFolder() {
  std::string path = SelectFile(st.MusicLibraryFolder, text::LibraryTitle(), text::LibraryHint());
  if (!st.FileDialogError.empty()) SpeakMsgBox(st.FileDialogError, msgbox::OkOnly, text::ErrorTitle());
  if (const std::string folder = FolderOf(path); !folder.empty()) {
    st.MusicLibraryFolder = folder;
    Say(text::LibraryFolder(st.MusicLibraryFolder));
  }
}

void Game::ChooseTileLength(bool& bump) {
  std::string answer = PickList(text::TileLengthList(st.TileDuration));
  if (!answer.empty() && answer[0] == '*') answer.erase(0, 1);
  if (!IsNumeric(answer)) {
    Say(text::TileLengthKept(st.TileDuration));
    return;
  }
  st.TileDuration = static_cast<float>(Val(answer));
  if (st.TileDuration < rules::ShortestTile) {
    bump = true;
    st.TileDuration = rules::DefaultTileSeconds;
    return;
  }
  // The board's tiles are cut anew at once: say so.
  Say(text::TileLengthNow(st.TileDuration));
}

void Game::ChooseSpeechType() {
  // Opens on the speech in use: one Enter by mistake changes nothing.
  const std::string answer = PickList(text::SpeechTypeList(st.SpeechType));
  if (IsNumeric(answer)) {
    st.SpeechType = static_cast<int16_t>(Val(answer));
    svc.TTSSetup(st.SpeechType);
  }
}

// ---- Dialogs: the game's time stands still while one is open --------------------

int16_t Game::SpeakMsgBox(const std::string& message, int16_t buttons, const std::string& title) {
  TimeHeld held(*this);
  return svc.SpeakMsgBox(message, buttons, title);
}

std::string Game::PickList(const std::string& spec) {
  TimeHeld held(*this);
  return svc.PickList(spec);
}

std::string Game::SelectFile(const std::string& folder, const std::string& title, const std::string& hint) {
  TimeHeld held(*this);
  st.FileDialogError.clear();
  return svc.SelectFile(folder, rules::SongFilePattern, 1, title, st.FileDialogError, "", hint);
}

// ---- Mouse --------------------------------------------------------------------

int Game::SquareAt(float X, float Y) const { return HitTest(LayOut(st, view.HeightTwips()), X, Y); }

void Game::Form_MouseDown(int16_t Button, int16_t, float X, float Y) {
  if (Button < 1 || !st.HasBoard()) return;
  if (celebrating) {
    skipReward = true;  // a click, like a key, goes on to the question
    return;
  }
  const int k = SquareAt(X, Y);
  if (k == 0) return;
  board::calcRC(st, k, st.CursorRow, st.CursorColumn);
  view.Changed();
  if (Button == 1) Key(vk::Space, 0, false);
  else if (Button == 2) Key('M', 0, true);
}

void Game::Form_MouseMove(int16_t Button, int16_t, float X, float Y) {
  if (st.NoKeyYet || !st.HasBoard() || celebrating) return;
  if (std::abs(X - mouseX) < rules::HoverJitterTwips && std::abs(Y - mouseY) < rules::HoverJitterTwips) return;
  mouseX = X;
  mouseY = Y;
  mouseButton = Button;
  const double now = clock.TimeOfDay();
  // At most one square each half second. A move that comes sooner (or the
  // first) is heard once the half second has passed, if the pointer rests.
  if (mouseTime == 0) mouseTime = static_cast<float>(now);
  const double since = std::abs(now - mouseTime);
  if (since < rules::HoverSeconds) {
    hoverPending = true;
    svc.HoverLater(static_cast<float>(rules::HoverSeconds - since));
    return;
  }
  mouseTime = static_cast<float>(now);
  hoverPending = false;
  HoverAt(X, Y, Button);
}

void Game::HoverRested() {
  if (!hoverPending) return;
  hoverPending = false;
  if (st.NoKeyYet || !st.HasBoard() || celebrating) return;
  mouseTime = static_cast<float>(clock.TimeOfDay());
  HoverAt(mouseX, mouseY, mouseButton);
}

void Game::HoverAt(float X, float Y, int16_t Button) {
  if (Button != 0) return;
  const int k = SquareAt(X, Y);
  if (k == 0) {
    lastHoverTile = -1;
    return;
  }
  board::calcRC(st, k, st.CursorRow, st.CursorColumn);
  view.Changed();
  const int16_t t = st.Board(st.CursorRow, st.CursorColumn);
  if (t == lastHoverTile) return;
  if (t != 0) PlayTiles(t, t);
  else svc.PlaySound("noTile.wav");
  lastHoverTile = t;
}
