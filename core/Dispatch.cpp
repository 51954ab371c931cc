#include "core/Game.h"

#include "core/Board.h"
#include "core/Settings.h"
#include "core/Texts.h"

#include "base/VirtualKeys.h"

#include <algorithm>
#include <utility>

Game::Game(GameState& state, GameServices& services, Clock& clk, BoardView& v)
    : st(state), svc(services), clock(clk), view(v) {}

// ---- The schedule -------------------------------------------------------------

void Game::RunReady() {
  ++entryDepth;
  while (auto step = schedule.TakeReady(clock.SteadySeconds())) (*step)();
  --entryDepth;
  if (auto due = schedule.NextDue()) clock.WakeAt(*due, [this] { Tick(); });
}

void Game::Tick() { Entry entry(*this); }

void Game::After(Flow flow, double seconds, Schedule::Step step) {
  schedule.Add(flow, clock.SteadySeconds() + seconds, std::move(step));
  if (entryDepth == 0) RunReady();
}

void Game::AfterSpeech(Flow flow, float atMost, Schedule::Step step) {
  const unsigned ticket = schedule.Add(flow, clock.SteadySeconds() + atMost, std::move(step));
  svc.WhenSpeechHeard(atMost, [this, ticket] {
    Entry entry(*this);
    schedule.Signal(ticket);
  });
}

void Game::AfterRun(Flow flow, Schedule::Step step) {
  const unsigned ticket = schedule.Add(flow, Schedule::Never, std::move(step));
  svc.WhenRunEnds([this, ticket] {
    Entry entry(*this);
    schedule.Signal(ticket);
  });
}

std::function<void()> Game::Later(Schedule::Step then) {
  return [this, then = std::move(then)] {
    Entry entry(*this);
    schedule.Signal(schedule.Add(Flow::Answer, Schedule::Never, then));
  };
}

void Game::Idle() {
  mode_ = Mode::Playing;
  if (std::exchange(quitAfter, false)) Quit();
}

// ---- Inputs, by mode ----------------------------------------------------------

void Game::form_keydown(int16_t KeyCode, int16_t Shift) {
  Entry entry(*this);
  Key(KeyCode, Shift, false);
}

void Game::Key(int16_t code, int16_t shift, bool silent) {
  switch (mode_) {
    case Mode::Intro:
    case Mode::Asking:
    case Mode::Leaving:
      return;
    case Mode::Adjusting:
      svc.AdjusterKey(code, shift);
      return;
    case Mode::Celebrating:
      // During the song: it stops, and the question follows at once.
      if (schedule.Pending(Flow::Song)) WinSongOver();
      return;
    case Mode::Playing:
      break;
  }
  st.NoKeyYet = false;
  const KeyBinding* binding = FindBinding(code, shift);
  const Command command = binding ? binding->command : Command::None;
  if (lesson) LessonKey(code, command, code > 0, silent);
  else Run(command, code > 0, silent);
}

void Game::CloseRequested() {
  Entry entry(*this);
  switch (mode_) {
    case Mode::Leaving:
      return;
    case Mode::Asking:
    case Mode::Adjusting:
      quitAfter = true;
      return;
    case Mode::Intro:
      schedule.Cancel(Flow::Intro);
      svc.StopSpeech();
      svc.PauseMP3();
      Quit();
      return;
    case Mode::Celebrating:
      // The game is won: straight on to the result, then the quit.
      quitAfter = true;
      if (schedule.Pending(Flow::Song)) WinSongOver();
      return;
    case Mode::Playing:
      // The window manager's close is the quit command.
      Run(Command::Quit, true, false);
      return;
  }
}

void Game::SoundServerChanged(bool up) {
  Entry entry(*this);
  if (mode_ == Mode::Leaving) return;
  // The built-in voice plays through the lost output: only another voice can
  // say it is gone. Either says that it is back.
  if (!up && svc.ActiveSpeechType() == 3) return;
  svc.speak(up ? text::SoundBack() : text::SoundGone());
}

// ---- The commands ---------------------------------------------------------------

void Game::Run(Command command, bool aKey, bool silent) {
  st.NoKeyYet = false;
  // A key drops what the last one left pending: its square's words and
  // tile, a slide's notes and run, a resumed game's run.
  schedule.Cancel(Flow::Square);
  schedule.Cancel(Flow::Notes);
  schedule.Cancel(Flow::Resume);
  if (aKey) svc.StopSpeech();
  if (command == Command::Louder || command == Command::Softer) {
    ChangeVolume(command == Command::Louder ? rules::VolumeStep : -rules::VolumeStep);
    return;
  }
  if (command == Command::CueLouder || command == Command::CueSofter) {
    ChangeCueVolume(command == Command::CueLouder ? rules::VolumeStep : -rules::VolumeStep);
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
      // At the edge, the square again, whole, then the bump.
      if (edge) MoveCursorTo(st.CursorRow, st.CursorColumn, "boop2.wav");
      else MoveCursorTo(r, c);
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
    case Command::GoToMark: GoToMark(); break;
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
    case Command::Help: ShowHelp(); break;
    case Command::LibraryFolder: ChooseLibraryFolder(); break;
    case Command::SpeechType:
      ChooseSpeechType([this] {
        // Back on the board, the speech in use says its name: the choice was taken, or kept.
        if (svc.ActiveSpeechType() != 0) Say(text::SpeechTypeName(svc.ActiveSpeechType()));
        Idle();
      });
      break;
    case Command::Voice:
    case Command::VoiceRate:
    case Command::VoiceVolume: AdjustVoiceSetting(command); break;
    case Command::TileLength: ChooseTileLength(); break;
    case Command::Tutorial: BeginTutorial(); break;
    default: break;
  }
  if (bump) svc.PlaySound("boop2.wav");
}

bool Game::StepVolume(int32_t& volume, int step) {
  const int32_t before = volume;
  volume = std::clamp<int32_t>(volume + step, rules::VolumeFloor, rules::VolumeCeiling);
  return volume != before;
}

void Game::ChangeVolume(int step) {
  const bool moved = StepVolume(st.SongVolume, step);
  svc.SetMP3Volume(st.SongVolume);
  // At the limit nothing changes; say so rather than stay silent.
  if (!moved) svc.PlaySound("boop2.wav");
  else if (st.HasBoard() && st.Song) {
    // The new volume is heard on a piece of the tile under the cursor.
    const int16_t t = st.Board(st.CursorRow, st.CursorColumn);
    svc.PlayPiece(t > 0 ? t : int16_t(1), st.TileDuration, rules::VolumePieceSeconds);
  }
}

void Game::ChangeCueVolume(int step) {
  const bool moved = StepVolume(st.CueVolume, step);
  svc.SetCueVolume(st.CueVolume);
  if (!moved) {
    svc.PlaySound("boop2.wav");
    return;
  }
  // A note at the new volume, and the volume said.
  svc.PlaySound("note.wav");
  Say(text::CueVolume(static_cast<int>((st.CueVolume - rules::VolumeFloor) * 100 / (rules::VolumeCeiling - rules::VolumeFloor))));
  SaveCueVolume(st);
}
