#include "platform/qt/DesktopNotification.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QStringList>
#include <QVariantMap>

namespace cvd::qt {

void NotifyDesktop(const QString& title, const QString& text, int timeoutSeconds) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
      QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
  call << QStringLiteral("Corvinade") << 0u << QStringLiteral("corvinade") << title << text << QStringList()
       << QVariantMap() << timeoutSeconds * 1000;
  // Sent without waiting: a missing service must not hold up the program.
  bus.asyncCall(call);
}

}  // namespace cvd::qt
