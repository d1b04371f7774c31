#include "platform/portal/PortalRemoteDesktop.h"

#include <xkbcommon/xkbcommon.h>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

#include "core/log/Log.h"

namespace cvd::portal {
namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.RemoteDesktop");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString kSessionInterface = QStringLiteral("org.freedesktop.portal.Session");
constexpr uint kKeyboard = 1;
// The grant lasts until the user takes it back.
constexpr uint kPersistUntilRevoked = 2;

std::string Text(const QString& text) { return text.toStdString(); }

// An object path the portal may send as either type.
QString PathOf(const QVariant& value) {
  if (value.canConvert<QDBusObjectPath>()) return value.value<QDBusObjectPath>().path();
  return value.toString();
}

}  // namespace

PortalRemoteDesktop::PortalRemoteDesktop(QDBusConnection bus) : bus_(std::move(bus)) {}

PortalRemoteDesktop::~PortalRemoteDesktop() {
  StopListening();
  CloseSession();
}

bool PortalRemoteDesktop::Offered(QDBusConnection bus) {
  if (!bus.isConnected() || !bus.interface()) return false;
  QDBusConnectionInterface* daemon = bus.interface();
  if (daemon->isServiceRegistered(kService).value()) return true;
  return daemon->activatableServiceNames().value().contains(kService);
}

void PortalRemoteDesktop::Start(const std::string& restoreToken, std::function<void(const RemoteStartAnswer&)> done) {
  done_ = std::move(done);
  restoreToken_ = restoreToken;
  StopListening();
  CloseSession();
  // Whether the portal has the interface and a keyboard to give, first.
  QDBusMessage get = QDBusMessage::createMethodCall(kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                    QStringLiteral("Get"));
  get.setArguments({kInterface, QStringLiteral("AvailableDeviceTypes")});
  step_ = Step::Create;
  auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(get), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
    call->deleteLater();
    const QDBusPendingReply<QDBusVariant> reply = *call;
    if (reply.isError()) {
      Finish(RemoteStartResult::Failed, "the desktop has no remote desktop portal: " + Text(reply.error().message()));
      return;
    }
    if ((reply.value().variant().toUInt() & kKeyboard) == 0) {
      Finish(RemoteStartResult::Failed, "the desktop's remote desktop portal offers no keyboard");
      return;
    }
    Request(Step::Create, QStringLiteral("CreateSession"), {},
            {{QStringLiteral("session_handle_token"), QStringLiteral("corvinade")}});
  });
}

void PortalRemoteDesktop::Request(Step step, const QString& method, QVariantList arguments, QVariantMap options) {
  step_ = step;
  // The answer's path is known before the call, so the Response cannot come
  // before we listen for it.
  const QString token = QStringLiteral("corvinade%1").arg(++tokens_);
  options.insert(QStringLiteral("handle_token"), token);
  QString sender = bus_.baseService().mid(1);
  sender.replace(QLatin1Char('.'), QLatin1Char('_'));
  requestPath_ = kPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
  bus_.connect(kService, requestPath_, kRequestInterface, QStringLiteral("Response"), this,
               SLOT(OnResponse(uint, QVariantMap)));
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
  arguments.append(options);
  call.setArguments(arguments);
  auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this,
          [this, method, expected = requestPath_](QDBusPendingCallWatcher* pending) {
            pending->deleteLater();
            // An answer that came first has moved on to the next request.
            if (requestPath_ != expected) return;
            const QDBusPendingReply<QDBusObjectPath> reply = *pending;
            if (reply.isError()) {
              StopListening();
              Finish(RemoteStartResult::Failed, Text(method) + " failed: " + Text(reply.error().message()));
              return;
            }
            // Portals older than the handle token answer on a path of their own.
            const QString path = reply.value().path();
            if (path != expected) {
              StopListening();
              requestPath_ = path;
              bus_.connect(kService, requestPath_, kRequestInterface, QStringLiteral("Response"), this,
                           SLOT(OnResponse(uint, QVariantMap)));
            }
          });
}

void PortalRemoteDesktop::OnResponse(uint response, const QVariantMap& results) {
  StopListening();
  if (response != 0) {
    CloseSession();
    if (response == 1) {
      Finish(RemoteStartResult::Refused, "refused");
    } else {
      Finish(RemoteStartResult::Failed, "the desktop ended the request");
    }
    return;
  }
  switch (step_) {
    case Step::None: return;
    case Step::Create: {
      session_ = PathOf(results.value(QStringLiteral("session_handle")));
      bus_.connect(kService, session_, kSessionInterface, QStringLiteral("Closed"), this,
                   SLOT(OnSessionClosed(QVariantMap)));
      QVariantMap options{{QStringLiteral("types"), kKeyboard}, {QStringLiteral("persist_mode"), kPersistUntilRevoked}};
      if (!restoreToken_.empty())
        options.insert(QStringLiteral("restore_token"), QString::fromStdString(restoreToken_));
      Request(Step::Select, QStringLiteral("SelectDevices"), {QVariant::fromValue(QDBusObjectPath(session_))}, options);
      return;
    }
    case Step::Select:
      Request(Step::Start, QStringLiteral("Start"), {QVariant::fromValue(QDBusObjectPath(session_)), QString()}, {});
      return;
    case Step::Start:
      if ((results.value(QStringLiteral("devices")).toUInt() & kKeyboard) == 0) {
        CloseSession();
        Finish(RemoteStartResult::Failed, "the desktop granted no keyboard");
        return;
      }
      started_ = true;
      Finish(RemoteStartResult::Started, {}, Text(results.value(QStringLiteral("restore_token")).toString()));
      return;
  }
}

void PortalRemoteDesktop::OnSessionClosed(const QVariantMap&) {
  const bool wasStarted = started_;
  bus_.disconnect(kService, session_, kSessionInterface, QStringLiteral("Closed"), this,
                  SLOT(OnSessionClosed(QVariantMap)));
  session_.clear();
  started_ = false;
  if (step_ != Step::None) {
    StopListening();
    Finish(RemoteStartResult::Failed, "the desktop closed the session before it started");
  } else if (wasStarted && closed_) {
    closed_();
  }
}

void PortalRemoteDesktop::SendKeysym(std::uint32_t keysym, bool pressed) {
  if (!started_) return;
  QDBusMessage call =
      QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("NotifyKeyboardKeysym"));
  // Layouts name many characters by their older keysyms (EuroSign,
  // Greek_alpha): the desktop finds the key only under that one.
  if (keysym > 0x1000000) keysym = xkb_utf32_to_keysym(keysym - 0x1000000);
  call.setArguments({QVariant::fromValue(QDBusObjectPath(session_)), QVariantMap(), static_cast<int>(keysym),
                     static_cast<uint>(pressed ? 1 : 0)});
  // Sent in order on the one connection; only a failure is looked at.
  auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* pending) {
    pending->deleteLater();
    if (!pending->isError() || sendFailureLogged_) return;
    sendFailureLogged_ = true;
    LogWarning("paste", "the desktop did not take a key: " + Text(pending->error().message()));
  });
}

void PortalRemoteDesktop::StopListening() {
  if (requestPath_.isEmpty()) return;
  bus_.disconnect(kService, requestPath_, kRequestInterface, QStringLiteral("Response"), this,
                  SLOT(OnResponse(uint, QVariantMap)));
  requestPath_.clear();
}

void PortalRemoteDesktop::Finish(RemoteStartResult result, const std::string& detail, const std::string& token) {
  step_ = Step::None;
  auto done = std::move(done_);
  done_ = nullptr;
  if (!done) return;
  // Always later on the event loop, also when the call failed at once.
  QMetaObject::invokeMethod(
      this, [done = std::move(done), answer = RemoteStartAnswer{result, token, detail}] { done(answer); },
      Qt::QueuedConnection);
}

void PortalRemoteDesktop::CloseSession() {
  if (session_.isEmpty()) return;
  bus_.disconnect(kService, session_, kSessionInterface, QStringLiteral("Closed"), this,
                  SLOT(OnSessionClosed(QVariantMap)));
  bus_.send(QDBusMessage::createMethodCall(kService, session_, kSessionInterface, QStringLiteral("Close")));
  session_.clear();
  started_ = false;
  sendFailureLogged_ = false;
}

}  // namespace cvd::portal
