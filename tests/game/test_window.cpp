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

#include <array>
#include <cmath>
#include <map>
#include <set>

namespace {

// WCAG's relative luminance and contrast ratio.
double linear(int c) {
  const double v = c / 255.0;
  return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}
double luminance(QRgb p) { return 0.2126 * linear(qRed(p)) + 0.7152 * linear(qGreen(p)) + 0.0722 * linear(qBlue(p)); }
double contrast(QRgb a, QRgb b) {
  const double x = luminance(a), y = luminance(b);
  return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// How a colour looks to a dichromat (Machado, Oliveira and Fernandes 2009,
// full severity), applied in linear light.
using Matrix = std::array<std::array<double, 3>, 3>;
const Matrix Protanopia{{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
const Matrix Deuteranopia{{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
QImage seenWith(const QImage& shot, const Matrix& m) {
  QImage out = shot.convertToFormat(QImage::Format_RGB32);
  auto encode = [](double v) {
    v = std::clamp(v, 0.0, 1.0);
    return static_cast<int>(std::lround(255 * (v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055)));
  };
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x) {
      const QRgb p = out.pixel(x, y);
      const double rgb[3] = {linear(qRed(p)), linear(qGreen(p)), linear(qBlue(p))};
      int c[3];
      for (int i = 0; i < 3; ++i) c[i] = encode(m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2]);
      out.setPixel(x, y, qRgb(c[0], c[1], c[2]));
    }
  return out;
}

// The commonest colour in `area`: a square's ground under whatever is drawn on it.
QRgb ground(const QImage& img, const QRect& area) {
  std::map<QRgb, int> count;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) ++count[img.pixel(x, y)];
  return std::max_element(count.begin(), count.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
}

// Where, within `area`, something stands out from `back` by at least `ratio`
// (darker only, if asked), as offsets from the area's corner.
std::set<std::pair<int, int>> standingOut(const QImage& img, const QRect& area, QRgb back, double ratio, bool darker = false) {
  std::set<std::pair<int, int>> out;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb p = img.pixel(x, y);
      if (contrast(p, back) >= ratio && (!darker || luminance(p) < luminance(back))) out.insert({x - area.left(), y - area.top()});
    }
  return out;
}

QRect part(const QRect& r, double left, double top, double right, double bottom) {
  return QRect(QPoint(r.left() + int(r.width() * left), r.top() + int(r.height() * top)),
               QPoint(r.left() + int(r.width() * right), r.top() + int(r.height() * bottom)));
}

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
  QPoint centre(int square) const { return at(square, 0.5, 0.5); }
  // A point of a square, as fractions of its width and height.
  QPoint at(int square, double x, double y) const {
    const Rect r = LayOut(st, win.HeightTwips()).squares.at(static_cast<size_t>(square - 1)).rect;
    return {TwipsToPixels(r.left + r.width * x), TwipsToPixels(r.top + r.height * y)};
  }
};

TEST_F(Window, PaintsTheBoardAsItStandsWithinTheWindowItIsGiven) {
  // A short window, as under a title bar or a panel: the whole board still shows.
  win.resize(500, 300);
  st.CursorRow = 1;
  st.CursorColumn = 2;
  st.MarkedTile = 5;
  const QImage shot = win.grab().toImage();
  // Beside the number, below the in-order tick.
  EXPECT_EQ(QColor(shot.pixel(at(1, 0.3, 0.7))), FRMMain::Green) << "in the run";
  EXPECT_EQ(QColor(shot.pixel(at(8, 0.3, 0.7))), FRMMain::Black) << "the empty square";
  EXPECT_EQ(QColor(shot.pixel(at(9, 0.3, 0.7))), FRMMain::Red) << "out of the run";
  EXPECT_EQ(QColor(shot.pixel(at(5, 0.3, 0.7))), FRMMain::Blue) << "the mark, in front";
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

TEST_F(Window, EverySquareShowsItsNumberReadablyAndOrderIsSeenWithoutColour) {
  board::LaySolved(st, 4);
  LayRows(st, {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 12, 11}, {13, 15, 14, 0}});
  board::Recount(st);
  ASSERT_EQ(st.TilesInOrder, 10);
  st.CursorRow = 3;
  st.CursorColumn = 4;
  st.MarkedTile = 14;
  win.resize(900, 700);
  win.LaidOut();
  const QImage shot = win.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const BoardLayout layout = LayOut(st, win.HeightTwips());
  auto square = [&](int k) {
    const Rect& r = layout.squares.at(static_cast<size_t>(k - 1)).rect;
    return QRect(TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width), TwipsToPixels(r.height));
  };
  std::map<std::set<std::pair<int, int>>, int> glyphs;
  for (int k = 1; k <= 15; ++k) {
    // The number sits in the middle; its ground is the square's colour, or the mark's.
    const QRect middle = part(square(k), 0.22, 0.22, 0.78, 0.78);
    const QRgb back = ground(shot, middle);
    const auto number = standingOut(shot, middle, back, 4.5);
    EXPECT_GT(number.size(), 20u) << "square " << k << ": no number at 4.5:1 against its ground";
    const int tile = st.Board((k - 1) / 4 + 1, (k - 1) % 4 + 1);
    const auto [other, fresh] = glyphs.emplace(number, tile);
    EXPECT_TRUE(fresh) << "tiles " << tile << " and " << other->second << " look the same";
  }
  EXPECT_EQ(glyphs.size(), 15u);
  // The cursor's frame: thick (a tenth of the square) and yellow on any square.
  const QRect cursor = square(12);
  for (int x = 0; x < cursor.width() / 10 - 1; ++x)
    EXPECT_EQ(QColor(shot.pixel(cursor.left() + x, cursor.center().y())), FRMMain::Yellow) << x << " px in";

  // Red and green as a dichromat sees them: told apart by contrast, or by a
  // dark sign in the in-order squares' corner that out-of-order ones lack.
  for (const Matrix* m : {&Protanopia, &Deuteranopia}) {
    const QImage seen = seenWith(shot, *m);
    const QRgb inOrder = ground(seen, part(square(1), 0.05, 0.8, 0.3, 0.95));
    const QRgb outOfOrder = ground(seen, part(square(11), 0.05, 0.8, 0.3, 0.95));
    if (contrast(inOrder, outOfOrder) >= 3) continue;
    for (int k = 1; k <= 15; ++k) {
      const QRect corner = part(square(k), 0.55, 0.1, 0.88, 0.3);
      const size_t sign = standingOut(seen, corner, ground(seen, corner), 3, true).size();
      if (k <= st.TilesInOrder) EXPECT_GT(sign, 10u) << "in-order square " << k << " has no sign but its colour";
      else EXPECT_EQ(sign, 0u) << "out-of-order square " << k << " carries the in-order sign";
    }
  }
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

// What reaches a braille display (and that Orca never speaks it) the Orca walk proves.
TEST_F(Window, CaptionsShowWhatWasSaidAsReadOnlyTextBesideTheBoard) {
  win.resize(900, 600);
  win.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&win));
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&win);
  QAccessibleInterface* line = nullptr;
  for (int i = 0; i < a->childCount(); ++i)
    if (a->child(i)->role() == QAccessible::EditableText) line = a->child(i);
  ASSERT_NE(line, nullptr) << "no caption in the accessibility tree";
  ASSERT_NE(line->textInterface(), nullptr);
  EXPECT_TRUE(line->state().readOnly);
  EXPECT_FALSE(line->state().focusable) << "the board keeps the focus and every key";

  win.Caption("***Row 2, column 3.");
  auto shown = [&] { return line->textInterface()->text(0, line->textInterface()->characterCount()); };
  EXPECT_EQ(shown(), "Row 2, column 3.");
  // Beside the board, white on black, large: a capital stands a twentieth of
  // the window high, and grows with it.
  const Rect last = LayOut(st, win.HeightTwips()).squares.back().rect;
  EXPECT_GE(win.CaptionLine().geometry().left(), TwipsToPixels(last.left + last.width)) << "over the board";
  auto inkHeight = [&] {
    const QImage shot = win.CaptionLine().grab().toImage();
    int top = shot.height(), bottom = -1;
    for (int y = 0; y < shot.height(); ++y)
      for (int x = 0; x < shot.width(); ++x)
        if (shot.pixel(x, y) == qRgb(255, 255, 255)) {
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
    return bottom - top + 1;
  };
  const int small = inkHeight();
  EXPECT_GE(small, win.height() / 20);
  win.resize(1800, 1200);
  EXPECT_GT(inkHeight(), small * 3 / 2);
  win.Caption("   ");  // nothing to show: the last words stay
  EXPECT_EQ(shown(), "Row 2, column 3.");

  // A key starts a new line; what one key brings stays together on it.
  QTest::keyClick(&win, Qt::Key_B);
  win.Caption("Row 3, column 2.");
  win.Caption("Correct");
  EXPECT_EQ(shown(), "Row 3, column 2. Correct");
}

}  // namespace
