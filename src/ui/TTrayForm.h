#pragma once
// The tray icon and its menu. Without a tray host the program stays usable
// from the button window, and balloons go to the desktop's notifications.
#include <QObject>
#include <functional>
#include <optional>

class QAction;
class QMenu;
class QSystemTrayIcon;

#include "ui/ViewParts.h"

namespace cvd::ui {

class TTrayForm : public QObject {
  Q_OBJECT
 public:
  using Notifier = std::function<void(const QString& title, const QString& text, int timeoutSeconds)>;

  TTrayForm();
  ~TTrayForm() override;
  void SetParts(TrayParts parts) {
    parts_.emplace(std::move(parts));
    privacy_ = &parts_->privacy;
  }
  // The setup dialog, once there is one; "Settings" stays disabled without it.
  void SetSettingsHandler(std::function<void()> handler) { settings_ = std::move(handler); }
  // Shows balloons when the tray cannot (no tray host, or no balloons there).
  // `available` tells whether the notifier reaches a notification service.
  void SetNotifier(Notifier notifier, std::function<bool()> available) {
    notifier_ = std::move(notifier);
    notifierAvailable_ = std::move(available);
  }
  // Whether Balloon reaches the user.
  bool BalloonsShown() const;
  void ShowIcon();
  bool IconShown() const;
  void Balloon(const QString& title, const QString& text, int timeoutSeconds);
  QMenu* TrayMenu() const { return menu_; }
  // Sets the entries' state as the menu opens: entries that open a dialog,
  // and "Exit", wait while a modal dialog is open.
  void UpdateMenu();

 private:
  void MenuAboutCorvinadeClick();
  void MenuExitClick();

  std::optional<TrayParts> parts_;
  CapturePrivacy* privacy_ = nullptr;
  std::function<void()> settings_;
  Notifier notifier_;
  std::function<bool()> notifierAvailable_;
  QSystemTrayIcon* icon_ = nullptr;
  int balloonWaits_ = 0;
  QMenu* menu_ = nullptr;
  QAction* about_ = nullptr;
  QAction* setup_ = nullptr;
  QAction* exit_ = nullptr;
};

}  // namespace cvd::ui
