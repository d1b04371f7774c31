#pragma once
// System-wide shortcut keys: registration, the dispatcher of every shortcut
// function and quick fix key, "Paste all buttons", the deferred actions, and
// typing a letter in the button window to pick a group.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/data/GroupTable.h"
#include "core/ports/ButtonWindowView.h"
#include "core/ports/Clipboard.h"
#include "core/ports/EventLoop.h"
#include "core/ports/Hotkeys.h"
#include "core/ports/Keyboard.h"
#include "core/ports/Messages.h"
#include "core/ports/TrayView.h"
#include "core/ports/Windows.h"
#include "core/settings/Settings.h"
#include "core/shortcuts/DelimiterList.h"
#include "core/shortcuts/ShortcutPage.h"
#include "core/util/Required.h"

namespace cvd {

class ButtonWindow;
class ClipboardCapture;
class KeyMacroSender;
class QuickFixRunner;
class TargetTracker;

struct ShortcutPorts {
  Hotkeys& hotkeys;
  Messages& ui;
  EventLoop& loop;
  Keyboard& keyboard;
  Clipboard& clipboard;
  Windows& windows;
  TrayView& tray;
  ButtonWindowView& windowView;
};

// The subsystems the functions act through.
struct ShortcutParts {
  GroupTable& table;
  Settings& settings;
  ButtonWindow& window;
  ClipboardCapture& capture;
  const TargetTracker& tracker;
  KeyMacroSender& macros;
  QuickFixRunner& quickFixes;
};

// Commands of other subsystems; an empty one does nothing.
struct ShortcutHooks {
  Required<void(int button)> pressButton;  // a left press on a button of the current group
  Required<void()> clearAllClip;           // "Clear all Clip Buttons" of the current group
  Required<void()> markAllUnused;          // "Mark all Buttons Unused"
  // Empties clip button `button` of group `group` (no question when noAsk); true when done.
  Required<bool(int group, int button, bool noAsk)> deleteButton;
  Required<void()> editButton;  // the button editor on CurrentButton, modally
  Required<void()> search;      // the search dialog, modally
  Required<void()> resetFadeTimer;
  std::function<void()> togglePause;  // "Pause Clipboard History"
};

class ShortcutKeys {
 public:
  ShortcutKeys(ShortcutPorts ports, ShortcutParts parts, ShortcutHooks hooks);
  ~ShortcutKeys();

  // Start-up: takes every key; keys held elsewhere become 0 and are
  // reported once. Shut-down: gives them back.
  void RegisterAll();
  void UnregisterAll();

  // The dispatcher: a key with this id was pressed (or a request posted).
  void HotKeyPressed(int id);
  // Runs a function named as its row in the shortcut list, or a quick fix
  // by its name, as its key would. False when nothing has that name.
  bool Do(const std::string& name);
  // A character typed into the button window: selects a group by its first letter.
  void DummyKeyPress(char typed);

  ShortcutPage& Page() { return page_; }
  // Where the desktop holds the keys, what it assigned (the platform reports it).
  AssignedTriggers& Assigned() { return assigned_; }
  const AssignedTriggers& Assigned() const { return assigned_; }
  DelimiterList& Delimiters() { return delimiters_; }

  bool PasteAll() const { return pasteAll_; }
  const std::string& PasteAllSeparator() const { return pasteAllSeparator_; }
  char TypeAheadChar() const { return typeAheadChar_; }
  int TypeAheadIndex() const { return typeAheadIndex_; }

 private:
  void QuickFixKey(int i);
  bool LastCopiedUsable() const;
  void ShowIfHidden();
  void ReleaseModifiers();
  void PasteStep();
  void MovePointer(int towardsNewest);
  void DialStep();
  void Defer(int id);
  void ShortCutTimerTimer();
  void RunModal(int id, const std::function<void()>& action);
  void PasteAllChosen();
  void Redisplay();

  ShortcutPorts ports_;
  ShortcutParts parts_;
  ShortcutHooks hooks_;
  AssignedTriggers assigned_;
  ShortcutPage page_;
  DelimiterList delimiters_;
  std::unique_ptr<Timer> shortCutTimer_;
  int shortCutTag_ = 0;
  int modalRunning_ = 0;  // the function whose dialog is showing
  bool pasteAll_ = false;
  bool stepRunning_ = false;      // a paste step runs; keys wait for its end
  std::vector<int> waitingKeys_;  // pressed during the step, in order
  static constexpr std::size_t kMaxWaitingKeys = 16;
  std::string pasteAllSeparator_ = ",";
  WindowId savedTarget_ = 0;
  char typeAheadChar_ = static_cast<char>(255);
  int typeAheadIndex_ = 0;
  int typeAheadGroup_ = -1;  // the group the last letter picked
};

}  // namespace cvd
