#include "game/WindowGone.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <xcb/xcb.h>

namespace {

class DestroyWatch : public QAbstractNativeEventFilter {
 public:
  DestroyWatch(QWidget& w, std::function<void()> gone) : widget_(&w), gone_(std::move(gone)) {}

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t" || !widget_) return false;
    const auto* e = static_cast<const xcb_generic_event_t*>(message);
    if ((e->response_type & 0x7f) != XCB_DESTROY_NOTIFY) return false;
    const auto* d = static_cast<const xcb_destroy_notify_event_t*>(message);
    // Qt clears the id before it destroys a window itself.
    if (widget_->internalWinId() == 0 || d->window != static_cast<xcb_window_t>(widget_->internalWinId())) return false;
    // Later, not inside the platform's event handling.
    QTimer::singleShot(0, widget_.data(), gone_);
    return false;
  }

 private:
  QPointer<QWidget> widget_;
  std::function<void()> gone_;
};

}  // namespace

void OnNativeWindowDestroyed(QWidget& widget, std::function<void()> gone) {
  auto* watch = new DestroyWatch(widget, std::move(gone));
  QCoreApplication::instance()->installNativeEventFilter(watch);
  QObject::connect(&widget, &QObject::destroyed, [watch] {
    if (auto* app = QCoreApplication::instance()) app->removeNativeEventFilter(watch);
    delete watch;
  });
}
