#include "ui/ViewWiring.h"

#include "core/app/Engine.h"
#include "core/ports/Ui.h"

namespace cvd::ui {

ButtonWindowParts ButtonWindowPartsOf(Engine& engine) {
  return ButtonWindowParts{
      .menus = engine.Menus(),
      .window = engine.Window(),
      .shortcuts = engine.Shortcuts(),
      .tray = *engine.GetPorts().ui,
      .privacy = engine.Privacy(),
      .selectGroup = [&engine](int position) { engine.GroupListChange(position); },
      .moved = [&engine] { engine.WindowMoved(); },
      .pressed = [&engine] { engine.WindowMouseDown(); },
      .buttonPressed = [&engine](int button, MouseButton which) { engine.ButtonMouseDown(button, which); },
      .close = [&engine] { engine.CloseButtonWindow(); },
      .exit = [&engine] { engine.MenuExitClick(); },
      .systemCommand = [&engine](int command) { engine.HandleSystemCommand(command); }};
}

TrayParts TrayPartsOf(Engine& engine) {
  return TrayParts{.desktop = engine.Desktop(),
                   .privacy = engine.Privacy(),
                   .iconClicked = [&engine] { engine.CoolTrayIconClick(); },
                   .exit = [&engine] { engine.MenuExitClick(); }};
}

SetupFormParts SetupFormPartsOf(Engine& engine) {
  return SetupFormParts{.setup = engine.Setup(),
                        .shortcuts = engine.Shortcuts().Page(),
                        .pasteMethods = engine.PasteMethodEditor(),
                        .help = [&engine] { engine.Desktop().MenuReadHelpFileClick(); }};
}

}  // namespace cvd::ui
