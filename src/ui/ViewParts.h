#pragma once
// What each view of the program shows and may ask for: the subsystems it
// displays and the events it passes on, and nothing else of the engine.
// ViewWiring.h builds them from the engine.
#include <functional>

#include "core/window/MouseButton.h"

namespace cvd {
class ButtonWindow;
class CapturePrivacy;
class DesktopActions;
class SetupDialog;
class ShortcutKeys;
class ShortcutPage;
class PasteMethodPage;
class TrayView;
class WindowMenus;
}  // namespace cvd

namespace cvd::ui {

// The button window: its menus, its roll-up state, the key presses it
// forwards, and its own mouse and window events.
struct ButtonWindowParts {
  WindowMenus& menus;
  const ButtonWindow& window;
  ShortcutKeys& shortcuts;
  // "Exit" on the caption menu only without a tray icon to exit from.
  TrayView& tray;
  CapturePrivacy& privacy;  // "Pause Clipboard History"
  std::function<void(int position)> selectGroup;
  std::function<void()> moved;
  std::function<void()> pressed;
  std::function<void(int button, MouseButton which)> buttonPressed;
  std::function<void()> close;
  std::function<void()> exit;
  std::function<void(int command)> systemCommand;
};

// The tray icon's menu: the desktop actions and the two engine events.
struct TrayParts {
  DesktopActions& desktop;
  CapturePrivacy& privacy;  // "Pause Clipboard History"
  std::function<void()> iconClicked;
  std::function<void()> exit;
};

// The setup dialog's pages.
struct SetupFormParts {
  SetupDialog& setup;
  ShortcutPage& shortcuts;
  PasteMethodPage& pasteMethods;
  std::function<void()> help;
};

}  // namespace cvd::ui
