#include "core/Game.h"

#include "core/Board.h"
#include "core/Texts.h"

#include "base/Files.h"
#include "base/VirtualKeys.h"

#include <algorithm>
#include <utility>

// The tutorial: one idea at a time on a 3 × 3 board of the sample song. Each
// step waits for the player to do it; a key that has no place yet gets a
// correction and the step again. Its moves are no result, and the player's
// game, saved game and settings come back as they were.

using tutorial::Step;

std::string Game::SamplePath() const {
  // The player's copy of the sample, else the game's own.
  return !FindFileNoCase(st.PlayerFolder, "sample.mp3") && FindFileNoCase(st.AppFolder, "sample.mp3")
             ? st.AppFolder + "sample.mp3"
             : st.PlayerFolder + "sample.mp3";
}

void Game::OfferTutorial() {
  SpeakMsgBox(text::TutorialOffer(), msgbox::YesNo, text::TutorialTitle(), [this](int16_t answer) {
    if (answer != msgbox::Yes) {
      NewGame();
      return;
    }
    Idle();
    if (mode_ == Mode::Playing) BeginTutorial();
  });
}

void Game::BeginTutorial() {
  st.NoKeyYet = false;
  Lesson put{};
  put.game = st;
  put.moves = moveCount;
  // The game's time stands still until it is back.
  put.time = playTime;
  put.time.Hold(clock.SteadySeconds());
  put.slides = slidesMade;
  put.counts = resultCounts;
  put.resumed = resumedFromSave;
  lesson = std::move(put);

  svc.PauseMP3();
  const std::string sample = SamplePath();
  if (!OpenSong(sample)) {
    Say(text::TutorialUnplayable());
    EndTutorial(true);
    AfterTutorial();
    return;
  }
  svc.PauseMP3();
  svc.SetMP3Volume(st.SongVolume);
  st.SongFile = sample;
  st.TileDuration = tutorial::TileSeconds;
  board::LaySolved(st, tutorial::Rows);
  st.Cells.assign(tutorial::StartBoard.begin(), tutorial::StartBoard.end());
  const auto empty = std::find(st.Cells.begin(), st.Cells.end(), int16_t(0)) - st.Cells.begin();
  board::calcRC(st, static_cast<int>(empty) + 1, st.EmptyRow, st.EmptyColumn);
  board::Recount(st);
  st.CursorRow = st.CursorColumn = 1;
  st.MarkedTile = 0;
  st.PuzzleSolved = false;
  // Every square says where it is and whether it is in order: the steps speak of both.
  st.AnnounceCoordinates = st.AnnounceStatus = true;
  resumedFromSave = false;
  BeginCounting(0, 0, false);
  view.LaidOut();
  Say(text::TutorialWelcome());
  SayStep();
}

void Game::SayStep(std::string before) {
  lesson->wordsOwed = false;
  lesson->before.clear();
  const bool middle = st.EmptyRow == 2 && st.EmptyColumn == 2;
  const std::string words = text::TutorialStep(lesson->step, middle);
  Say(before.empty() ? words : before + " " + words);
}

void Game::LessonKey(int16_t code, Command command, bool aKey, bool silent) {
  // A shift key on its own is half of a key still to come.
  if (aKey && (code == vk::Shift || code == vk::Control || code == vk::Menu || code == vk::Capital)) return;
  if (lesson->step == Step::Over) {
    // Solved: keys wait for the song in order and its words, which one then cuts short.
    if (!lesson->solvedSaid) return;
    schedule.Cancel(Flow::Lesson);
    svc.StopSpeech();
    svc.PauseMP3();
    EndTutorial(true);
    AfterTutorial();
    return;
  }
  // Words still waiting are said afresh after this key's own sounds.
  schedule.Cancel(Flow::Lesson);
  auto again = [this, aKey](const std::string& before) {
    schedule.Cancel(Flow::Square);
    schedule.Cancel(Flow::Notes);
    if (aKey) svc.StopSpeech();
    svc.PauseMP3();
    SayStep(before);
  };
  if (code == vk::Escape) {
    AskToLeaveTutorial();
    return;
  }
  if (command == Command::Quit) {
    Run(command, aKey, silent);
    return;
  }
  if (command == Command::Tutorial) {
    again({});
    return;
  }
  if (code == 'H' && lesson->step == Step::Finish) {
    schedule.Cancel(Flow::Square);
    schedule.Cancel(Flow::Notes);
    svc.StopSpeech();
    SayHint();
    return;
  }
  if (tutorial::Judge(lesson->step, command) == tutorial::Verdict::Wrong) {
    again(text::TutorialWrongKey());
    return;
  }
  const size_t slidesBefore = slidesMade.size();
  Run(command, aKey, silent);
  LessonDid(command, slidesBefore);
  // Not over the help or a list the key opened: the help says the step as it
  // closes, and after a list the next key brings it.
  if (lesson && lesson->wordsOwed)
    AfterQuiet(Flow::Lesson, [this] {
      if (mode_ == Mode::Playing) SayStep(lesson->before);
    });
}

void Game::LessonDid(Command command, size_t slidesBefore) {
  Lesson& l = *lesson;
  const bool slid = command == Command::Slide && slidesMade.size() > slidesBefore;
  const bool undone = command == Command::Undo && slidesMade.size() < slidesBefore;
  if ((slid || undone) && st.TilesInOrder == st.BoardRows * st.BoardColumns - 1) {
    NextStep(Step::Over);
    return;
  }
  const bool asked = tutorial::Judge(l.step, command) == tutorial::Verdict::Asked;
  if (command == Command::Slide && !slid && (l.step == Step::SlideOne || l.step == Step::SlideSeveral)) {
    // The game's beep alone would not say why.
    Owe(text::TutorialCannotSlide());
    return;
  }
  if (l.step == Step::Finish) {
    if (const auto left = tutorial::SlidesToSolve(st); left && *left < l.fewest) {
      l.fewest = *left;
      HintLater();
    }
    return;
  }
  if (!asked) return;
  switch (l.step) {
    case Step::SlideOne:
      if (!slid) return;
      // Several at once already: that step is done too.
      NextStep(slidesMade.back().steps > 1 ? Step::PlayRun : Step::SlideSeveral);
      return;
    case Step::SlideSeveral:
      if (!slid) return;
      if (slidesMade.back().steps > 1) NextStep(Step::PlayRun);
      else Owe(text::TutorialOneTile());
      return;
    case Step::Mark:
      if (st.MarkedTile == 0) Owe({});  // the game has said why; then the step again
      else NextStep(Step::GoToMark);
      return;
    case Step::GoToMark:
      if (st.MarkedTile == 0) Owe({});
      else NextStep(Step::Progress);
      return;
    case Step::Undo:
      if (undone) NextStep(Step::Finish);
      return;
    default: NextStep(static_cast<Step>(static_cast<int>(l.step) + 1)); return;
  }
}

void Game::NextStep(Step step) {
  lesson->step = step;
  if (step == Step::Over) {
    schedule.Cancel(Flow::Hint);
    // The last slide's run is the whole song in order: once it has played, the end.
    AfterQuiet(Flow::Lesson, [this] {
      lesson->solvedSaid = true;
      Say(text::TutorialSolved() + " " + text::TutorialOver());
      AfterSpeech(Flow::Lesson, rules::SquareWordsWait, [this] {
        EndTutorial(true);
        AfterTutorial();
      });
    });
    return;
  }
  if (step == Step::Finish) {
    lesson->fewest = tutorial::SlidesToSolve(st).value_or(0);
    HintLater();
  }
  Owe(text::TutorialGood());
}

void Game::Owe(const std::string& before) {
  lesson->wordsOwed = true;
  lesson->before = before;
}

void Game::SayHint() {
  if (const auto square = tutorial::NextSlide(st)) Say(text::TutorialHint(square->first, square->second));
  HintLater();
}

void Game::HintLater() {
  schedule.Cancel(Flow::Hint);
  After(Flow::Hint, rules::TutorialHintAfter, [this] {
    AfterQuiet(Flow::Hint, [this] {
      // Not into a dialog or the help: the next minute's hint.
      if (mode_ != Mode::Playing) HintLater();
      else SayHint();
    });
  });
}

void Game::AskToLeaveTutorial() {
  svc.StopSpeech();
  SpeakMsgBox(text::TutorialLeave(), msgbox::YesNo, text::TutorialTitle(), [this](int16_t answer) {
    if (answer == msgbox::Yes) {
      EndTutorial(true);
      Idle();
      if (mode_ == Mode::Playing) AfterTutorial();
      return;
    }
    Idle();
    if (mode_ == Mode::Playing) SayStep(text::TutorialGoesOn());
  });
}

void Game::EndTutorial(bool reopen) {
  for (Flow f : {Flow::Lesson, Flow::Hint, Flow::Square, Flow::Notes}) schedule.Cancel(f);
  Lesson put = std::move(*lesson);
  lesson.reset();
  // What the player chose meanwhile stays: volumes and speech.
  const GameState now = st;
  st = std::move(put.game);
  st.SongVolume = now.SongVolume;
  st.CueVolume = now.CueVolume;
  st.SpeechType = now.SpeechType;
  st.SapiVoiceNumber = now.SapiVoiceNumber;
  st.SapiRate = now.SapiRate;
  st.SapiVolume = now.SapiVolume;
  st.NoKeyYet = false;
  st.Song = now.Song;
  moveCount = put.moves;
  slidesMade = std::move(put.slides);
  resultCounts = put.counts;
  resumedFromSave = put.resumed;
  playTime = put.time;
  playTime.Release(clock.SteadySeconds());
  if (reopen) {
    svc.PauseMP3();
    if (st.HasBoard() && !st.SongFile.empty()) {
      OpenSong(st.SongFile);
      svc.PauseMP3();
      svc.SetMP3Volume(st.SongVolume);
    } else if (st.Song) {
      svc.CloseSong(st.Song);
      st.Song = {};
    }
  }
  view.LaidOut();
}

void Game::AfterTutorial() {
  if (!st.HasBoard()) {
    NewGame();
    return;
  }
  Say(text::BackToYourGame());
  AnnounceSquare();
}

void Game::AfterQuiet(Flow flow, Schedule::Step then) {
  if (schedule.Pending(Flow::Square) || schedule.Pending(Flow::Notes)) {
    After(flow, rules::QuietPoll, [this, flow, then = std::move(then)] { AfterQuiet(flow, then); });
    return;
  }
  AfterRun(flow, [this, flow, then] {
    AfterSpeech(flow, rules::SquareWordsWait, [this, flow, then] { After(flow, rules::TutorialPause, then); });
  });
}
