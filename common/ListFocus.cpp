#include "common/ListFocus.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QLabel>
#include <QEvent>
#include <QPointer>
#include <QSet>
#include <QTimer>

void AnnounceCurrentItem(QAbstractItemView* view) {
  if (!view || !view->hasFocus() || !QAccessible::isActive()) return;
  const QModelIndex current = view->currentIndex();
  if (!current.isValid()) return;
  QAccessibleEvent ev(view, QAccessible::Focus);
  ev.setChild(current.row());
  QAccessible::updateAccessibility(&ev);
}

namespace {

class FocusFollower : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::FocusIn) {
      // After Qt has announced the list itself.
      QPointer<QAbstractItemView> view(static_cast<QAbstractItemView*>(watched));
      QTimer::singleShot(0, view, [view] { AnnounceCurrentItem(view); });
    }
    return false;
  }
};

}  // namespace

void AnnounceCurrentItemOnFocus(QAbstractItemView* view) {
  if (view) view->installEventFilter(new FocusFollower(view));
}

namespace {

const char* kLabelled = "labelledByBuddy";

// Qt's own interface for the view, with the labels added to its relations.
// Everything else, the items and the table interface included, is Qt's.
class LabelledView : public QAccessibleInterface {
 public:
  explicit LabelledView(QAccessibleInterface* inner) : inner(inner), innerId(QAccessible::uniqueId(inner)) {
    Live().insert(this);
  }
  // Qt's interface goes with it (the cache knows the view by this one only).
  ~LabelledView() override {
    Live().remove(this);
    QAccessible::deleteAccessibleInterface(innerId);
  }
  // Qt's cache, emptying itself as the program closes down, cannot take the
  // interfaces a deleted one deletes in turn (the list's items): those still
  // here go before it.
  static void DeleteLive() {
    for (LabelledView* view : Live().values()) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(view));
  }

  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation match) const override {
    auto out = inner->relations(match);
    auto* view = qobject_cast<QWidget*>(object());
    if (!(match & QAccessible::Label) || !view || !view->parentWidget()) return out;
    for (QLabel* label : view->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
      if (label->buddy() == view && label->isVisible())
        if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label))
          out.append({iface, QAccessible::Label});
    return out;
  }

  bool isValid() const override { return inner->isValid(); }
  QObject* object() const override { return inner->object(); }
  QWindow* window() const override { return inner->window(); }
  QAccessibleInterface* focusChild() const override { return inner->focusChild(); }
  QAccessibleInterface* childAt(int x, int y) const override { return inner->childAt(x, y); }
  QAccessibleInterface* parent() const override { return inner->parent(); }
  QAccessibleInterface* child(int index) const override { return inner->child(index); }
  int childCount() const override { return inner->childCount(); }
  int indexOfChild(const QAccessibleInterface* child) const override { return inner->indexOfChild(child); }
  QString text(QAccessible::Text t) const override { return inner->text(t); }
  void setText(QAccessible::Text t, const QString& text) override { inner->setText(t, text); }
  QRect rect() const override { return inner->rect(); }
  QAccessible::Role role() const override { return inner->role(); }
  QAccessible::State state() const override { return inner->state(); }
  QColor foregroundColor() const override { return inner->foregroundColor(); }
  QColor backgroundColor() const override { return inner->backgroundColor(); }
  void* interface_cast(QAccessible::InterfaceType t) override { return inner->interface_cast(t); }

 private:
  static QSet<LabelledView*>& Live() {
    static QSet<LabelledView*> live;
    return live;
  }
  QAccessibleInterface* inner;
  QAccessible::Id innerId;
};

bool makingInner = false;

QAccessibleInterface* labelledView(const QString& className, QObject* object) {
  auto* view = qobject_cast<QAbstractItemView*>(object);
  if (makingInner || !view || className != QLatin1String(object->metaObject()->className()) ||
      !view->property(kLabelled).toBool())
    return nullptr;
  makingInner = true;
  QAccessibleInterface* inner = QAccessible::queryAccessibleInterface(object);
  makingInner = false;
  return inner ? new LabelledView(inner) : nullptr;
}

}  // namespace

void LabelByBuddy(QAbstractItemView* view) {
  if (!view) return;
  static const bool installed = [view] {
    // The cache exists first, so this runs before it empties (last added, first run).
    QAccessible::queryAccessibleInterface(view);
    qAddPostRoutine(LabelledView::DeleteLive);
    QAccessible::installFactory(labelledView);
    return true;
  }();
  (void)installed;
  view->setProperty(kLabelled, true);
  // Made before (a screen reader asked as the view was built): made again, labelled.
  QAccessibleInterface* made = QAccessible::queryAccessibleInterface(view);
  if (made && !dynamic_cast<LabelledView*>(made)) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}
