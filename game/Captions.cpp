#include "game/Captions.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <algorithm>

namespace {
const QColor Ink(255, 255, 255), Paper(0, 0, 0);  // 21:1
constexpr int Padding = 8;
constexpr qsizetype MaxLength = 300;

// Read-only text: a screen reader brailles the text of a changed text object
// but speaks it only when a key typed it. A label's change it ignores.
class CaptionsAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit CaptionsAccessible(Captions* w) : QAccessibleWidget(w, QAccessible::EditableText) {}
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? captions()->Text() : QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    s.editable = false;
    s.focusable = false;
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int start, int end) const override { return captions()->Text().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(captions()->Text().size()); }
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

 private:
  const Captions* captions() const { return static_cast<const Captions*>(widget()); }
};

QAccessibleInterface* captionsAccessible(const QString& className, QObject* object) {
  if (className == QLatin1String("Captions") && object && object->isWidgetType())
    return new CaptionsAccessible(static_cast<Captions*>(object));
  return nullptr;
}
}  // namespace

Captions::Captions(QWidget* parent) : QWidget(parent) {
  static const bool factory = (QAccessible::installFactory(captionsAccessible), true);
  (void)factory;
  setAccessibleName(QString());
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void Captions::Say(const std::string& spoken, bool newLine, bool ctrlHeld) {
  // As the voice has it: "***" only asks it to go on at once.
  const QString text = QString::fromStdString(spoken.compare(0, 3, "***") == 0 ? spoken.substr(3) : spoken).trimmed();
  if (text.isEmpty()) return;
  const QString old = shown;
  if (newLine) parts.clear();
  parts.append(text);
  // Without keys (the intro, a flow of questions) the line would grow for ever.
  bool dropped = false;
  while (parts.size() > 1 && parts.join(' ').size() > MaxLength) {
    parts.removeFirst();
    dropped = true;
  }
  shown = parts.join(' ');
  update();
  if (ctrlHeld) {
    if (!insertLater && !old.isEmpty()) {
      QAccessibleTextRemoveEvent removed(this, 0, old);
      QAccessible::updateAccessibility(&removed);
    }
    insertLater = true;
    return;
  }
  if (insertLater) {
    CtrlReleased();
    return;
  }
  if (parts.size() > 1 && !dropped) {
    QAccessibleTextInsertEvent added(this, static_cast<int>(old.size()), shown.mid(old.size()));
    QAccessible::updateAccessibility(&added);
  } else {
    QAccessibleTextUpdateEvent changed(this, 0, old, shown);
    QAccessible::updateAccessibility(&changed);
  }
}

void Captions::CtrlReleased() {
  if (!insertLater) return;
  insertLater = false;
  QAccessibleTextInsertEvent added(this, 0, shown);
  QAccessible::updateAccessibility(&added);
}

void Captions::Retell() {
  insertLater = false;
  if (shown.isEmpty()) return;
  QAccessibleTextUpdateEvent again(this, 0, shown, shown);
  QAccessible::updateAccessibility(&again);
}

int Captions::FittingPixelSize(const QFont& font, const QString& text, const QRect& area) {
  QFont f = font;
  int size = std::max(8, area.height() / 3);
  for (; size > 8; size = size * 9 / 10) {
    f.setPixelSize(size);
    const QRect need = QFontMetrics(f).boundingRect(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    if (need.width() <= area.width() && need.height() <= area.height()) break;
  }
  return size;
}

void Captions::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Paper);
  const QRect area = rect().adjusted(Padding, Padding, -Padding, -Padding);
  QFont f = font();
  f.setBold(true);
  // Large, but never cut: a long result gets a smaller font than a square's words.
  f.setPixelSize(std::min(std::max(8, window()->height() / 14), FittingPixelSize(f, shown, area)));
  p.setFont(f);
  p.setPen(Ink);
  p.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shown);
}
