#pragma once
// The Hotkeys port through org.freedesktop.portal.GlobalShortcuts (KDE
// Plasma, GNOME 48 and later): every key registered is bound in one
// session with its key as the preferred trigger; the desktop has the last
// word on the trigger. Activated runs the handler as a grabbed X11 key does.
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <functional>
#include <map>

#include "core/ports/Hotkeys.h"
#include "core/shortcuts/AssignedTriggers.h"

namespace cvd::portal {

class PortalGlobalShortcuts : public QObject, public Hotkeys {
  Q_OBJECT

 public:
  explicit PortalGlobalShortcuts(QDBusConnection bus);
  ~PortalGlobalShortcuts() override;
  // A running portal serves the interface (asks it, waiting up to a second).
  static bool Offered(const QDBusConnection& bus);

  // Always taken: the desktop decides, and says so in its own settings.
  bool Register(int id, const Shortcut& shortcut) override;
  void Unregister(int id) override;
  void SetHandler(std::function<void(int id)> onPressed) override { handler_ = std::move(onPressed); }
  // Where the triggers the desktop assigns are kept; it outlives the event loop.
  void ReportTo(AssignedTriggers& assigned) {
    assigned_ = &assigned;
    assigned.SetDesktopDecides();
  }

 private Q_SLOTS:
  void OnResponse(uint response, const QVariantMap& results);
  // Activated(o session, s shortcut id, t timestamp, a{sv} options).
  void OnActivated(const QDBusMessage& message);
  // ShortcutsChanged(o session, a(sa{sv}) shortcuts): the user changed triggers.
  void OnShortcutsChanged(const QDBusMessage& message);

 private:
  enum class Step : std::uint8_t { None, Create, Bind };
  void ScheduleBind();
  void Bind();
  void Request(Step step, const QString& method, QVariantList arguments);
  void StopListening();
  void CloseSession();

  QDBusConnection bus_;
  std::map<int, Shortcut> shortcuts_;  // by hot-key id
  std::function<void(int)> handler_;
  AssignedTriggers* assigned_ = nullptr;
  Step step_ = Step::None;
  bool bindScheduled_ = false;
  bool bindAgain_ = false;  // keys changed while a bind ran
  QString requestPath_;
  QString session_;
  unsigned tokens_ = 0;
};

}  // namespace cvd::portal
