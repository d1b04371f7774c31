#include "ui/MonitorMenu.h"

#include <QAction>
#include <QMenu>

#include "core/app/Engine.h"

namespace cvd::ui {

void ConnectMonitorMenu(QMenu& menu, QAction& monitorApplication, QAction& monitorWindow, QAction& cancelMonitoring,
                        Engine& engine) {
  Engine* e = &engine;
  QAction* application = &monitorApplication;
  QAction* window = &monitorWindow;
  const auto refresh = [e, application, window] {
    const GroupTable& table = e->State().table;
    const bool valid = table.CurrentGroup >= 1 && table.CurrentGroup <= table.GroupCount();
    application->setChecked(valid && !table.Current().MonitorApplication.empty());
    window->setChecked(valid && !table.Current().MonitorWindow.empty());
  };
  for (QAction* action : {application, window, &cancelMonitoring}) action->setEnabled(true);
  application->setCheckable(true);
  window->setCheckable(true);
  QObject::connect(&menu, &QMenu::aboutToShow, application, refresh);
  QObject::connect(application, &QAction::triggered, application, [e, refresh] {
    e->Monitor().MenuMonitorApplicationClick();
    refresh();
  });
  QObject::connect(window, &QAction::triggered, window, [e, refresh] {
    e->Monitor().MenuMonitorWindowClick();
    refresh();
  });
  QObject::connect(&cancelMonitoring, &QAction::triggered, &cancelMonitoring, [e, refresh] {
    e->Monitor().MenuCancelMonitoringClick();
    refresh();
  });
}

}  // namespace cvd::ui
