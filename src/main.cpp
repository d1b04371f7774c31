// Corvinade: wiring of the engine to Qt and X11.
#include <QApplication>
#include <QTimer>

#include "core/app/Engine.h"
#include "core/app/Instance.h"
#include "core/settings/AppDataFolder.h"
#include "core/share/ShareFile.h"
#include "platform/qt/DesktopNotification.h"
#include "platform/qt/InstanceServer.h"
#include "platform/qt/QtEventLoop.h"
#include "platform/qt/QtFolderWatch.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/SignalBridge.h"
#include "platform/x11/X11Clipboard.h"
#include "platform/x11/X11Hotkeys.h"
#include "platform/x11/X11Keyboard.h"
#include "platform/x11/X11WindowState.h"
#include "platform/x11/X11Windows.h"
#include "ui/HintWindow.h"
#include "ui/QtTextMeasure.h"
#include "ui/QtUi.h"
#include "ui/ShortcutsPageWindow.h"
#include "ui/TListForm.h"
#include "ui/TMainForm.h"
#include "ui/TTrayForm.h"


int main(int argc, char** argv) {
  // A running copy takes over: it shows its window and this start ends
  // before any window is made.
  if (cvd::SendInstanceRequest(cvd::kRequestShow, 2000)) return 0;

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Corvinade"));
  QApplication::setApplicationDisplayName(QStringLiteral("Corvinade"));
  QApplication::setQuitOnLastWindowClosed(false);

  cvd::ui::TTrayForm tray;
  cvd::ui::TMainForm form(cvd::x11::SetToolWindowState);
  cvd::ui::HintWindow hint;
  cvd::qt::QtEventLoop loop;
  cvd::ui::QtUi ui(form, tray, hint);
  cvd::ui::QtTextMeasure measure(form, hint);
  cvd::x11::X11Clipboard clipboard;
  cvd::x11::X11Windows windows(cvd::x11::X11Windows::QtDisplay());
  cvd::x11::X11Keyboard keyboard(cvd::x11::X11Windows::QtDisplay());
  cvd::qt::QtShell shell;
  cvd::x11::X11Hotkeys hotkeys;
  cvd::ui::TListForm listForm;
  ui.SetListForm(&listForm);

  cvd::qt::QtFolderWatch folderWatch(QString::fromLatin1(cvd::kShareFileName));

  cvd::Ports ports;
  ports.loop = &loop;
  ports.ui = &ui;
  ports.measure = &measure;
  ports.clipboard = &clipboard;
  ports.windows = &windows;
  ports.keyboard = &keyboard;
  ports.shell = &shell;
  ports.folderWatch = &folderWatch;
  if (hotkeys.Available()) ports.hotkeys = &hotkeys;
  cvd::AppState state;
  state.dirs.ProgramDir = cvd::WithTrailingSlash(QCoreApplication::applicationDirPath().toStdString());
  state.dirs.DefaultDataDir = cvd::GetAppDataFolderPath();
  cvd::Engine engine(ports, state);
  form.SetEngine(&engine);
  tray.SetEngine(&engine);
  tray.SetNotifier(cvd::qt::NotifyDesktop);
  listForm.SetList(&engine.Shortcuts().Delimiters());
  engine.SetQuitHandler([] { QCoreApplication::quit(); });

  cvd::qt::InstanceServer server(engine);
  if (!server.Listen()) return 0;  // another copy won the race and was told to show itself
  // The setup dialog's shortcut page on its own ("corvinade-tool setup shortcuts").
  cvd::ui::ShortcutsPageWindow shortcutsWindow(engine);
  server.AddRequest(cvd::kRequestSetupShortcuts, [&shortcutsWindow] { shortcutsWindow.Open(); });
  cvd::qt::SignalBridge signalBridge([&engine] { engine.MenuExitClick(); });

  tray.ShowIcon();
  engine.FormCreate();
  const int status = app.exec();
  engine.FormDestroy();
  return status;
}
