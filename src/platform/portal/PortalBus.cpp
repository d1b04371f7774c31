#include "platform/portal/PortalBus.h"

#include <QDBusMessage>
#include <QDBusObjectPath>

namespace cvd::portal {

QDBusPendingCall CallRequest(QDBusConnection& bus, const QString& interface, const QString& method,
                             QVariantList arguments, QVariantMap options, const QString& handleToken, QObject* receiver,
                             const char* responseSlot, QString& requestPath) {
  // The answer's path is known before the call, so the Response cannot come
  // before we listen for it.
  options.insert(QStringLiteral("handle_token"), handleToken);
  QString sender = bus.baseService().mid(1);
  sender.replace(QLatin1Char('.'), QLatin1Char('_'));
  requestPath = QLatin1String(kPortalPath) + QStringLiteral("/request/") + sender + QLatin1Char('/') + handleToken;
  bus.connect(kPortalService, requestPath, kRequestInterface, QStringLiteral("Response"), receiver, responseSlot);
  QDBusMessage call = QDBusMessage::createMethodCall(kPortalService, kPortalPath, interface, method);
  arguments.append(options);
  call.setArguments(arguments);
  return bus.asyncCall(call);
}

void StopRequest(QDBusConnection& bus, QObject* receiver, const char* responseSlot, QString& requestPath) {
  if (requestPath.isEmpty()) return;
  bus.disconnect(kPortalService, requestPath, kRequestInterface, QStringLiteral("Response"), receiver, responseSlot);
  requestPath.clear();
}

QString ObjectPathOf(const QVariant& value) {
  if (value.canConvert<QDBusObjectPath>()) return value.value<QDBusObjectPath>().path();
  return value.toString();
}

void CloseSession(QDBusConnection& bus, const QString& session) {
  bus.send(QDBusMessage::createMethodCall(kPortalService, session, kSessionInterface, QStringLiteral("Close")));
}

}  // namespace cvd::portal
