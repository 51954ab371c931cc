#include "speech/ScreenReaderWatch.h"

#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

namespace {
const char* const kService = "org.a11y.Bus";
const char* const kPath = "/org/a11y/bus";
const char* const kProperties = "org.freedesktop.DBus.Properties";
const char* const kStatus = "org.a11y.Status";
const char* const kEnabled = "ScreenReaderEnabled";
// The bus launcher answers in milliseconds; a hung one must not hold up the start.
constexpr int kReadTimeoutMs = 1000;
}  // namespace

ScreenReaderWatch::ScreenReaderWatch(QObject* parent)
    : QObject(parent), bus_(QDBusConnection::sessionBus()) {
  start();
}

ScreenReaderWatch::ScreenReaderWatch(const QDBusConnection& bus, QObject* parent) : QObject(parent), bus_(bus) {
  start();
}

void ScreenReaderWatch::start() {
  if (!bus_.isConnected()) return;
  bus_.connect(kService, kPath, kProperties, "PropertiesChanged", this,
               SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
  // A launcher that starts (or restarts) after us has its own idea.
  owner_ = new QDBusServiceWatcher(kService, bus_, QDBusServiceWatcher::WatchForOwnerChange, this);
  connect(owner_, &QDBusServiceWatcher::serviceOwnerChanged, this,
          [this](const QString&, const QString&, const QString& newOwner) {
            if (newOwner.isEmpty()) set(false);
            else read();
          });
  read();
}

void ScreenReaderWatch::read() {
  QDBusMessage ask = QDBusMessage::createMethodCall(kService, kPath, kProperties, "Get");
  ask << QString(kStatus) << QString(kEnabled);
  const QDBusReply<QDBusVariant> reply = bus_.call(ask, QDBus::Block, kReadTimeoutMs);
  set(reply.isValid() && reply.value().variant().toBool());
}

void ScreenReaderWatch::propertiesChanged(const QString& interface, const QVariantMap& changed,
                                          const QStringList& invalidated) {
  if (interface != kStatus) return;
  const auto it = changed.find(kEnabled);
  if (it != changed.end()) set(it->toBool());
  else if (invalidated.contains(kEnabled)) read();
}

void ScreenReaderWatch::set(bool running) {
  if (running == running_) return;
  running_ = running;
  emit RunningChanged(running);
}
