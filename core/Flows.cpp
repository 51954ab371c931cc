#include "core/Game.h"

#include "core/Board.h"
#include "core/Settings.h"
#include "core/Texts.h"

#include "base/Files.h"
#include "base/Trace.h"
#include "base/VB.h"

#include <algorithm>
#include <utility>

// ---- Start-up -------------------------------------------------------------

void Game::Start(const std::string& commandLine) {
  Entry entry(*this);
  mode_ = Mode::Intro;
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
  svc.SetCueVolume(st.CueVolume);

  auto intro = [this, sampleCopied] {
    // Said once there is speech to say it; the game's own copy still plays.
    if (!sampleCopied) SpeakMsgBox(text::SampleCopyFailed(), msgbox::OkOnly, text::WarningTitle(), [this](int16_t) { Intro(); });
    else Intro();
  };
  if (!Trim(commandLine).empty()) {
    st.SpeechType = IsNumeric(commandLine) ? static_cast<int16_t>(Val(commandLine)) : int16_t(0);
    // Without this a player who starts with 3 would hear nothing.
    svc.TTSSetup(st.SpeechType);
    intro();
  } else if (st.SpeechType < 0) {
    // Nothing is chosen yet: the built-in voice asks, and speaks on if the
    // player leaves the question (it comes again at the next start).
    svc.SpeakBeforeChoice();
    // A first start: the tutorial is offered where the first game would begin.
    offerTutorial = true;
    ChooseSpeechType(intro);
  } else {
    svc.TTSSetup(st.SpeechType);
    intro();
  }
}

void Game::Intro() {
  mode_ = Mode::Intro;
  if (std::exchange(quitAfter, false)) {
    Quit();
    return;
  }
  view.Shown(text::Caption());
  Trace::write("window", {text::Caption()});
  svc.PlaySound("intro0.wav");
  After(Flow::Intro, rules::IntroSound, [this] {
    Say(text::IntroTitle());
    After(Flow::Intro, rules::IntroTitle, [this] {
      Say(text::IntroMaker());
      Say(text::IntroDevelopers());
      // What follows stops speech: let the credit line finish first.
      After(Flow::Intro, rules::IntroCredits,
            [this] { AfterSpeech(Flow::Intro, rules::IntroWordsWait, [this] { Offer(); }); });
    });
  });
}

// ---- The saved game ----------------------------------------------------------

void Game::OfferSavedGame() {
  Entry entry(*this);
  Offer();
}

void Game::Offer() {
  // The credits had their time: what follows is not said under them.
  svc.StopSpeech();
  const std::string path = SavedGamePath(st);
  if (path.empty()) {
    if (std::exchange(offerTutorial, false)) OfferTutorial();
    else NewGame();
    return;
  }
  SpeakMsgBox(text::ResumeQuestion(), msgbox::YesNoCancel, text::ResumeTitle(), [this, path](int16_t answer) {
    if (answer == msgbox::No) {
      DeleteSavedGame(st);
      NewGame();
      return;
    }
    // Cancel, or a box closed without an answer: no game, and the file stays.
    if (answer != msgbox::Yes) {
      Idle();
      return;
    }
    GameState saved = st;
    if (!ReadSavedGame(path, saved)) {
      // Left on disk: the next quit replaces it.
      SpeakMsgBox(text::SavedGameDamaged(), msgbox::OkOnly, text::ErrorTitle(), [this](int16_t) { NewGame(); });
      return;
    }
    const SongHandle song = svc.OpenSong(saved.SongFile);
    if (!song) {
      // A silent board is no game; the song may come back (a drive plugged in
      // again), so the file stays until a new save replaces it.
      st.KeepSavedGame = true;
      SpeakMsgBox(text::SavedSongUnplayable(saved.SongFile), msgbox::OkOnly, text::ErrorTitle(),
                  [this](int16_t) { NewGame(); });
      return;
    }
    Resume(std::move(saved), song, path);
  });
}

void Game::Resume(GameState saved, SongHandle song, const std::string& path) {
  // Its moves and time, when the progress file has them for this very file.
  const Progress& progress = KeptProgress();
  const auto bytes = ReadWholeFile(path);
  const bool known = bytes && !progress.savedGame.empty() && progress.savedGame == Fingerprint(*bytes);
  // The saved header and board; the rest of the state was copied in unchanged.
  st = std::move(saved);
  st.Song = song;
  // An opened song starts playing: silence under the resume's words.
  svc.PauseMP3();
  svc.SetMP3Volume(st.SongVolume);
  board::Recount(st);
  BeginCounting(known ? progress.moves : 0, known ? progress.seconds : 0, known);
  resumedFromSave = true;
  view.LaidOut();
  Idle();
  After(Flow::Resume, rules::ResumePause, [this] { SayResumed(); });
}

void Game::Resumed() {
  Entry entry(*this);
  SayResumed();
}

void Game::SayResumed() {
  st.NoKeyYet = false;
  Say(text::Announce(text::SavedGame(), st));
  SayProgress();
  // What is in order plays after the words, unless the player went on already.
  // With none in order the progress has said so: nothing more.
  AfterSpeech(Flow::Resume, rules::ResumeWordsWait, [this] {
    if (st.TilesInOrder > 0) Run(Command::PlayRun, true, false);
  });
}

// ---- A new game ----------------------------------------------------------------

void Game::NewBoard() {
  board::LaySolved(st, st.BoardRows);
  st.EmptyRow = st.BoardRows;
  st.EmptyColumn = st.BoardColumns;
  st.MarkedTile = 0;
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  board::ShuffleMoves(st, [&] { return unit(rng); });
  st.CursorRow = st.CursorColumn = 1;
  resumedFromSave = false;
  BeginCounting(0, 0, true);
  view.LaidOut();
}

SongHandle Game::OpenSong(const std::string& path) {
  // The old song's player is let go, or twenty new games would fill every slot.
  if (st.Song) svc.CloseSong(st.Song);
  st.Song = svc.OpenSong(path);
  return st.Song;
}

void Game::NewGame() {
  st.NoKeyYet = false;
  ChooseSong(st.SongFile, false);
}

void Game::ChooseSong(std::string oldFile, bool sampleFailed) {
  // Where the player last chose a song, else the library.
  SelectFile(chosenFolder.empty() ? st.MusicLibraryFolder : chosenFolder, text::SelectSongTitle(),
             text::SelectSongHint(), [this, oldFile, sampleFailed](std::string path) {
               const bool chosen = st.FileDialogError.empty() && !path.empty();
               SongChosen(chosen ? path : std::string(), chosen, oldFile, sampleFailed);
             });
}

void Game::SongChosen(const std::string& chosenPath, bool chosen, const std::string& oldFile, bool sampleFailed) {
  if (const std::string folder = FolderOf(chosenPath); chosen && !folder.empty()) chosenFolder = folder;
  // Once the sample has failed, backing out of the selector must lead
  // somewhere other than the same sample again.
  if (!chosen && sampleFailed) {
    BackOutOfNewGame(oldFile);
    return;
  }
  // Escape promises the sample.
  const std::string path = chosen ? chosenPath : SamplePath();
  if (!OpenSong(path)) {
    // Say why the selector comes back, rather than come back without a word.
    SpeakMsgBox(chosen ? text::SongUnplayable(path) : text::SongUnplayableOrBack(path), msgbox::OkOnly,
                text::ErrorTitle(), [this, oldFile, sampleFailed, chosen](int16_t) {
                  ChooseSong(oldFile, sampleFailed || !chosen);
                });
    return;
  }
  svc.PauseMP3();
  svc.SetMP3Volume(st.SongVolume);
  ChooseSize(path, oldFile);
}

void Game::ChooseSize(const std::string& path, const std::string& oldFile) {
  PickList(text::SizeList(st.HasBoard() ? st.BoardRows : 0), [this, path, oldFile](std::string size) {
    if (size.empty()) {
      svc.CloseSong(st.Song);
      st.Song = {};
      BackOutOfNewGame(oldFile);
      return;
    }
    const int16_t side =
        static_cast<int16_t>(std::clamp<int>(static_cast<int>(Val(size)), rules::SmallestBoard, rules::LargestBoard));
    auto build = [this, path, side] {
      st.SongFile = path;
      st.PuzzleSolved = false;
      st.BoardRows = st.BoardColumns = side;
      NewBoard();
      Say(text::Announce(text::NewGame(), st));
      Idle();
    };
    // Too short for the board: said before the board is built, with the
    // chance to choose again.
    if (!svc.IsSongTooShort(side * side - 1, st.TileDuration)) {
      build();
      return;
    }
    SpeakMsgBox(text::SongTooShort(path), msgbox::YesNo, text::TooShortTitle(), [this, build](int16_t answer) {
      if (answer != msgbox::Yes) {
        build();
        return;
      }
      // As at Escape in the size list: the game in progress keeps its own song.
      svc.CloseSong(st.Song);
      st.Song = {};
      NewGame();
    });
  });
}

void Game::BackOutOfNewGame(const std::string& oldFile) {
  if (!st.HasBoard()) {
    Say(text::NoGame());
    noGameSaid = true;
    Idle();
    return;
  }
  // The game in progress gets its song back; the selector let it go.
  if (!st.Song && !oldFile.empty() && OpenSong(oldFile)) {
    svc.PauseMP3();
    svc.SetMP3Volume(st.SongVolume);
  }
  Idle();
  if (mode_ == Mode::Playing) AnnounceSquare();
}

// ---- The win ---------------------------------------------------------------------

void Game::WinSequence(int note, int16_t lastNote) {
  if (note == 0) view.Changed();
  if (note < rules::WinNotes) {
    const int16_t sounding = svc.PlaySound("note.wav");
    After(Flow::Notes, rules::WinNoteGap, [this, note, sounding] { WinSequence(note + 1, sounding); });
    return;
  }
  // The whole song is heard before the question is spoken, never under it;
  // a key during the song goes straight on to the question. The close box
  // before it: no song, the quit follows the result.
  if (quitAfter) {
    WinOver();
    return;
  }
  // The song starts once the flourish's last note has rung out.
  RingOut(lastNote, Flow::Notes, [this] {
    svc.PlayEntireSong();
    AfterRun(Flow::Song, [this] { After(Flow::Win, rules::AfterSongPause, [this] { WinOver(); }); });
  });
}

void Game::Solved() {
  st.PuzzleSolved = true;
  // The saved game this was is done: not offered again, even if the program
  // ends before the question is answered. Another game's save stays.
  if (resumedFromSave) DeleteSavedGame(st);
}

void Game::WinSongOver() {
  schedule.Cancel(Flow::Song);
  svc.PauseMP3();
  WinOver();
}

void Game::WinOver() {
  SayResult();
  // The question that follows cuts speech: let the result be heard first.
  AfterSpeech(Flow::Win, rules::ResultWordsWait, [this] {
    // The close box during the win: the game is won, so nothing is asked.
    if (std::exchange(quitAfter, false)) {
      st.PuzzleSolved = true;
      Quit();
      return;
    }
    SpeakMsgBox(text::AnotherGame(), msgbox::YesNo, text::WinTitle(), [this](int16_t answer) {
      if (answer == msgbox::Yes) {
        NewGame();
      } else if (answer == msgbox::No) {
        st.PuzzleSolved = true;
        Quit();
      } else {
        // Left without an answer: back on the solved board, on its empty square.
        Idle();
        if (mode_ == Mode::Playing) AnnounceSquare();
      }
    });
  });
}

// ---- The quit ----------------------------------------------------------------------

void Game::Quit() {
  // The player's own game and settings are the ones kept.
  if (lesson) EndTutorial(true);
  schedule.Cancel(Flow::Square);
  schedule.Cancel(Flow::Notes);
  schedule.Cancel(Flow::Resume);
  if (!SaveSettings(st))
    SpeakMsgBox(text::SettingsUnwritable(st.PlayerFolder + "config.ini"), msgbox::OkOnly, text::ErrorTitle(),
                [this](int16_t) { AskToSave(); });
  else
    AskToSave();
}

void Game::AskToSave() {
  // Without a board there is no game to save, and a kept saved game stays.
  if (st.PuzzleSolved || !st.HasBoard()) {
    Farewell(st.PuzzleSolved && st.HasBoard());
    return;
  }
  SpeakMsgBox(text::SaveQuestion(), msgbox::YesNoCancel, text::SaveTitle(), [this](int16_t answer) {
    if (answer == msgbox::Yes) {
      if (KeepGame()) {
        Farewell(false);
        return;
      }
      // Without the file the game would be lost: stay in it.
      SpeakMsgBox(text::SaveUnwritable(st.PlayerFolder + "SaveGame.gam"), msgbox::OkOnly, text::ErrorTitle(),
                  [this](int16_t) {
                    Say(text::GameGoesOn());
                    Idle();
                  });
    } else if (answer == msgbox::No) {
      Farewell(true);
    } else {
      // Cancel, or a box closed without an answer: a player who meant to quit hears that it did not.
      Say(text::GameGoesOn());
      Idle();
    }
  });
}

void Game::Farewell(bool remove) {
  if (remove && !st.KeepSavedGame) DeleteSavedGame(st);
  mode_ = Mode::Leaving;
  Say(text::Farewell());
  // Heard to its end; without speech, a pause.
  auto end = [this] { svc.EndProgram(); };
  if (svc.ActiveSpeechType() == 0) After(Flow::Quit, rules::SilentFarewell, end);
  else AfterSpeech(Flow::Quit, rules::FarewellWait, end);
}
