#pragma once
// The tray icon as the core sees it: its balloon messages and whether the
// user can see it at all.
#include <string>

namespace cvd {

class TrayView {
 public:
  virtual ~TrayView() = default;

  // Balloon message of the tray icon.
  virtual void Balloon(const std::string& title, const std::string& text, int timeoutSeconds) = 0;
  // Whether the tray icon is in a tray the user can see.
  virtual bool TrayIconShown() = 0;
  // Whether a Balloon reaches the user: the tray shows it, or the desktop
  // has a notification service.
  virtual bool BalloonsShown() = 0;
};

}  // namespace cvd
