#pragma once
// Whether a screen reader runs, as the desktop's accessibility bus tells it
// (org.a11y.Status ScreenReaderEnabled), read at start and followed while
// the program runs. Without a session bus or an accessibility bus: none.
#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

class QDBusServiceWatcher;

class ScreenReaderWatch : public QObject {
  Q_OBJECT

 public:
  // Watches the session bus.
  explicit ScreenReaderWatch(QObject* parent = nullptr);
  // Watches the given bus (tests hand in a private one).
  explicit ScreenReaderWatch(const QDBusConnection& bus, QObject* parent = nullptr);

  bool Running() const { return running_; }

 signals:
  void RunningChanged(bool running);

 private slots:
  void propertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList& invalidated);

 private:
  void start();
  void read();
  void set(bool running);

  QDBusConnection bus_;
  QDBusServiceWatcher* owner_ = nullptr;
  bool running_ = false;
};
