// The screen-reader watch against a stand-in for the accessibility bus
// launcher, on a D-Bus daemon of the test's own.
#include "speech/ScreenReaderWatch.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>

namespace {

// org.a11y.Status as the launcher exports it: Get comes from QtDBus. It
// answers on a thread of its own, as the watch's first read blocks.
class Status : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.a11y.Status")
  Q_PROPERTY(bool ScreenReaderEnabled READ enabled)

 public:
  std::atomic<bool> on = false;
  bool enabled() const { return on; }
};

class PrivateBus : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
    if (daemon.isEmpty()) GTEST_SKIP() << "dbus-daemon is not installed";
    bus_.start(daemon, {"--session", "--nofork", "--print-address=1"});
    ASSERT_TRUE(bus_.waitForReadyRead(10000)) << "the D-Bus daemon did not start";
    address_ = QString::fromUtf8(bus_.readLine()).trimmed();
    ASSERT_FALSE(address_.isEmpty());
  }
  void TearDown() override {
    launcher_.quit();
    launcher_.wait();
    for (const QString& name : {QString("launcher"), QString("watcher")}) QDBusConnection::disconnectFromBus(name);
    if (bus_.state() != QProcess::NotRunning) {
      bus_.terminate();
      bus_.waitForFinished(5000);
    }
  }
  QDBusConnection connect(const QString& name) { return QDBusConnection::connectToBus(address_, name); }

  // The launcher's side: the property and its change signal.
  bool launch(Status& status) {
    status.moveToThread(&launcher_);
    launcher_.start();
    QDBusConnection c = connect("launcher");
    return c.registerObject("/org/a11y/bus", &status, QDBusConnection::ExportAllProperties) &&
           c.registerService("org.a11y.Bus");
  }
  void announce(bool on) {
    QDBusMessage m = QDBusMessage::createSignal("/org/a11y/bus", "org.freedesktop.DBus.Properties", "PropertiesChanged");
    m << QString("org.a11y.Status") << QVariantMap{{"ScreenReaderEnabled", on}} << QStringList{};
    connect("launcher").send(m);
  }

  QProcess bus_;
  QThread launcher_;
  QString address_;
};

TEST_F(PrivateBus, ReadsAtStartAndFollowsChangesAndTheLaunchersDeparture) {
  Status status;
  status.on = true;
  ASSERT_TRUE(launch(status));
  ScreenReaderWatch watch(connect("watcher"));
  EXPECT_TRUE(watch.Running());

  QSignalSpy changed(&watch, &ScreenReaderWatch::RunningChanged);
  status.on = false;
  announce(false);
  ASSERT_TRUE(changed.wait(5000));
  EXPECT_FALSE(watch.Running());
  // Another interface's change is not ours.
  QDBusMessage other = QDBusMessage::createSignal("/org/a11y/bus", "org.freedesktop.DBus.Properties", "PropertiesChanged");
  other << QString("org.a11y.Other") << QVariantMap{{"ScreenReaderEnabled", true}} << QStringList{};
  connect("launcher").send(other);
  status.on = true;
  announce(true);
  ASSERT_TRUE(changed.wait(5000));
  EXPECT_TRUE(watch.Running());
  EXPECT_EQ(changed.count(), 2);

  // The launcher gone, no screen reader can be told of.
  connect("launcher").unregisterService("org.a11y.Bus");
  ASSERT_TRUE(changed.wait(5000));
  EXPECT_FALSE(watch.Running());
  launcher_.quit();
  launcher_.wait();
}

TEST_F(PrivateBus, NoLauncherOrNoBusMeansNoScreenReader) {
  ScreenReaderWatch watch(connect("watcher"));
  EXPECT_FALSE(watch.Running());
  ScreenReaderWatch nowhere(QDBusConnection::connectToBus("unix:path=/nonexistent/bus", "nowhere"));
  EXPECT_FALSE(nowhere.Running());
  QDBusConnection::disconnectFromBus("nowhere");
}

}  // namespace

#include "test_screen_reader_watch.moc"
