#include "core/monitor/GroupMonitor.h"

namespace cvd {

namespace {

constexpr std::size_t kMaxTitle = 255;

std::string Notice(const TGroup& group, const std::string& what) {
  std::string text =
      "This feature enables Corvinade to automatically switch to a group and move the\n"
      "button window when you activate a specific " +
      what +
      ". To start, click OK and\n"
      "DIRECTLY after that on the title bar of the " +
      what + " you want to associate with this group.";
  if (!group.MonitorWindow.empty()) {
    text += "\n\nThis group is currently associated with the \"" + group.MonitorWindow + "\" window.";
  } else if (!group.MonitorApplication.empty()) {
    text += "\n\nThis group is currently associated with the \"" + group.MonitorApplication + "\" application.";
  }
  return text;
}

}  // namespace

GroupMonitor::GroupMonitor(const MonitorPorts& ports, GroupTable& table, ButtonWindow& window, Fader& fader,
                           const TargetTracker& tracker, MonitorHooks hooks)
    : ports_(ports),
      table_(table),
      window_(window),
      fader_(fader),
      tracker_(tracker),
      hooks_(std::move(hooks)),
      pick_(ports.loop, ports.windows, ports.keyboard) {}

GroupMonitor::~GroupMonitor() = default;

void GroupMonitor::MonitorStep(const std::string& exe, const std::string& title, bool newWindow) {
  if (hooks_.busy && hooks_.busy()) return;
  bool shown = false;
  // Every matching group comes to the front in table order: the last one stays.
  if (newWindow && !exe.empty()) {
    for (int g = 1; g <= table_.GroupCount(); ++g) {
      if (table_.Groups[g].MonitorApplication == exe) shown = ShowGroup(g) || shown;
    }
  }
  if (shown || title.empty()) return;
  for (int g = 1; g <= table_.GroupCount(); ++g) {
    const std::string& part = table_.Groups[g].MonitorWindow;
    if (!part.empty() && title.find(part) != std::string::npos) ShowGroup(g);
  }
}

bool GroupMonitor::ShowGroup(int g) {
  if (g != table_.CurrentGroup) {
    const auto& list = table_.GroupList;
    for (int position = 0; position < static_cast<int>(list.size()); ++position) {
      if (table_.FindGroup(list[position]) == g) {
        hooks_.switchGroup(position);
        break;
      }
    }
  }
  bool shown = false;
  if (!ports_.windowView.ButtonWindowVisible()) {
    window_.ShowButtonWindow();
    // The user is working in the window that was just activated.
    ports_.windows.Activate(tracker_.LastTarget());
    shown = true;
  }
  if (window_.RolledUp()) fader_.RollUp();
  return shown;
}

void GroupMonitor::MenuMonitorApplicationClick() { AskToTie(Tie::Application); }

void GroupMonitor::MenuMonitorWindowClick() { AskToTie(Tie::Window); }

void GroupMonitor::AskToTie(Tie tie) {
  if (Waiting() || table_.CurrentGroup < 1 || table_.CurrentGroup > table_.GroupCount()) return;
  TGroup& group = table_.Current();
  const std::string what = tie == Tie::Application ? "application" : "window";
  if (ports_.ui.CursorMessageDlg(Notice(group, what), MsgKind::Information, MsgButtons::OkCancel) != MsgResult::Ok) {
    const std::string& current = tie == Tie::Application ? group.MonitorApplication : group.MonitorWindow;
    if (!current.empty()) AskRemoval(group, tie);
    return;
  }
  waitTie_ = tie;
  waitGroup_ = group.Name;
  pick_.Start([this](WindowId window) { return Picked(window); });
}

bool GroupMonitor::Picked(WindowId window) {
  // No program is known for this window: the user may pick another.
  if (waitTie_ == Tie::Application && ports_.windows.ExecutableName(window).empty()) return false;
  Tied(waitTie_, window);
  return true;
}

void GroupMonitor::Tied(Tie tie, WindowId window) {
  const int g = table_.FindGroup(waitGroup_);
  if (g < 1) return;  // the group was deleted meanwhile
  TGroup& group = table_.Groups[g];
  if (tie == Tie::Application) {
    const std::string name = ports_.windows.ExecutableName(window);
    const std::string question =
        "Are you sure you want to associate the \"" + group.Name + "\"\ngroup with the \"" + name + "\" application?";
    if (ports_.ui.CursorMessageDlg(question, MsgKind::Confirmation, MsgButtons::YesNo) == MsgResult::Yes) {
      group.MonitorApplication = name;
      group.MonitorWindow.clear();
    }
    return;
  }
  std::string title = ports_.windows.Title(window);
  if (title.size() > kMaxTitle) title.resize(kMaxTitle);
  const auto text = ports_.ui.InputQuery("Confirm window association",
                                         "Associate " + group.Name + " group with window title:", title);
  if (text) {
    group.MonitorWindow = *text;
    group.MonitorApplication.clear();
  }
}

void GroupMonitor::AskRemoval(TGroup& group, Tie tie) {
  std::string& current = tie == Tie::Application ? group.MonitorApplication : group.MonitorWindow;
  const std::string question = "This group is currently associated with the \"" + current + "\" " +
                               (tie == Tie::Application ? "application" : "window") +
                               ".\n\nDo you want to remove the association?";
  if (ports_.ui.CursorMessageDlg(question, MsgKind::Confirmation, MsgButtons::YesNo) == MsgResult::Yes) current.clear();
}

void GroupMonitor::MenuCancelMonitoringClick() {
  if (table_.CurrentGroup < 1 || table_.CurrentGroup > table_.GroupCount()) return;
  TGroup& group = table_.Current();
  if (!group.MonitorWindow.empty()) {
    AskRemoval(group, Tie::Window);
  } else if (!group.MonitorApplication.empty()) {
    AskRemoval(group, Tie::Application);
  } else {
    ports_.ui.CursorMessageDlg("This group is currently not monitoring an application or window.", MsgKind::Error,
                               MsgButtons::Ok);
  }
}

}  // namespace cvd
