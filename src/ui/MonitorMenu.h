#pragma once
// The group menu's monitoring entries: "Monitor Application", "Monitor
// Window" and "Cancel Monitoring" act on the current group, and the first
// two carry a check mark while the group is tied that way.
class QAction;
class QMenu;

namespace cvd {
class Engine;
}

namespace cvd::ui {

// Enables the three entries of `menu` and connects them to `engine`.
void ConnectMonitorMenu(QMenu& menu, QAction& monitorApplication, QAction& monitorWindow, QAction& cancelMonitoring,
                        Engine& engine);

}  // namespace cvd::ui
