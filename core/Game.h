#pragma once
// The game: keys and clicks in, effects out through GameServices, the Clock
// and the BoardView. Holds the commands, the rules beyond the board's and
// the flows from start-up to the farewell. No windows here.
#include "core/BoardView.h"
#include "core/Clock.h"
#include "core/GameServices.h"
#include "core/GameState.h"
#include "core/KeyTable.h"
#include "core/Progress.h"

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

class Game {
 public:
  Game(GameState& state, GameServices& services, Clock& clock, BoardView& view);

  // Random numbers for the shuffle.
  void Seed(uint32_t seed) { rng.seed(seed); }

  // After the engines exist: folders, sample song, settings, speech type,
  // the intro and the saved-game offer. `commandLine` is the program's argument text.
  void Start(const std::string& commandLine);
  // The saved-game offer: resume, start anew, or (Cancel) leave no game.
  void OfferSavedGame();
  // A saved game was laid out: say it, then play what is in order.
  void Resumed();

  // A key, as a virtual-key code and shift mask.
  void form_keydown(int16_t KeyCode, int16_t Shift);
  // The mouse, at (X, Y) in twips of the window; Button 1 left, 2 right, 4 middle.
  void Form_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
  void Form_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
  // The pointer rested after a move that came too soon to count.
  void HoverRested();
  // The window system asked to close the window, or took it away.
  void CloseRequested();
  // The display is gone for good and the program ends: keep the settings and
  // an unfinished game, asking nothing.
  void KeepOnLoss();
  // The sound server went away (false) or plays again (true).
  void SoundServerChanged(bool up);

  // A command asked to end the game (win answered No, quit).
  bool quitting() const { return quitStarted; }

 private:
  GameState& st;
  GameServices& svc;
  Clock& clock;
  BoardView& view;
  std::mt19937 rng{12345};
  bool quitStarted = false;
  // Counts keys, so a command that waited knows whether the player went on meanwhile.
  unsigned keyEvents = 0;
  // From the winning move to the question: keys do not touch the board.
  bool celebrating = false;
  bool skipReward = false;
  // "No game" is said once; later board keys only bump.
  bool noGameSaid = false;
  // Tell a command that waited whether the board is still the same game, as it left it.
  unsigned boardBuilds = 0, boardMoves = 0;
  // The pointer: where and when it last counted, and the tile it last played.
  float mouseTime = 0, mouseX = 0, mouseY = 0;
  int16_t mouseButton = 0;
  bool hoverPending = false;  // a move waits for the half second to pass
  int16_t lastHoverTile = -1;  // -1: none yet, or the pointer was off the board
  // The folder of the song last chosen in the selector, this session.
  std::string chosenFolder;
  void HoverAt(float X, float Y, int16_t Button);

  // The game's moves and time; a slide or an undo is one move, however many tiles it moves.
  int32_t moveCount = 0;
  PlayTime playTime;
  // A resumed game whose earlier moves and time were not found sets no best result.
  bool resultCounts = true;
  // The slides an undo takes back, since the game began or was resumed: the
  // empty square's steps, in order. A slide is one entry, unless another
  // slide ran during its notes: each then has the steps it made.
  struct SlideSteps {
    unsigned slide;
    int direction, steps;
  };
  std::vector<SlideSteps> slidesMade;
  unsigned slidesStarted = 0;
  // The progress file as read at the first need, with what the game added since.
  std::optional<Progress> kept;

  // The time stands still while a dialog, the help or a voice adjuster is open.
  struct TimeHeld {
    Game& game;
    explicit TimeHeld(Game& g) : game(g) { game.playTime.Hold(game.clock.SteadySeconds()); }
    ~TimeHeld() { game.playTime.Release(game.clock.SteadySeconds()); }
    TimeHeld(const TimeHeld&) = delete;
    TimeHeld& operator=(const TimeHeld&) = delete;
  };
  int16_t SpeakMsgBox(const std::string& text, int16_t buttons, const std::string& title);
  std::string PickList(const std::string& spec);
  std::string SelectFile(const std::string& folder, const std::string& title, const std::string& hint);

  // What a key runs once it is not the speech adjusters'; `silent` leaves a mark unsounded.
  void Key(int16_t code, int16_t shift, bool silent);
  void Run(Command command, bool aKey, bool silent);
  void NewBoard();
  void MoveHole(int Direction, unsigned slide);
  void WinSequence();
  void Solved();
  // The board is the saved game's, resumed.
  bool resumedFromSave = false;
  // Waits for a cue to end, at most rules::RingOutWait.
  void RingOut(int16_t sound);
  // A game begins or resumes: its moves and time go on from these; without
  // `counts` it sets no best result.
  void BeginCounting(int32_t fromMoves, double seconds, bool counts);
  bool Undo();
  Progress& KeptProgress();
  double PlayedSeconds() { return playTime.Seconds(clock.SteadySeconds()); }
  void SayProgress();
  void SayResult();
  void SayBestResults();
  void AnnounceSquare();
  void MoveCursorTo(int r, int c);
  int SquareAt(float X, float Y) const;
  bool Slide();
  void PlayInOrder(bool rowOnly, bool& bump);
  // Plays tiles first..last; when none has anything to hear, the bump instead,
  // whose sound index it answers (0: the tiles play).
  int16_t PlayTiles(int16_t first, int16_t last);
  void ChangeVolume(int step);
  void Mark(bool silent);
  void GoToMark(bool& bump);
  void ToggleCoordinates();
  void NewGame();
  // One pass of the selector and the size list; false when the player asks
  // to choose another song.
  bool NewGameOnce();
  void BackOutOfNewGame(const std::string& oldFile);
  SongHandle OpenSong(const std::string& path);
  void Quit();
  // Writes the saved game and its moves and time; false when the game could not be written.
  bool KeepGame();
  void ChooseLibraryFolder();
  void ChooseTileLength(bool& bump);
  void ChooseSpeechType();
  void Say(const std::string& text) { svc.speak(text); }
};
