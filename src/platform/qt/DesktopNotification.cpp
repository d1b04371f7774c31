#include "platform/qt/DesktopNotification.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QStringList>
#include <QVariantMap>

namespace cvd::qt {

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
}  // namespace

void NotifyDesktop(const QString& title, const QString& text, int timeoutSeconds) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  QDBusMessage call = QDBusMessage::createMethodCall(kService, QStringLiteral("/org/freedesktop/Notifications"),
                                                     kService, QStringLiteral("Notify"));
  call << QStringLiteral("Corvinade") << 0u << QStringLiteral("corvinade") << title << text << QStringList()
       << QVariantMap() << timeoutSeconds * 1000;
  // Sent without waiting: a missing service must not hold up the program.
  bus.asyncCall(call);
}

bool DesktopNotificationsAvailable() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  QDBusConnectionInterface* daemon = bus.isConnected() ? bus.interface() : nullptr;
  if (daemon == nullptr) return false;
  // Many notification daemons start on the first call (bus activation).
  return daemon->isServiceRegistered(kService).value() || daemon->activatableServiceNames().value().contains(kService);
}

}  // namespace cvd::qt
