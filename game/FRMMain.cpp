#include "game/FRMMain.h"

#include "core/Game.h"
#include "core/Layout.h"
#include "core/Texts.h"

#include "common/Keys.h"
#include "common/Twips.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>

const QColor FRMMain::Red(255, 0, 0);
const QColor FRMMain::Green(0, 255, 0);
const QColor FRMMain::Black(0, 0, 0);
const QColor FRMMain::White(255, 255, 255);
const QColor FRMMain::Yellow(255, 255, 0);
const QColor FRMMain::Blue(0, 0, 255);

namespace {
// A plain widget reports itself as filler; the board is the game's window.
QAccessibleInterface* boardAccessible(const QString& className, QObject* object) {
  if (className == QLatin1String("FRMMain") && object && object->isWidgetType())
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window, QString::fromUtf8(text::Caption()));
  return nullptr;
}

const QColor& fillOf(SquareKind kind) {
  switch (kind) {
    case SquareKind::InRun: return FRMMain::Green;
    case SquareKind::Empty: return FRMMain::Black;
    default: return FRMMain::Red;
  }
}

QRect pixels(const Rect& r) {
  return QRect(TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width), TwipsToPixels(r.height));
}

float twips(double pixels) { return static_cast<float>(PixelsToTwips(pixels)); }
}  // namespace

FRMMain::FRMMain(const GameState& state, QWidget* parent) : QWidget(parent), st(state) {
  static const bool factory = (QAccessible::installFactory(boardAccessible), true);
  (void)factory;
  setWindowTitle(QString::fromUtf8(text::Caption()));
  setAccessibleName(QString::fromUtf8(text::Caption()));
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(64, 64, 64));
  setPalette(p);
}

void FRMMain::LaidOut() {
  // Beside the board where the window is wide enough, else below it; all of it before a board.
  const BoardLayout layout = LayOut(st, HeightTwips());
  const int margin = TwipsToPixels(rules::BoardMargin);
  QRect area = rect().adjusted(margin, margin, -margin, -margin);
  if (!layout.squares.empty()) {
    const QRect board = pixels(layout.squares.back().rect);
    if (width() - board.right() >= width() / 4) area.setLeft(board.right() + 1 + margin);
    else area.setTop(board.bottom() + 1 + margin);
  }
  captions.setGeometry(area);
  update();
}

void FRMMain::resizeEvent(QResizeEvent*) { LaidOut(); }

// Back from a dialog: what follows is new.
void FRMMain::focusInEvent(QFocusEvent* e) {
  playerActed = true;
  ctrlKey = false;
  // After the reader has told the focus.
  QTimer::singleShot(0, this, [this] { captions.Retell(); });
  QWidget::focusInEvent(e);
}

void FRMMain::CoverScreen() {
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    if (QScreen* screen = app->primaryScreen()) setGeometry(screen->geometry());
}

void FRMMain::Shown(const std::string& caption) {
  setWindowTitle(QString::fromStdString(caption));
  CoverScreen();
  show();
}

int FRMMain::HeightTwips() const {
  // A tall, narrow window keeps a quarter of its height for the captions below the board.
  const int h = height() > 0 ? height() : 600;
  return static_cast<int>(std::lround(PixelsToTwips(width() > 0 ? std::min(h, width() * 3 / 4) : h)));
}

void FRMMain::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const BoardLayout layout = LayOut(st, HeightTwips());
  auto draw = [&](const Rect& r, const QColor& fill, const QColor& border, int width) {
    const QRect px = pixels(r);
    p.fillRect(px, fill);
    p.setPen(QPen(border, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(px.adjusted(width / 2, width / 2, -(width + 1) / 2, -(width + 1) / 2));
  };
  const int side = layout.squares.empty() ? 0 : TwipsToPixels(layout.squares[0].rect.width);
  // The cursor's frame is seen from across the room; others keep a thin edge.
  const int frame = std::max(3, side / 10);
  QFont numbers = font();
  numbers.setBold(true);
  numbers.setPixelSize(std::max(8, side * 8 / 25));  // two digits fit inside the mark
  p.setFont(numbers);
  for (const SquareShape& s : layout.squares) draw(s.rect, fillOf(s.kind), s.cursor ? Yellow : White, s.cursor ? frame : 3);
  p.setRenderHint(QPainter::Antialiasing);
  // In order: a tick as well as the green, for those who cannot tell green from red.
  for (const SquareShape& s : layout.squares)
    if (s.kind == SquareKind::InRun) drawTick(p, pixels(s.rect), frame);
  if (layout.mark) {  // in front
    const QRect m = pixels(*layout.mark);
    p.fillRect(m, Blue);
    p.setPen(QPen(White, std::max(2, side / 25), Qt::DotLine));
    p.drawEllipse(QRectF(m).adjusted(3, 3, -3, -3));
  }
  // Each tile's place in the song: black on red and green, white on the mark's blue.
  for (size_t k = 0; k < layout.squares.size(); ++k) {
    const SquareShape& s = layout.squares[k];
    if (s.kind == SquareKind::Empty) continue;
    const int square = static_cast<int>(k) + 1;
    const int16_t tile = st.Board((square - 1) / st.BoardColumns + 1, (square - 1) % st.BoardColumns + 1);
    const bool marked = tile == st.MarkedTile;
    p.setPen(marked ? White : Black);
    p.drawText(pixels(s.rect), Qt::AlignCenter, QString::number(tile));
  }
}

void FRMMain::drawTick(QPainter& p, const QRect& square, int width) {
  const double u = square.width() / 10.0;
  // Top right, clear of the number and inside the cursor's frame.
  const QPointF corner(square.left() + 6.4 * u, square.top() + 1.0 * u);
  QPainterPath tick;
  tick.moveTo(corner + QPointF(0, u));
  tick.lineTo(corner + QPointF(0.8 * u, 1.8 * u));
  tick.lineTo(corner + QPointF(2.2 * u, 0));
  p.setPen(QPen(Black, std::max(2, width * 2 / 3), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(tick);
}

bool FRMMain::event(QEvent* e) {
  // Tab would move focus away; the game wants every key.
  if (e->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
      keyPressEvent(k);
      return true;
    }
  }
  return QWidget::event(e);
}

void FRMMain::keyPressEvent(QKeyEvent* e) {
  if (!game) return;
  ctrlKey = e->modifiers() & Qt::ControlModifier;
  playerActed = true;
  const KeyCode k = KeyFromQt(*e);
  game->form_keydown(k.code, k.shift);
}

void FRMMain::keyReleaseEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Control && !e->isAutoRepeat()) {
    ctrlKey = false;
    captions.CtrlReleased();
  }
  QWidget::keyReleaseEvent(e);
}

void FRMMain::mousePressEvent(QMouseEvent* e) {
  if (!game) return;
  playerActed = true;
  const int16_t button = e->button() == Qt::LeftButton ? 1 : e->button() == Qt::RightButton ? 2 : e->button() == Qt::MiddleButton ? 4 : 0;
  game->Form_MouseDown(button, 0, twips(e->position().x()), twips(e->position().y()));
}

// The second press of a double-click arrives as this event; by default it
// would be handled as another press and slide again.
void FRMMain::mouseDoubleClickEvent(QMouseEvent* e) { e->accept(); }

void FRMMain::mouseMoveEvent(QMouseEvent* e) {
  if (!game) return;
  int16_t buttons = 0;
  if (e->buttons() & Qt::LeftButton) buttons |= 1;
  if (e->buttons() & Qt::RightButton) buttons |= 2;
  if (e->buttons() & Qt::MiddleButton) buttons |= 4;
  game->Form_MouseMove(buttons, 0, twips(e->position().x()), twips(e->position().y()));
}

void FRMMain::WindowDestroyed() {
  if (game) game->CloseRequested();
  // Still here: the player stays. The old native window is gone already;
  // a hidden widget without one gets a new window when shown.
  hide();
  destroy();
  show();
  activateWindow();
}

void FRMMain::closeEvent(QCloseEvent* e) {
  // The game asks; the window stays unless the program ends.
  e->ignore();
  if (game) game->CloseRequested();
}
