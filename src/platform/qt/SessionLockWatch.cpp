#include "platform/qt/SessionLockWatch.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>

#include <unistd.h>

namespace cvd::qt {

namespace {

const QString kLogin = QStringLiteral("org.freedesktop.login1");
const QString kSession = QStringLiteral("org.freedesktop.login1.Session");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kScreenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
constexpr int kCallTimeoutMs = 1000;

QDBusMessage Call(const QDBusConnection& bus, const QString& service, const QString& path, const QString& interface,
                  const QString& method, const QVariantList& arguments = {}) {
  QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
  message.setArguments(arguments);
  return bus.call(message, QDBus::Block, kCallTimeoutMs);
}

// The object path of this process's own login session, or empty.
QString OwnSessionPath(const QDBusConnection& bus) {
  const QString manager = QStringLiteral("org.freedesktop.login1.Manager");
  const QString root = QStringLiteral("/org/freedesktop/login1");
  QDBusReply<QDBusObjectPath> reply =
      Call(bus, kLogin, root, manager, QStringLiteral("GetSessionByPID"), {static_cast<uint>(getpid())});
  if (reply.isValid()) return reply.value().path();
  // Started outside the session's process tree (an autostart service): the
  // session the environment names.
  const QString id = qEnvironmentVariable("XDG_SESSION_ID");
  if (id.isEmpty()) return {};
  reply = Call(bus, kLogin, root, manager, QStringLiteral("GetSession"), {id});
  return reply.isValid() ? reply.value().path() : QString();
}

}  // namespace

SessionLockWatch::SessionLockWatch(QObject* parent) : QObject(parent) {
  if (!WatchLoginSession()) WatchScreenSaver();
}

bool SessionLockWatch::WatchLoginSession() {
  QDBusConnection bus = QDBusConnection::systemBus();
  if (!bus.isConnected()) return false;
  const QString path = OwnSessionPath(bus);
  if (path.isEmpty()) return false;
  // Only this path: other users' sessions lock and unlock on their own.
  bus.connect(kLogin, path, kSession, QStringLiteral("Lock"), this, SLOT(SessionLocked()));
  bus.connect(kLogin, path, kSession, QStringLiteral("Unlock"), this, SLOT(SessionUnlocked()));
  bus.connect(kLogin, path, kProperties, QStringLiteral("PropertiesChanged"), this,
              SLOT(SessionPropertiesChanged(QString, QVariantMap, QStringList)));
  const QDBusReply<QDBusVariant> hint =
      Call(bus, kLogin, path, kProperties, QStringLiteral("Get"), {kSession, QStringLiteral("LockedHint")});
  locked_ = hint.isValid() && hint.value().variant().toBool();
  return true;
}

void SessionLockWatch::WatchScreenSaver() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  // Desktops publish the screen saver under either path.
  for (const QString& path : {QStringLiteral("/org/freedesktop/ScreenSaver"), QStringLiteral("/ScreenSaver")}) {
    bus.connect(QString(), path, kScreenSaver, QStringLiteral("ActiveChanged"), this,
                SLOT(ScreenSaverActiveChanged(bool)));
  }
  const QDBusReply<bool> active = Call(bus, kScreenSaver, QStringLiteral("/org/freedesktop/ScreenSaver"), kScreenSaver,
                                       QStringLiteral("GetActive"));
  locked_ = active.isValid() && active.value();
}

void SessionLockWatch::SessionPropertiesChanged(const QString& interface, const QVariantMap& changed,
                                                const QStringList&) {
  const auto hint = changed.find(QStringLiteral("LockedHint"));
  if (interface == kSession && hint != changed.end()) Report(hint->toBool());
}

void SessionLockWatch::Report(bool locked) {
  locked_ = locked;
  if (handler_) handler_(locked);
}

}  // namespace cvd::qt
