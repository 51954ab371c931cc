#include "core/Game.h"

#include "core/Board.h"
#include "core/Layout.h"

#include "base/VirtualKeys.h"

#include <cmath>

int Game::SquareAt(float X, float Y) const { return HitTest(LayOut(st, view.HeightTwips()), X, Y); }

void Game::Form_MouseDown(int16_t Button, int16_t, float X, float Y) {
  Entry entry(*this);
  if (Button < 1 || !st.HasBoard()) return;
  // During the win a click, like a key, goes on to the question.
  if (mode_ == Mode::Celebrating) Key(vk::Space, 0, false);
  if (mode_ != Mode::Playing) return;
  const int k = SquareAt(X, Y);
  if (k == 0) return;
  board::calcRC(st, k, st.CursorRow, st.CursorColumn);
  view.Changed();
  if (Button == 1) Key(vk::Space, 0, false);
  else if (Button == 2) Key('M', 0, true);
}

void Game::Form_MouseMove(int16_t Button, int16_t, float X, float Y) {
  Entry entry(*this);
  if (st.NoKeyYet || !st.HasBoard() || mode_ != Mode::Playing) return;
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
  Entry entry(*this);
  if (!hoverPending) return;
  hoverPending = false;
  if (st.NoKeyYet || !st.HasBoard() || mode_ != Mode::Playing) return;
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
  // The square the pointer took is the one heard: the words and tile still
  // pending for the square the cursor left are dropped.
  schedule.Cancel(Flow::Square);
  if (t != 0) PlayTiles(t, t);
  else svc.PlaySound("noTile.wav");
  lastHoverTile = t;
}
