#pragma once
// A notification through the desktop's notification service
// (org.freedesktop.Notifications on the session bus), for desktops whose
// tray cannot show balloons. Failures are ignored.
#include <QString>

namespace cvd::qt {

void NotifyDesktop(const QString& title, const QString& text, int timeoutSeconds);
// Whether a notification service runs or can be started on the session bus.
bool DesktopNotificationsAvailable();

}  // namespace cvd::qt
