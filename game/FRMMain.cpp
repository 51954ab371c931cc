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
#include <QScreen>
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

void FRMMain::CoverScreen() {
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    if (QScreen* screen = app->primaryScreen()) setGeometry(screen->geometry());
}

void FRMMain::Shown(const std::string& caption) {
  setWindowTitle(QString::fromStdString(caption));
  CoverScreen();
  show();
}

int FRMMain::HeightTwips() const { return static_cast<int>(std::lround(PixelsToTwips(height() > 0 ? height() : 600))); }

void FRMMain::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const BoardLayout layout = LayOut(st, HeightTwips());
  auto draw = [&](const Rect& r, const QColor& fill, const QColor& border) {
    const QRect px = pixels(r);
    p.fillRect(px, fill);
    p.setPen(QPen(border, 3));
    p.drawRect(px.adjusted(1, 1, -2, -2));
  };
  for (const SquareShape& s : layout.squares) draw(s.rect, fillOf(s.kind), s.cursor ? Yellow : White);
  if (layout.mark) draw(*layout.mark, Blue, Blue);  // in front
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
  const KeyCode k = KeyFromQt(*e);
  game->form_keydown(k.code, k.shift);
}

void FRMMain::mousePressEvent(QMouseEvent* e) {
  if (!game) return;
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
