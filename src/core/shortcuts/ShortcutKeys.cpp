#include "core/shortcuts/ShortcutKeys.h"

#include <algorithm>
#include <utility>

#include "core/clipboard/ClipboardCapture.h"
#include "core/paste/KeyMacroSender.h"
#include "core/quickfix/QuickFixRunner.h"
#include "core/shortcuts/KeyValue.h"
#include "core/shortcuts/ShortcutTable.h"
#include "core/target/ActivateAndWait.h"
#include "core/target/TargetTracker.h"
#include "core/util/Text.h"
#include "core/window/ButtonWindow.h"

namespace cvd {

namespace {

constexpr const char* kKeysInUseText =
    "Corvinade was unable to set one or more short cut keys\nbecause the key was in use by another "
    "program.\n\nPlease check the Shortcuts page of Corvinade Settings.";
constexpr const char* kBalloonTitle = "Corvinade";
constexpr const char* kEnabledText = "Corvinade shortcut keys Enabled.";
constexpr const char* kDisabledText = "Corvinade shortcut keys Disabled.";
constexpr int kBalloonSeconds = 10;
constexpr int kMaxQuickFixKeys = 50;

// Released in this order before a paste, when held.
constexpr NamedKey kModifierKeys[] = {NamedKey::LeftControl, NamedKey::RightControl, NamedKey::LeftShift,
                                      NamedKey::RightShift,  NamedKey::LeftAlt,      NamedKey::RightAlt,
                                      NamedKey::LeftSuper,   NamedKey::RightSuper};

char UpperChar(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

ShortcutKeys::ShortcutKeys(ShortcutPorts ports, ShortcutParts parts, ShortcutHooks hooks)
    : ports_(ports),
      parts_(parts),
      hooks_(std::move(hooks)),
      page_(ports.hotkeys, ports.ui, parts.settings, assigned_),
      delimiters_(ports.ui, parts.settings.Delimiters, pasteAllSeparator_) {
  shortCutTimer_ = ports_.loop.CreateTimer(25, true, [this] { ShortCutTimerTimer(); });
  ports_.hotkeys.SetHandler([this](int id) { HotKeyPressed(id); });
}

ShortcutKeys::~ShortcutKeys() { ports_.hotkeys.SetHandler({}); }

void ShortcutKeys::RegisterAll() {
  Settings& settings = parts_.settings;
  bool failed = false;
  // A value the setup page could not have made is treated as no key.
  auto take = [&](int id, std::int32_t& value) {
    value = CheckedKeyValue(value);
    if (value == 0) return;
    if (!RegisterKeyValue(ports_.hotkeys, id, value)) {
      value = 0;
      failed = true;
    }
  };
  for (int row = 0; row < kNumFixedHotKeys; ++row) take(kFixedHotKeyIds[row], settings.FixedHotKeys[row]);
  const int fixes = std::min({settings.NumFix(), static_cast<int>(settings.QuickFixHotKeys.size()), kMaxQuickFixKeys});
  for (int i = 0; i < fixes; ++i) take(kQuickFixHotKeyBase + i, settings.QuickFixHotKeys[i]);
  page_.UpdateShortcutList();
  typeAheadGroup_ = parts_.table.CurrentGroup;
  if (failed) ports_.ui.CursorMessageDlg(kKeysInUseText, MsgKind::Error, MsgButtons::Ok);
}

void ShortcutKeys::UnregisterAll() {
  shortCutTimer_->Stop();
  for (const int id : kFixedHotKeyIds) ports_.hotkeys.Unregister(id);
  for (int i = 0; i < kMaxQuickFixKeys; ++i) ports_.hotkeys.Unregister(kQuickFixHotKeyBase + i);
}

bool ShortcutKeys::Do(const std::string& name) {
  const int id = HotKeyIdOfName(name, parts_.settings.QuickFixes);
  if (id == 0) return false;
  HotKeyPressed(id);
  return true;
}

void ShortcutKeys::HotKeyPressed(int id) {
  Settings& settings = parts_.settings;
  if (id == 0) return;
  if (stepRunning_) {
    // The paste step lets events run: a key handled in the middle of it
    // would be undone by the step's own move of the paste pointer.
    if (waitingKeys_.size() < kMaxWaitingKeys) waitingKeys_.push_back(id);
    return;
  }
  if (id >= kQuickFixHotKeyBase && id < kQuickFixHotKeyBase + kMaxQuickFixKeys) {
    QuickFixKey(id - kQuickFixHotKeyBase);
    return;
  }
  if (id == hkiEnable || id == hkiDisable) {
    settings.HotKeysEnabled = id == hkiEnable;
    ports_.tray.Balloon(kBalloonTitle, id == hkiEnable ? kEnabledText : kDisabledText, kBalloonSeconds);
    return;
  }
  if (!settings.HotKeysEnabled) {
    // A paste-all step that is dropped ends the run: a later Alt+P must
    // paste one button, not all that follow.
    if (id == hkiPasteActive) pasteAll_ = false;
    return;
  }
  GroupTable& table = parts_.table;
  ButtonWindow& window = parts_.window;
  switch (id) {
    case hkiShowWindow:
      if (!ports_.windowView.ButtonWindowVisible()) {
        window.ShowButtonWindow();
      } else if (!table.GroupList.empty()) {
        const int next = (std::max(0, table.CurrentListPosition()) + 1) % static_cast<int>(table.GroupList.size());
        window.GroupListChange(next);
      }
      break;
    case hkiHideWindow: window.CloseButtonWindow(); break;
    case hkiClearClipButtons:
      if (hooks_.clearAllClip) hooks_.clearAllClip();
      break;
    case hkiResetPasteCounter:
      window.SetPasteCount();
      Redisplay();
      break;
    case hkiPasteActive: PasteStep(); break;
    case hkiPreviousButton: MovePointer(-1); break;
    case hkiNextButton: MovePointer(+1); break;
    case hkiPasteAll:
      if (modalRunning_ == hkiPasteAll) break;
      savedTarget_ = parts_.tracker.LastTarget();
      Defer(hkiPasteAll);
      break;
    case hkiMarkAllUnused:
      if (hooks_.markAllUnused) hooks_.markAllUnused();
      break;
    case hkiEditLastCopied:
      if (modalRunning_ == hkiEditLastCopied || !LastCopiedUsable()) break;
      ShowIfHidden();
      table.CurrentButton = parts_.capture.LastFilled();
      Defer(hkiEditLastCopied);
      break;
    case hkiClearLastCopied:
      if (!LastCopiedUsable() || !hooks_.deleteButton) break;
      if (hooks_.deleteButton(table.CurrentGroup, parts_.capture.LastFilled(), true)) {
        parts_.capture.ForgetLastFilled();
      }
      break;
    case hkiPasteLastCopied:
      if (!LastCopiedUsable()) break;
      ShowIfHidden();
      ReleaseModifiers();
      if (hooks_.pressButton) hooks_.pressButton(parts_.capture.LastFilled());
      break;
    case hkiDialNumber: DialStep(); break;
    case hkiDontCopyDups:
    case hkiCopyDups:
    case hkiMoveDup:
    case hkiMarkDupUnused:
      if (table.CurrentGroup >= 1 && table.CurrentGroup <= table.GroupCount()) {
        table.Current().CopyDups = id - hkiDontCopyDups;
      }
      break;
    case hkiSearch: RunModal(hkiSearch, hooks_.search); break;
    case hkiPauseHistory:
      if (hooks_.togglePause) hooks_.togglePause();
      break;
    default: break;
  }
}

void ShortcutKeys::QuickFixKey(int i) {
  // The key of a quick fix deleted since it was taken does nothing.
  if (i >= parts_.settings.NumFix() || !LastCopiedUsable()) return;
  ShowIfHidden();
  parts_.quickFixes.ApplyToButton(i, parts_.capture.LastFilled());
  parts_.window.ResetHint();
}

bool ShortcutKeys::LastCopiedUsable() const {
  const GroupTable& table = parts_.table;
  const ClipboardCapture& capture = parts_.capture;
  if (parts_.quickFixes.EditorOpen() || capture.LastFillGroup() != table.CurrentGroup) return false;
  if (table.CurrentGroup < 1 || table.CurrentGroup > table.GroupCount()) return false;
  return table.Current().IsClipButton(capture.LastFilled());
}

void ShortcutKeys::ShowIfHidden() {
  if (!ports_.windowView.ButtonWindowVisible()) parts_.window.ShowButtonWindow();
}

void ShortcutKeys::Redisplay() {
  parts_.window.Display();
  hooks_.resetFadeTimer();
}

void ShortcutKeys::ReleaseModifiers() {
  for (const NamedKey key : kModifierKeys) {
    if (ports_.keyboard.IsKeyDown(key)) parts_.macros.SimulateKeyUp(key);
  }
}

void ShortcutKeys::MovePointer(int towardsNewest) {
  const TGroup& group = parts_.table.Current();
  const int step = group.FillMode == 1 ? -towardsNewest : towardsNewest;
  const int moved = parts_.window.ActiveButton() + step;
  parts_.window.SetActiveButton(std::clamp(moved, 1, std::max(1, group.NumClipButtons)));
  Redisplay();
}

void ShortcutKeys::PasteStep() {
  GroupTable& table = parts_.table;
  if (table.CurrentGroup < 1 || table.CurrentGroup > table.GroupCount() || table.Current().NumClipButtons < 1) {
    pasteAll_ = false;
    return;
  }
  stepRunning_ = true;
  ReleaseModifiers();
  // The pointer may lie outside a clip area made smaller since it was set.
  const int active = std::clamp(parts_.window.ActiveButton(), 1, table.Current().NumClipButtons);
  if (hooks_.pressButton) hooks_.pressButton(active);
  // The paste let events run: read the group afresh.
  const TGroup& group = table.Current();
  const int last = std::max(1, group.NumClipButtons);
  const int next = active + (group.FillMode == 1 ? -1 : 1);
  if (next < 1 || next > last) pasteAll_ = false;
  parts_.window.SetActiveButton(std::clamp(next, 1, last));
  Redisplay();
  if (pasteAll_) {
    parts_.macros.SendString(pasteAllSeparator_);
    ports_.loop.Post([this] { HotKeyPressed(hkiPasteActive); });
  }
  stepRunning_ = false;
  // Handled now, before any key pressed after them.
  for (const int waiting : std::exchange(waitingKeys_, {})) HotKeyPressed(waiting);
}

void ShortcutKeys::DialStep() {
  KeyMacroSender& macros = parts_.macros;
  for (const NamedKey key : {NamedKey::Control, NamedKey::Shift, NamedKey::Alt, NamedKey::Super}) {
    macros.SimulateKeyUp(key);
  }
  // Only a text the copy below puts on the clipboard is dialled, never an
  // older clip when the target had nothing selected.
  const std::uint32_t before = ports_.clipboard.SequenceNumber();
  ports_.loop.Sleep(25);
  const auto c = ports_.keyboard.KeyForCharacter(U'c');
  macros.SimulateKeyDown(NamedKey::Control);
  if (c) macros.SimulateKeystroke(c->key);
  macros.SimulateKeyUp(NamedKey::Control);
  ports_.loop.ProcessEvents();
  ports_.loop.Sleep(50);
  ports_.loop.ProcessEvents();
  if (ports_.clipboard.SequenceNumber() == before) return;
  const auto text = ports_.clipboard.Text();
  if (text && !text->empty()) parts_.quickFixes.DialPhoneNumber(*text, "");
}

void ShortcutKeys::Defer(int id) {
  shortCutTag_ = id;
  shortCutTimer_->Start();
}

void ShortcutKeys::ShortCutTimerTimer() {
  shortCutTimer_->Stop();
  const int id = shortCutTag_;
  shortCutTag_ = 0;
  if (id == hkiPasteAll) {
    RunModal(hkiPasteAll, [this] {
      delimiters_.Shown();
      if (ports_.ui.ShowListForm()) PasteAllChosen();
    });
  } else if (id == hkiEditLastCopied) {
    RunModal(hkiEditLastCopied, hooks_.editButton);
  }
}

void ShortcutKeys::RunModal(int id, const std::function<void()>& action) {
  if (!action || modalRunning_ == id) return;
  const int outer = modalRunning_;
  modalRunning_ = id;
  action();
  modalRunning_ = outer;
}

void ShortcutKeys::PasteAllChosen() {
  ActivateAndWait(ports_.windows, ports_.loop, savedTarget_);
  ports_.loop.Sleep(100);
  pasteAll_ = true;
  ports_.loop.ProcessEvents();
  ports_.loop.Post([this] { HotKeyPressed(hkiPasteActive); });
}

void ShortcutKeys::DummyKeyPress(char typed) {
  GroupTable& table = parts_.table;
  const int count = static_cast<int>(table.GroupList.size());
  if (count == 0) return;
  // A group switch since the last letter starts the walk from the group on screen.
  if (table.CurrentGroup != typeAheadGroup_) {
    const int position = std::max(0, table.CurrentListPosition());
    const std::string& name = table.GroupList[position];
    typeAheadChar_ = name.empty() ? static_cast<char>(255) : UpperChar(name[0]);
    typeAheadIndex_ = position;
    typeAheadGroup_ = table.CurrentGroup;
  }
  const char c = UpperChar(typed);
  int start;
  if (c != typeAheadChar_) {
    typeAheadIndex_ = 0;
    start = 0;
  } else {
    start = (typeAheadIndex_ + 1) % count;
  }
  int index = start;
  bool found = false;
  for (int steps = 0; steps < count; ++steps) {
    const std::string& name = table.GroupList[index];
    if (!name.empty() && UpperChar(name[0]) == c) {
      found = true;
      break;
    }
    index = (index + 1) % count;
  }
  typeAheadChar_ = c;
  if (!found) return;
  typeAheadIndex_ = index;
  parts_.window.GroupListChange(index);
  typeAheadGroup_ = table.CurrentGroup;
}

}  // namespace cvd
