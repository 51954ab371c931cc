#pragma once
// The main window: draws the board for onlookers and turns keys and mouse
// events into game commands. Board rules live in Board.h.
#include "game/GameServices.h"
#include "game/GameState.h"

#include <QColor>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <random>
#include <vector>

// The speech-type pick list, opening on `current` (nothing chosen: the built-in voice).
std::string SpeechTypeList(int16_t current);

class FRMMain : public QWidget {
  Q_OBJECT
 public:
  // One filled rectangle of the board, in twips.
  struct Shape {
    bool exists = false;
    bool visible = false;
    int left = 0, top = 0, width = 0, height = 0;
    QColor fill;
    QColor border;
  };

  static const QColor Red, Green, Black, White, Yellow, Blue;
  static constexpr const char* Caption = "Music Tunzle   Press F1 for Help";

  FRMMain(GameState& state, GameServices& services, QWidget* parent = nullptr);

  // Makes the window as large as the screen.
  void CoverScreen();

  // Board.
  void BuildSquare(bool NewGame);
  void PositionTile(int k, int i, int j, const QColor& colour);
  void SetBorder(int R, int c, int BorderStyle);
  void SetColour();
  void calcRC(int k, int16_t& r, int16_t& c) const;
  void marker();
  bool TileInPlace(int k) const;
  void MoveHole(int Direction, bool Silent);
  void Shuffle();

  // Commands.
  void form_keydown(int16_t KeyCode, int16_t Shift);
  void Form_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
  void Form_MouseMove(int16_t Button, int16_t Shift, float X, float Y);

  // The one-shot tile timer.
  QTimer Timer1;

  // Random numbers in [0, 1) for the shuffle (seeded at start-up).
  void Seed(uint32_t seed) { rng.seed(seed); }

  // Shape k, 1-based (the mark shape is rows × columns + 1).
  const Shape& Tile(int k) const { return shapes.at(static_cast<size_t>(k)); }
  int ShapeCount() const { return static_cast<int>(shapes.size()) - 1; }

  // The window system destroyed the window: quit as on a close, and if the
  // player stays, carry on in a new window.
  void WindowDestroyed();

  // Called after a command asked to end the game (win answered No, quit).
  bool quitting() const { return quitStarted; }

  // Says the board's size and where the cursor and the empty square are.
  void AnnounceGame(const std::string& which);
  // A saved game was laid out: say it, then play what is in order.
  void Resumed();

  // Hover fields.
  float MouseTime = 0, MouseX = 0, MouseY = 0;
  int16_t LastHoverTile = 0;

 protected:
  void paintEvent(QPaintEvent*) override;
  void keyPressEvent(QKeyEvent* e) override;
  bool event(QEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  GameState& st;
  GameServices& svc;
  std::vector<Shape> shapes{1};  // index 0 unused
  std::mt19937 rng{12345};
  bool quitStarted = false;
  // Counts key events, so a command that waited knows whether the player went on meanwhile.
  unsigned keyEvents = 0;
  // From the winning move to the question: keys do not touch the board.
  bool celebrating = false;
  bool skipReward = false;
  // "No game" is said once; later board keys only bump.
  bool noGameSaid = false;
  // Tell a command that waited whether the board is still the same game, as it left it.
  unsigned boardBuilds = 0, boardMoves = 0;

  Shape& shape(int k);
  int markShape() const { return st.BoardRows * st.BoardColumns + 1; }
  void WinSequence();
  void AnnounceSquare();
  void MoveCursorTo(int r, int c);
  int HitTest(float X, float Y) const;
  bool Slide();
  void PlayInOrder(bool rowOnly, bool& bump);
  void NewGame();
  void BackOutOfNewGame(const std::string& oldFile);
  void Quit();
  void ChooseLibraryFolder();
  void ChooseTileLength(bool& bump);
  void Say(const std::string& text) { svc.speak(text); }
  int windowHeightTwips() const;
};
