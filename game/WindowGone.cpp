#include "game/WindowGone.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
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

// Qt 6.4's Wayland client warns and then calls _exit() when its connection
// fails, from whichever thread noticed; its warning is the last moment the
// program has.
struct DisplayLoss {
  std::function<void()> last;
  QtMessageHandler previous = nullptr;
  bool installed = false;
  std::atomic<bool> noticed{false}, ran{false};
  std::mutex m;
  std::condition_variable cv;
  bool done = false;
};

DisplayLoss& loss() {
  static DisplayLoss* l = new DisplayLoss;  // never destroyed: the handler may run during exit
  return *l;
}

void RunLast() {
  DisplayLoss& l = loss();
  if (!l.ran.exchange(true) && l.last) l.last();
  {
    std::lock_guard<std::mutex> lock(l.m);
    l.done = true;
  }
  l.cv.notify_all();
}

bool ConnectionFailed(const QString& message) {
  return message.startsWith(QLatin1String("The Wayland connection broke")) ||
         message.startsWith(QLatin1String("The Wayland connection experienced a fatal error"));
}

void LossHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  DisplayLoss& l = loss();
  if (l.previous) l.previous(type, context, message);
  if (type != QtWarningMsg || !ConnectionFailed(message)) return;
  auto* app = QCoreApplication::instance();
  if (!app) return;
  if (QThread::currentThread() == app->thread()) {
    RunLast();
    return;
  }
  // Qt's event thread: the game's state belongs to the GUI thread, which is
  // most likely waiting in its event loop. If it is stuck elsewhere, the
  // program still ends.
  if (!l.noticed.exchange(true)) QMetaObject::invokeMethod(app, RunLast, Qt::QueuedConnection);
  std::unique_lock<std::mutex> lock(l.m);
  l.cv.wait_for(lock, std::chrono::seconds(5), [&l] { return l.done; });
}

}  // namespace

void OnDisplayLost(std::function<void()> last) {
  if (QGuiApplication::platformName() != QLatin1String("wayland")) return;
  DisplayLoss& l = loss();
  l.last = std::move(last);
  if (l.installed) return;
  l.installed = true;
  l.previous = qInstallMessageHandler(LossHandler);
}

void OnNativeWindowDestroyed(QWidget& widget, std::function<void()> gone) {
  auto* watch = new DestroyWatch(widget, std::move(gone));
  QCoreApplication::instance()->installNativeEventFilter(watch);
  QObject::connect(&widget, &QObject::destroyed, [watch] {
    if (auto* app = QCoreApplication::instance()) app->removeNativeEventFilter(watch);
    delete watch;
  });
}
