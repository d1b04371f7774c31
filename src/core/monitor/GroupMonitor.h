#pragma once
// Groups tied to a program or a window title come to the front by
// themselves when the user activates that program or window. The tie is
// made by clicking on the wanted window right after a notice.
#include <functional>
#include <memory>
#include <string>

#include "core/data/GroupTable.h"
#include "core/fade/Fader.h"
#include "core/ports/ButtonWindowView.h"
#include "core/ports/EventLoop.h"
#include "core/ports/Keyboard.h"
#include "core/ports/Messages.h"
#include "core/ports/Windows.h"
#include "core/target/TargetTracker.h"
#include "core/target/WindowPick.h"
#include "core/util/Required.h"
#include "core/window/ButtonWindow.h"

namespace cvd {

struct MonitorPorts {
  EventLoop& loop;
  Messages& ui;
  Windows& windows;
  Keyboard& keyboard;
  ButtonWindowView& windowView;
};

struct MonitorHooks {
  // Switches to list position `position` as a pick in the group selector does.
  Required<void(int position)> switchGroup;
  // While it answers true (the button editor is open) no group is switched.
  Required<bool()> busy;
};

class GroupMonitor {
 public:
  GroupMonitor(const MonitorPorts& ports, GroupTable& table, ButtonWindow& window, Fader& fader,
               const TargetTracker& tracker, MonitorHooks hooks);
  ~GroupMonitor();

  // The tracker saw a new foreground window (with its program `exe`) or a
  // new title; either may be empty.
  void MonitorStep(const std::string& exe, const std::string& title, bool newWindow);

  // The group menu's commands, for the current group.
  void MenuMonitorApplicationClick();
  void MenuMonitorWindowClick();
  void MenuCancelMonitoringClick();

  // Waiting for the user to activate the window to tie the group to.
  bool Waiting() const { return pick_.Waiting(); }
  void CancelWait() { pick_.Cancel(); }

 private:
  enum class Tie { Application, Window };
  // Brings group `g` to the front; true when it had to show the hidden window.
  bool ShowGroup(int g);
  void AskToTie(Tie tie);
  bool Picked(WindowId window);
  void Tied(Tie tie, WindowId window);
  void AskRemoval(TGroup& group, Tie tie);

  MonitorPorts ports_;
  GroupTable& table_;
  ButtonWindow& window_;
  Fader& fader_;
  const TargetTracker& tracker_;
  MonitorHooks hooks_;
  WindowPick pick_;
  Tie waitTie_ = Tie::Application;
  std::string waitGroup_;  // by name: the table may change while we wait
};

}  // namespace cvd
