#pragma once
// The main window: paints the board for onlookers, turns Qt's key, mouse
// and close events into the game's, and stands for the game on the
// accessibility bus. The game itself is core/Game.h.
#include "core/BoardView.h"
#include "core/GameState.h"
#include "game/Captions.h"

#include <QColor>
#include <QWidget>

class Game;
class QPainter;

class FRMMain : public QWidget, public BoardView {
  Q_OBJECT
 public:
  static const QColor Red, Green, Black, White, Yellow, Blue;

  explicit FRMMain(const GameState& state, QWidget* parent = nullptr);
  // Events go to this game from now on.
  void SetGame(Game* g) { game = g; }

  // Makes the window as large as the screen.
  void CoverScreen();

  // BoardView
  void LaidOut() override;
  void Changed() override { update(); }
  void Shown(const std::string& caption) override;
  int HeightTwips() const override;
  // Not the captions' size: the window is shown before the game fits it to the screen.
  QSize sizeHint() const override { return {800, 600}; }

  // Shows what the game says, beside the board.
  void Caption(const std::string& spoken) {
    captions.Say(spoken, playerActed, ctrlKey);
    playerActed = false;
  }
  Captions& CaptionLine() { return captions; }

  // The window system destroyed the window: quit as on a close, and if the
  // player stays, carry on in a new window.
  void WindowDestroyed();

 protected:
  void paintEvent(QPaintEvent*) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  bool event(QEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  static void drawTick(QPainter& p, const QRect& square, int width);

  const GameState& st;
  Game* game = nullptr;
  Captions captions{this};
  bool ctrlKey = false;  // the last key's
  bool playerActed = true;  // a key or a click since the last caption
};
