#include "core/app/Engine.h"

#include <algorithm>
#include <filesystem>

#include "core/app/Migration.h"
#include "core/ports/Clipboard.h"
#include "core/ports/Shell.h"
#include "core/ports/TextMeasure.h"
#include "core/ports/Ui.h"
#include "core/window/Caption.h"
#include "core/window/Layout.h"

namespace cvd {

namespace {

BackupHooks MakeBackupHooks(Engine& engine) {
  BackupHooks hooks;
  hooks.redraw = [&engine] {
    engine.SetPasteCount();
    engine.Display();
  };
  return hooks;
}

}  // namespace

Engine::Engine(const Ports& ports, Directories dirs)
    : ports_(ports),
      dirs_(std::move(dirs)),
      backup_(files_, MakeBackupHooks(*this)),
      quickFixes_(QuickFixHost{&table_, &settings_.QuickFixes, ports_.shell, ports_.ui,
                               [this](const std::string& text) { return MakeCaption(text); },
                               [this] { Display(); }, [] {}}) {
  EventLoop& loop = *ports_.loop;
  // All timers start disabled; start-up and the parts that own them enable them.
  targetTimer_ = loop.CreateTimer(100, false, [this] { TargetTimerTimer(); });
  copyTimer_ = loop.CreateTimer(50, true, [] {});
  copyDelayTimer_ = loop.CreateTimer(25, true, [this] { CopyDelayTimerTimer(); });
  shortCutTimer_ = loop.CreateTimer(25, true, [] {});
  shareTimer_ = loop.CreateTimer(50, true, [] {});
  fadeTimer_ = loop.CreateTimer(60000, false, [] {});
  minuteTimer_ = loop.CreateTimer(60000, false, [this] { MinuteTimerTimer(); });
}

Engine::~Engine() = default;

void Engine::FormCreate() {
  pasting_ = true;
  // Files that older versions kept beside the program move to the data folder.
  dirs_.DataDir = dirs_.DefaultDataDir;
  MigrateFromProgramDir(dirs_, *ports_.ui);
  if (ports_.clipboard) lastSeqNo_ = ports_.clipboard->SequenceNumber();
  LoadEverything();
  const bool firstRun = !std::filesystem::exists(files_.SettingsFilePath());
  if (settings_.ShowOnStart) {
    if (ports_.shell && ports_.shell->SessionLocked()) {
      sessionLockHidden_ = true;
    } else {
      ShowButtonWindow();
    }
  }
  if (firstRun) {
    if (ports_.shell) ports_.shell->Open(dirs_.ProgramDir + "corvinade.chm");
    ports_.ui->Balloon(kAppTitle, kWelcomeText, 20);
  }
  // Shortcut keys are registered here.
  Display();
  ports_.loop->ProcessEvents();
  copyTimer_->Start();
  targetTimer_->Start();
  JoinClipboard();
  if (ports_.shell) computerName_ = ports_.shell->ComputerName();
  pasting_ = false;
  ports_.loop->ProcessEvents();
  minuteTimer_->Start();
  backup_.StartDailyBackup();
}

void Engine::LoadEverything() {
  files_.LoadSettings();
  ports_.ui->MoveButtonWindow(Point{settings_.MainLeft, settings_.MainTop});
  if (table_.GroupCount() < 1) table_ = DefaultGroupTable(dirs_.ProgramDir);
  const int position = StartListPosition(settings_.LastGroup, static_cast<int>(table_.GroupList.size()));
  int index = position < static_cast<int>(table_.GroupList.size()) ? table_.FindGroup(table_.GroupList[position]) : -1;
  if (index < 1) index = 1;
  table_.CurrentGroup = index;
  SetPasteCount();
}

void Engine::MinuteTimerTimer() { backup_.MinuteTimerTimer(); }

bool Engine::FormCloseQuery() {
  const Rect frame = ports_.ui->ButtonWindowFrame();
  settings_.MainLeft = frame.left;
  settings_.MainTop = frame.top;
  settings_.LastGroup = std::max(0, table_.CurrentListPosition());
  return files_.SaveSettings();
}

void Engine::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  if (ports_.clipboard && subscribed_) ports_.clipboard->Unsubscribe();
  subscribed_ = false;
  targetTimer_->Stop();
  copyTimer_->Stop();
  copyDelayTimer_->Stop();
  shortCutTimer_->Stop();
  shareTimer_->Stop();
  fadeTimer_->Stop();
  minuteTimer_->Stop();
}

void Engine::MenuExitClick() {
  if (destroyed_) return;
  targetTimer_->Stop();
  FormCloseQuery();
  FormDestroy();
  if (quit_) quit_();
}

void Engine::Display() {
  if (table_.CurrentGroup < 1 || table_.CurrentGroup > table_.GroupCount()) return;
  WindowLayout layout = LayoutGroup(table_.Current());
  layout.groupList = table_.GroupList;
  layout.groupListIndex = table_.CurrentListPosition();
  rolledUp_ = false;
  ports_.ui->ApplyLayout(layout);
}

std::string Engine::MakeCaption(const std::string& text) {
  return cvd::MakeCaption(text, *ports_.measure, table_.Current().ButtonWidth - 15);
}

void Engine::SetPasteCount() { activeButton_ = PasteCountFor(table_.Current()); }

void Engine::ColorButton(int button) { ports_.ui->SetCaptionColor(button, clFuchsia); }

void Engine::RestoreColorButton(int button) {
  ports_.ui->SetCaptionColor(button, StandardFontColor(table_.Current(), button, activeButton_));
}

void Engine::TargetTimerTimer() {
  // The program always listens for clipboard changes itself, so there is no
  // chain of viewers to check before the hint step.
  HoverHintStep();
  TrackTarget();
}

void Engine::HoverHintStep() {
  const TGroup& group = table_.Current();
  if (!group.ShowHints) return;
  int b = ports_.ui->ButtonUnderPointer();
  if (b > group.TotalButtons()) b = -1;
  switch (HoverStep(hint_, b)) {
    case HintAction::None:
      return;
    case HintAction::Hide:
      ports_.ui->HideHint();
      return;
    case HintAction::Show:
      break;
  }
  const std::string text = HintText(group, b);
  Size size = ports_.measure->HintSize(text, MaxHintWidth);
  if (size.height > MaxHintHeight) size.height = MaxHintHeight;
  const Point where =
      HintPosition(group.HintType, ports_.ui->ButtonWindowFrame(), ports_.ui->PointerPosition(), size);
  ports_.ui->ShowHint(text, Rect{where.x, where.y, size.width, size.height});
}

void Engine::WindowMoved() {
  const Rect frame = ports_.ui->ButtonWindowFrame();
  TGroup& group = table_.Current();
  group.WindowLeft = frame.left;
  group.WindowTop = frame.top;
}

void Engine::CloseButtonWindow() {
  ports_.ui->HideHint();
  ports_.ui->HideButtonWindow();
}

void Engine::ShowButtonWindow() { ports_.ui->ShowButtonWindow(); }

void Engine::ButtonMouseDown(int button, MouseButton which) {
  // Every press on a button hides the hint.
  ports_.ui->HideHint();
  table_.CurrentButton = button;
  // A left press pastes the button.
  if (which == MouseButton::Left) ClickButton(table_.CurrentGroup, table_.CurrentButton);
}

void Engine::CoolTrayIconClick() {
  if (ports_.ui->ButtonWindowVisible()) {
    CloseButtonWindow();
  } else {
    ShowButtonWindow();
  }
}

void Engine::HandleSystemCommand(int command) {
  if (command == scAlreadyRunning) {
    ShowButtonWindow();
    ports_.ui->Balloon(kAppTitle, kAlreadyRunningText, 10);
  }
}

void Engine::GroupListChange(int position) {
  if (position < 0 || position >= static_cast<int>(table_.GroupList.size())) return;
  const int index = table_.FindGroup(table_.GroupList[position]);
  if (index > 0) SwitchToGroup(index);
}

void Engine::SwitchToGroup(int groupIndex) {
  const Rect frame = ports_.ui->ButtonWindowFrame();
  TGroup& old = table_.Current();
  old.WindowLeft = frame.left;
  old.WindowTop = frame.top;
  table_.CurrentGroup = groupIndex;
  hint_ = HintState{};
  ports_.ui->HideHint();
  SetPasteCount();
  Display();
  const TGroup& group = table_.Current();
  if (group.RememberPos) {
    ports_.ui->MoveButtonWindow(
        KeepOnScreen(Point{group.WindowLeft, group.WindowTop}, ports_.ui->DisplayOfButtonWindow()));
  }
}

}  // namespace cvd
