#pragma once
// The main window: paints the board for onlookers, turns Qt's key, mouse
// and close events into the game's, and stands for the game on the
// accessibility bus. The game itself is core/Game.h.
#include "core/BoardView.h"
#include "core/GameState.h"

#include <QColor>
#include <QWidget>

class Game;

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
  void LaidOut() override { update(); }
  void Changed() override { update(); }
  void Shown(const std::string& caption) override;
  int HeightTwips() const override;

  // The window system destroyed the window: quit as on a close, and if the
  // player stays, carry on in a new window.
  void WindowDestroyed();

 protected:
  void paintEvent(QPaintEvent*) override;
  void keyPressEvent(QKeyEvent* e) override;
  bool event(QEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  const GameState& st;
  Game* game = nullptr;
};
