#pragma once
// The RemoteDesktop port through org.freedesktop.portal.RemoteDesktop on the
// session bus: CreateSession, SelectDevices (the keyboard, kept until the
// user revokes it), Start, then NotifyKeyboardKeysym. Each request answers
// with a Request::Response signal, taken on the event loop: nothing here
// waits for the desktop's question.
#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <functional>

#include "core/ports/RemoteDesktop.h"

namespace cvd::portal {

class PortalRemoteDesktop : public QObject, public RemoteDesktop {
  Q_OBJECT

 public:
  explicit PortalRemoteDesktop(QDBusConnection bus);
  ~PortalRemoteDesktop() override;
  // The desktop's portal has the interface and a keyboard to give (asks it,
  // starting the portal when needed, waiting up to two seconds).
  static bool Offered(const QDBusConnection& bus);

  void Start(const std::string& restoreToken, std::function<void(const RemoteStartAnswer&)> done) override;
  void SendKeysym(std::uint32_t keysym, bool pressed) override;
  void SetClosedHandler(std::function<void()> closed) override { closed_ = std::move(closed); }

 private Q_SLOTS:
  void OnResponse(uint response, const QVariantMap& results);
  void OnSessionClosed(const QVariantMap& details);

 private:
  enum class Step : std::uint8_t { None, Create, Select, Start };
  // Calls a request method of the portal; its answer comes to OnResponse.
  void Request(Step step, const QString& method, QVariantList arguments, QVariantMap options);
  void StopListening();
  void Finish(RemoteStartResult result, const std::string& detail, const std::string& token = {});
  void CloseSession();

  QDBusConnection bus_;
  std::function<void(const RemoteStartAnswer&)> done_;
  std::function<void()> closed_;
  std::string restoreToken_;
  Step step_ = Step::None;
  QString requestPath_;  // the request whose Response we listen to
  QString session_;      // the session's object path once created
  bool started_ = false;
  bool sendFailureLogged_ = false;
  unsigned tokens_ = 0;  // numbers the handle tokens of this process
};

}  // namespace cvd::portal
