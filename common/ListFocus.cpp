#include "common/ListFocus.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QEvent>
#include <QPointer>
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
