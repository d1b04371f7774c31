#include "platform/portal/PortalRemoteDesktop.h"

#include <xkbcommon/xkbcommon.h>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

#include "core/log/Log.h"
#include "platform/portal/PortalBus.h"

namespace cvd::portal {
namespace {

const QString kInterface = QStringLiteral("org.freedesktop.portal.RemoteDesktop");
const char* const kResponseSlot = SLOT(OnResponse(uint, QVariantMap));
constexpr uint kKeyboard = 1;
// The grant lasts until the user takes it back.
constexpr uint kPersistUntilRevoked = 2;

std::string Text(const QString& text) { return text.toStdString(); }

}  // namespace

PortalRemoteDesktop::PortalRemoteDesktop(QDBusConnection bus) : bus_(std::move(bus)) {}

PortalRemoteDesktop::~PortalRemoteDesktop() {
  StopListening();
  CloseSession();
}

bool PortalRemoteDesktop::Offered(const QDBusConnection& bus) {
  if (!bus.isConnected()) return false;
  // Started when it is not running yet: a desktop that logs in starts its
  // portal on demand, and ours may be the first demand.
  QDBusMessage get = QDBusMessage::createMethodCall(
      kPortalService, kPortalPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
  get.setArguments({kInterface, QStringLiteral("AvailableDeviceTypes")});
  const QDBusMessage reply = bus.call(get, QDBus::Block, 2000);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return false;
  return (reply.arguments().front().value<QDBusVariant>().variant().toUInt() & kKeyboard) != 0;
}

void PortalRemoteDesktop::Start(const std::string& restoreToken, std::function<void(const RemoteStartAnswer&)> done) {
  done_ = std::move(done);
  restoreToken_ = restoreToken;
  StopListening();
  CloseSession();
  // Whether the portal has the interface and a keyboard to give, first.
  QDBusMessage get = QDBusMessage::createMethodCall(
      kPortalService, kPortalPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
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
  const QDBusPendingCall call =
      CallRequest(bus_, kInterface, method, std::move(arguments), std::move(options),
                  QStringLiteral("corvinade%1").arg(++tokens_), this, kResponseSlot, requestPath_);
  auto* watcher = new QDBusPendingCallWatcher(call, this);
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
              bus_.connect(kPortalService, requestPath_, kRequestInterface, QStringLiteral("Response"), this,
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
      session_ = ObjectPathOf(results.value(QStringLiteral("session_handle")));
      bus_.connect(kPortalService, session_, kSessionInterface, QStringLiteral("Closed"), this,
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
  bus_.disconnect(kPortalService, session_, kSessionInterface, QStringLiteral("Closed"), this,
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
      QDBusMessage::createMethodCall(kPortalService, kPortalPath, kInterface, QStringLiteral("NotifyKeyboardKeysym"));
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

void PortalRemoteDesktop::StopListening() { StopRequest(bus_, this, kResponseSlot, requestPath_); }

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
  bus_.disconnect(kPortalService, session_, kSessionInterface, QStringLiteral("Closed"), this,
                  SLOT(OnSessionClosed(QVariantMap)));
  portal::CloseSession(bus_, session_);
  session_.clear();
  started_ = false;
  sendFailureLogged_ = false;
}

}  // namespace cvd::portal
