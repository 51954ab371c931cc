#pragma once
// The game: keys, clicks and the services' events in, effects out through
// GameServices, the Clock and the BoardView. Every entry returns at once:
// what comes later is a step on the game's schedule, and what an input does
// while steps are pending is decided by the mode. No windows here.
//
// Dispatch.cpp: entries, modes and the key table's commands;
// BoardCommands.cpp: the cursor, squares, slides and their notes;
// Flows.cpp: start-up, saved game, new game, the win and the quit;
// Choices.cpp: help, folder, tile length, speech, and the dialogs;
// Results.cpp: moves, time, results and undo; Pointer.cpp: the mouse;
// TutorialFlow.cpp: the tutorial.
#include "core/BoardView.h"
#include "core/Clock.h"
#include "core/GameServices.h"
#include "core/GameState.h"
#include "core/KeyTable.h"
#include "core/Progress.h"
#include "core/Schedule.h"
#include "core/Tutorial.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

class Game {
 public:
  // What the game is doing, which decides what an input does.
  enum class Mode {
    Intro,        // keys, clicks and the pointer do nothing; the close box quits
    Asking,       // a dialog, list, selector or the help is open: the close box quits after it
    Adjusting,    // a voice adjuster takes the keys
    Playing,      // the board's commands
    Celebrating,  // the win: a key or click goes on to the question, the close box to the quit
    Leaving,      // the farewell: nothing more
  };

  Game(GameState& state, GameServices& services, Clock& clock, BoardView& view);

  // Random numbers for the shuffle.
  void Seed(uint32_t seed) { rng.seed(seed); }

  // After the engines exist, from the event loop: folders, sample song,
  // settings, speech type, the intro and the saved-game offer.
  // `commandLine` is the program's argument text.
  void Start(const std::string& commandLine);

  // A key, as a virtual-key code and shift mask.
  void form_keydown(int16_t KeyCode, int16_t Shift);
  // The mouse, at (X, Y) in twips of the window; Button 1 left, 2 right, 4 middle.
  void Form_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
  void Form_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
  // The pointer rested after a move that came too soon to count.
  void HoverRested();
  // The window system asked to close the window.
  void CloseRequested();
  // The display is gone for good and the program ends: keep the settings and
  // an unfinished game, asking nothing.
  void KeepOnLoss();
  // The sound server went away (false) or plays again (true).
  void SoundServerChanged(bool up);
  // The clock's timer: runs the steps now due.
  void Tick();
  // After the intro: the saved-game offer (resume, start anew, or, with
  // Cancel, no game); then a resumed game's words and run.
  void OfferSavedGame();
  void Resumed();


 private:
  GameState& st;
  GameServices& svc;
  Clock& clock;
  BoardView& view;
  std::mt19937 rng{12345};
  Mode mode_ = Mode::Playing;
  Schedule schedule;
  int entryDepth = 0;
  // The close box during a dialog: the quit follows once it has closed.
  bool quitAfter = false;
  // "No game" is said once; later board keys only bump.
  bool noGameSaid = false;

  // ---- The schedule (Dispatch.cpp)
  // Every entry runs inside one; the outermost runs what became ready.
  struct Entry {
    Game& g;
    explicit Entry(Game& game) : g(game) { ++g.entryDepth; }
    ~Entry() {
      if (--g.entryDepth == 0) g.RunReady();
    }
    Entry(const Entry&) = delete;
    Entry& operator=(const Entry&) = delete;
  };
  void RunReady();
  void After(Flow flow, double seconds, Schedule::Step step);
  void AfterSpeech(Flow flow, float atMost, Schedule::Step step);
  void AfterRun(Flow flow, Schedule::Step step);
  // A callback for a service: it runs `then` as a step of its own, never
  // inside the call that gave it.
  std::function<void()> Later(Schedule::Step then);
  template <typename T>
  std::function<void(T)> Answer(std::function<void(T)> then);
  // A flow has ended: back to the board (or to the quit the close box asked for).
  void Idle();

  // ---- Dispatch.cpp
  void Key(int16_t code, int16_t shift, bool silent);
  void Run(Command command, bool aKey, bool silent);
  // F3/F4 and F11/F12: one step of the song's or the cues' volume.
  bool StepVolume(int32_t& volume, int step);
  void ChangeVolume(int step);
  void ChangeCueVolume(int step);
  void Say(const std::string& text) { svc.speak(text); }

  // ---- BoardCommands.cpp
  // The square under the cursor: its words, then its tile; `after` sounds
  // once the tile has played (the edge's bump), else the mark's cue.
  void AnnounceSquare(const char* after = nullptr);
  void PlaySquare(int16_t tile, const char* after);
  void MoveCursorTo(int r, int c, const char* after = nullptr);
  bool Slide();
  void SlideNotes(std::vector<std::pair<int, int>> joins, size_t at, int note);
  void PlayInOrder(bool rowOnly, bool& bump);
  void Mark(bool silent);
  void GoToMark();
  void ToggleCoordinates();
  // Plays tiles first..last; when none has anything to hear, the bump instead,
  // whose sound index it answers (0: the tiles play).
  int16_t PlayTiles(int16_t first, int16_t last);
  // `then` once the cue has rung out, at most rules::RingOutWait from now.
  void RingOut(int16_t sound, Flow flow, Schedule::Step then, float waited = 0);

  // ---- Flows.cpp and Choices.cpp
  void Intro();
  void Offer();
  void Resume(GameState saved, SongHandle song, const std::string& path);
  void SayResumed();
  void NewBoard();
  void NewGame();
  void ChooseSong(std::string oldFile, bool sampleFailed);
  void SongChosen(const std::string& chosenPath, bool chosen, const std::string& oldFile, bool sampleFailed);
  void ChooseSize(const std::string& path, const std::string& oldFile);
  void BackOutOfNewGame(const std::string& oldFile);
  SongHandle OpenSong(const std::string& path);
  void WinSequence(int note, int16_t lastNote = 0);
  // The game is won: a saved game it was resumed from is not offered again.
  void Solved();
  bool resumedFromSave = false;
  void WinSongOver();
  void WinOver();
  void Quit();
  void AskToSave();
  void Farewell(bool remove);
  void ShowHelp();
  void ChooseLibraryFolder();
  void ChooseTileLength();
  // The speech type list; `then` runs once it is answered.
  void ChooseSpeechType(std::function<void()> then);
  void AdjustVoiceSetting(Command command);
  // The dialogs: the game's time stands still while one is open.
  void SpeakMsgBox(const std::string& text, int16_t buttons, const std::string& title,
                   std::function<void(int16_t)> answered);
  void PickList(const std::string& spec, std::function<void(std::string)> picked);
  void SelectFile(const std::string& folder, const std::string& title, const std::string& hint,
                  std::function<void(std::string)> chosen);
  void HoldTime();
  void ReleaseTime();
  // The folder of the song last chosen in the selector, this session.
  std::string chosenFolder;

  // ---- Results.cpp: the game's moves and time; a slide or an undo is one
  // move, however many tiles it moves.
  int32_t moveCount = 0;
  PlayTime playTime;
  // A resumed game whose earlier moves and time were not found sets no best result.
  bool resultCounts = true;
  // The slides an undo takes back, since the game began or was resumed.
  struct SlideSteps {
    int direction, steps;
  };
  std::vector<SlideSteps> slidesMade;
  // The progress file as read at the first need, with what the game added since.
  std::optional<Progress> kept;
  // A game begins or resumes: its moves and time go on from these; without
  // `counts` it sets no best result.
  void BeginCounting(int32_t fromMoves, double seconds, bool counts);
  bool Undo();
  Progress& KeptProgress();
  double PlayedSeconds() { return playTime.Seconds(clock.SteadySeconds()); }
  void SayProgress();
  void SayResult();
  void SayBestResults();
  // Writes the saved game and its moves and time; false when the game could not be written.
  bool KeepGame();

  // ---- TutorialFlow.cpp: a small board of its own, the player's game put
  // aside untouched and given back at the end.
  struct Lesson {
    tutorial::Step step = tutorial::Step::Arrows;
    bool wordsOwed = false;  // the step's words wait to be said, after `before`
    std::string before;
    int fewest = 0;          // the fewest slides to solved so far: progress
    bool solvedSaid = false;  // solved, the song in order heard, and so said
    // The player's game, as it was.
    GameState game;
    int32_t moves = 0;
    PlayTime time;
    std::vector<SlideSteps> slides;
    bool counts = true, resumed = false;
  };
  std::optional<Lesson> lesson;
  // The first start offers the tutorial once, where a new game would begin.
  bool offerTutorial = false;
  void OfferTutorial();
  void BeginTutorial();
  void LessonKey(int16_t code, Command command, bool aKey, bool silent);
  // What the command just did for the step; `slidesBefore` as it was before it ran.
  void LessonDid(Command command, size_t slidesBefore);
  void NextStep(tutorial::Step step);
  // The step's words are said once the key's own sounds are over.
  void Owe(const std::string& before);
  void SayStep(std::string before = {});
  void SayHint();
  void HintLater();
  void AskToLeaveTutorial();
  // The player's game back; `reopen` its song too (not when the program ends).
  void EndTutorial(bool reopen);
  // After the tutorial: the game put aside, or a new one.
  void AfterTutorial();
  // `then` once the square's words and tile and a slide's notes and run are over.
  void AfterQuiet(Flow flow, Schedule::Step then);
  std::string SamplePath() const;

  // ---- Pointer.cpp: where and when the pointer last counted, and the tile it last played.
  float mouseTime = 0, mouseX = 0, mouseY = 0;
  int16_t mouseButton = 0;
  bool hoverPending = false;  // a move waits for the half second to pass
  int16_t lastHoverTile = -1;  // -1: none yet, or the pointer was off the board
  int SquareAt(float X, float Y) const;
  void HoverAt(float X, float Y, int16_t Button);
};

template <typename T>
std::function<void(T)> Game::Answer(std::function<void(T)> then) {
  return [this, then = std::move(then)](T value) { Later([then, value] { then(value); })(); };
}
