#pragma once
// Whether the user's own session is locked, and notices when that changes:
// from the login manager's session object on the system bus, or, where the
// session is not known to it, from the screen saver on the session bus.
// Without a bus nothing is ever reported.
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <functional>

namespace cvd::qt {

class SessionLockWatch : public QObject {
  Q_OBJECT
 public:
  explicit SessionLockWatch(QObject* parent = nullptr);
  bool Locked() const { return locked_; }
  void OnChanged(std::function<void(bool locked)> handler) { handler_ = std::move(handler); }

 private slots:
  void SessionLocked() { Report(true); }
  void SessionUnlocked() { Report(false); }
  void SessionPropertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList&);
  void ScreenSaverActiveChanged(bool active) { Report(active); }

 private:
  bool WatchLoginSession();
  void WatchScreenSaver();
  void Report(bool locked);

  std::function<void(bool)> handler_;
  bool locked_ = false;
};

}  // namespace cvd::qt
