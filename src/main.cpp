// Corvinade: wiring of the engine to Qt and X11.
#include <QApplication>
#include <QFontDatabase>
#include <QTimer>
#include <cstdio>
#include <string>
#include <vector>

#include "core/app/CommandLine.h"
#include "core/app/Engine.h"
#include "core/app/Instance.h"
#include "core/data/DataFile.h"
#include "core/data/EarlyDataRead.h"
#include "core/log/Log.h"
#include "core/settings/AppDataFolder.h"
#include "core/settings/NetworkIni.h"
#include "core/share/ShareFile.h"
#include "platform/qt/DesktopNotification.h"
#include "platform/qt/FreedMemory.h"
#include "platform/qt/InstanceServer.h"
#include "platform/qt/QtEventLoop.h"
#include "platform/qt/QtFolderWatch.h"
#include "platform/qt/QtLogSink.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/SignalBridge.h"
#include "platform/wayland/WaylandSession.h"
#include "platform/x11/X11Clipboard.h"
#include "platform/x11/X11Hotkeys.h"
#include "platform/x11/X11Keyboard.h"
#include "platform/x11/X11WindowState.h"
#include "platform/x11/X11Windows.h"
#include "ui/HintWindow.h"
#include "ui/QtTextMeasure.h"
#include "ui/QtUi.h"
#include "ui/TCvdEditForm.h"
#include "ui/TListForm.h"
#include "ui/TMainForm.h"
#include "ui/TQuickFixForm.h"
#include "ui/TSearchForm.h"
#include "ui/TSetupForm.h"
#include "ui/TTrayForm.h"
#include "ui/ViewWiring.h"
#include "ui/WindowRoles.h"

int main(int argc, char** argv) {
  switch (cvd::ReadCommandLine(std::vector<std::string>(argv + 1, argv + argc))) {
    case cvd::CommandLineRequest::Help: std::fputs(cvd::ProgramUsage().c_str(), stdout); return 0;
    case cvd::CommandLineRequest::Version: std::fputs(cvd::VersionText("corvinade").c_str(), stdout); return 0;
    case cvd::CommandLineRequest::Run: break;
  }
  // A running copy takes over: it shows its window and this start ends
  // before any window is made.
  if (cvd::SendInstanceRequest(cvd::kRequestShow, 2000)) return 0;

  // The windows live on X11 (XWayland in a Wayland session), where they can
  // stay on top without taking the focus; the Wayland ports talk to the
  // compositor on a connection of their own.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication app(argc, argv);
  cvd::qt::QtLogSink logSink(cvd::qt::QtLogSink::VerboseRequested(argc, argv));
  cvd::SetLogSink(&logSink);
  // A big history's file is read on a second core while the windows are
  // made. Not sooner: beside the toolkit's start it took the core the X
  // server needed.
  const std::string defaultDataDir = cvd::GetAppDataFolderPath();
  auto earlyData = std::make_shared<cvd::EarlyDataRead>(
      [defaultDataDir] { return cvd::LikelyDataDir(defaultDataDir) + cvd::kDataFileName; });
  QApplication::setApplicationName(QStringLiteral("Corvinade"));
  QApplication::setApplicationDisplayName(QStringLiteral("Corvinade"));
  QApplication::setQuitOnLastWindowClosed(false);
  const QFont desktopFont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  cvd::SetNewGroupFont(desktopFont.family().toStdString(), desktopFont.pointSize());

  cvd::ui::InstallWindowRoles();
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
  // The setup dialog; its pages are built once the engine exists.
  cvd::ui::TSetupForm setupForm;
  // Quick fix editor: the "Custom Quick Fix" window.
  cvd::ui::TQuickFixForm quickFixForm;
  cvd::ui::TCvdEditForm editForm;  // the button editor

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
  ports.quickFixEditorView = &quickFixForm;
  ports.editorView = &editForm;
  if (hotkeys.Available()) ports.hotkeys = &hotkeys;
  // Button search
  cvd::ui::TSearchForm searchForm;
  ports.searchView = &searchForm;
  ports.setupView = &setupForm;
  cvd::AppState state;
  // In a Wayland session the compositor serves what it offers; X11 the rest.
  cvd::wayland::WaylandSession wayland;
  wayland.Install(ports, state.platform);
  state.dirs.ProgramDir = cvd::WithTrailingSlash(QCoreApplication::applicationDirPath().toStdString());
  state.dirs.DefaultDataDir = defaultDataDir;
  cvd::Engine engine(ports, state);
  engine.ReadDataFileEarly(std::move(earlyData));
  wayland.SetPortalTokenStore(engine.PortalTokenStore());
  wayland.SetAssignedTriggers(engine.Shortcuts().Assigned());
  form.SetParts(cvd::ui::ButtonWindowPartsOf(engine));
  tray.SetParts(cvd::ui::TrayPartsOf(engine));
  tray.SetNotifier(cvd::qt::NotifyDesktop, cvd::qt::DesktopNotificationsAvailable);
  listForm.SetList(&engine.Shortcuts().Delimiters());
  quickFixForm.SetEditor(&engine.FixListEditor());
  quickFixForm.SetHelpHandler([&engine] { engine.Desktop().MenuReadHelpFileClick(); });
  editForm.SetEditor(&engine.Editor());
  searchForm.SetSearch(&engine.Search());
  engine.SetQuitHandler([] { QCoreApplication::quit(); });
  setupForm.SetParts(cvd::ui::SetupFormPartsOf(engine));
  tray.SetSettingsHandler([&engine] { engine.Setup().MenuSetupClick(); });

  cvd::qt::InstanceServer server(engine);
  if (!server.Listen()) return 0;  // another copy won the race and was told to show itself
  cvd::qt::SignalBridge signalBridge([&engine] { engine.MenuExitClick(); });

  tray.ShowIcon();
  engine.FormCreate();
  // What loading and the first layout freed goes back once the window is up.
  QTimer::singleShot(1000, [] { cvd::qt::ReleaseFreedMemory(); });
  const int status = QApplication::exec();
  engine.FormDestroy();
  cvd::SetLogSink(nullptr);
  return status;
}
