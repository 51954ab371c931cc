// The window around the game: what it paints, where clicks land, what screen
// readers see. The game's own behaviour is tested without a window (tests/core).
#include "tests/core/FakeServices.h"

#include "core/Board.h"
#include "core/Layout.h"
#include "core/Texts.h"
#include "game/FRMMain.h"
#include "tests/support/BoardBuilder.h"

#include "common/Twips.h"

#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Window : public ::testing::Test {
 protected:
  GameState st;
  FakeServices svc;
  FRMMain win{st};
  Game game{st, svc, svc, win};
  void SetUp() override {
    win.SetGame(&game);
    st.NoKeyYet = false;
    board::LaySolved(st, 3);
    LayRows(st, {{1, 2, 3}, {4, 5, 6}, {7, 0, 8}});
    board::Recount(st);
    st.Song = SongHandle{1};
  }
  QPoint centre(int square) const {
    const Rect r = LayOut(st, win.HeightTwips()).squares.at(static_cast<size_t>(square - 1)).rect;
    return {TwipsToPixels(r.left + r.width / 2), TwipsToPixels(r.top + r.height / 2)};
  }
};

TEST_F(Window, PaintsTheBoardAsItStandsWithinTheWindowItIsGiven) {
  // A short window, as under a title bar or a panel: the whole board still shows.
  win.resize(500, 300);
  st.CursorRow = 1;
  st.CursorColumn = 2;
  st.MarkedTile = 5;
  const QImage shot = win.grab().toImage();
  EXPECT_EQ(QColor(shot.pixel(centre(1))), FRMMain::Green) << "in the run";
  EXPECT_EQ(QColor(shot.pixel(centre(8))), FRMMain::Black) << "the empty square";
  EXPECT_EQ(QColor(shot.pixel(centre(9))), FRMMain::Red) << "out of the run";
  EXPECT_EQ(QColor(shot.pixel(centre(5))), FRMMain::Blue) << "the mark, in front";
  const Rect cursor = LayOut(st, win.HeightTwips()).squares[1].rect;
  EXPECT_EQ(QColor(shot.pixel(TwipsToPixels(cursor.left) + 2, TwipsToPixels(cursor.top + cursor.height / 2))), FRMMain::Yellow);
  const Rect last = LayOut(st, win.HeightTwips()).squares.back().rect;
  EXPECT_LE(TwipsToPixels(last.top + last.height), shot.height()) << "the bottom row is cut off";
  // Painting reads the state and leaves it as it was.
  const GameState before = st;
  win.grab();
  EXPECT_EQ(st.Cells, before.Cells);
  EXPECT_EQ(st.TilesInOrder, before.TilesInOrder);
}

TEST_F(Window, ADoubleClickIsOneClick) {
  win.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&win));
  // Through the window system, which makes the second press a double-click.
  QTest::mouseDClick(win.windowHandle(), Qt::LeftButton, Qt::NoModifier, win.mapTo(win.window(), centre(9)));
  EXPECT_EQ(st.Board(3, 2), 8);
  EXPECT_EQ(svc.count("beep"), 0) << "the second click slid (or tried to) again";
  EXPECT_EQ(svc.count("after the run: sound noTile.wav"), 1);
}

TEST_F(Window, KeysAndTheCloseRequestReachTheGame) {
  win.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&win));
  QTest::keyClick(&win, Qt::Key_Tab);  // never moves the focus away
  QTest::keyClick(&win, Qt::Key_Right);
  EXPECT_EQ(st.CursorColumn, 2);
  EXPECT_EQ(svc.log.back(), "tile 2-2 2.0");
  svc.answers = {msgbox::Cancel};
  EXPECT_FALSE(win.close()) << "Cancel keeps the game and its window";
  EXPECT_EQ(svc.count("msgbox Save Game?: Would you like to save your game?"), 1);
}

TEST(BoardWindow, ScreenReadersSeeAWindowNamedByItsCaption) {
  GameState st;
  FRMMain win(st);
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&win);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->role(), QAccessible::Window);
  EXPECT_EQ(a->text(QAccessible::Name).toStdString(), text::Caption());
}

}  // namespace
