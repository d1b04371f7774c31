#pragma once
// What the portal clients share: the portal's names, and the request
// pattern (a call returns at once; the answer comes later as the Response
// signal of a Request object).
#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QObject>
#include <QString>
#include <QVariant>

namespace cvd::portal {

inline constexpr const char* kPortalService = "org.freedesktop.portal.Desktop";
inline constexpr const char* kPortalPath = "/org/freedesktop/portal/desktop";
inline constexpr const char* kRequestInterface = "org.freedesktop.portal.Request";
inline constexpr const char* kSessionInterface = "org.freedesktop.portal.Session";

// Calls `method` of the portal's `interface` with `options` (given
// `handleToken`) after the other arguments. The Response goes to
// `responseSlot` of `receiver`, listened for before the call on the path the
// token names, which is left in `requestPath`.
QDBusPendingCall CallRequest(QDBusConnection& bus, const QString& interface, const QString& method,
                             QVariantList arguments, QVariantMap options, const QString& handleToken, QObject* receiver,
                             const char* responseSlot, QString& requestPath);

// Stops listening for the Response on `requestPath` and clears it.
void StopRequest(QDBusConnection& bus, QObject* receiver, const char* responseSlot, QString& requestPath);

// An object path the portal may send as either type.
QString ObjectPathOf(const QVariant& value);

// Asks the desktop to close a session; nothing waits for the answer.
void CloseSession(QDBusConnection& bus, const QString& session);

}  // namespace cvd::portal
