#pragma once
// The window-specific paste methods as the setup page edits them: the
// current entry and its fields, a new entry for the window the user
// activates next, deleting, and testing an entry against a window.
#include <functional>
#include <string>

#include "core/paste/PasteMethods.h"
#include "core/ports/EventLoop.h"
#include "core/ports/Keyboard.h"
#include "core/ports/Messages.h"
#include "core/ports/Windows.h"
#include "core/target/WindowPick.h"
#include "core/util/HandlerSlot.h"

namespace cvd {

class Paster;

struct PasteMethodPorts {
  EventLoop& loop;
  Messages& ui;
  Windows& windows;
  Keyboard& keyboard;
};

// The delay box's range, in milliseconds.
inline constexpr int kMinPasteMethodDelay = 50;
inline constexpr int kMaxPasteMethodDelay = 1000;
// The title of a new method for a window without one.
inline constexpr const char* kUntitledWindow = "Window Title";

// "Match beginning", "Match anywhere", "Match ending", "Match exactly"; empty for other values.
std::string MatchLabelText(int match);

class PasteMethodPage {
 public:
  // `methods` is the live table the paste uses; it is never left empty.
  PasteMethodPage(PasteMethodPorts ports, PasteMethods& methods, Paster& paster);
  ~PasteMethodPage();

  // The page opens: the current entry stays when it still exists, else the first is current.
  void Load();
  const PasteMethods& Methods() const { return methods_; }
  // The current entry, 0-based. Edits always go to it, whatever the view's
  // list reports while its text is being typed.
  int Current() const { return current_; }
  const PasteMethod& Method() const;

  void Select(int index);
  void Rename(const std::string& title);
  void SetKeyMacro(const std::string& macro);
  void SetDelay(int ms);  // kept within the delay box's range
  void ChooseMatch(int match);

  // "New", "Delete", "Test". New and Test wait for the user to activate
  // another window; while they wait the page takes no other command.
  void NewWinButtonClick();
  void DelWinButtonClick();
  void TestWinButtonClick();
  bool Waiting() const { return wait_ != Wait::None; }
  void CancelWait();

  // Called when the entries or the waiting state change by themselves (a
  // wait ends), until the subscription goes.
  [[nodiscard]] Subscription SubscribeToChanges(std::function<void()> changed) {
    return changed_.Subscribe(std::move(changed));
  }

 private:
  enum class Wait { None, New, Test };
  void StartWait(Wait wait, const char* notice);
  bool WindowPicked(WindowId window);
  bool Full() const;
  // The current entry to change; null while waiting, or when the table
  // shrank behind the page (a restored backup) until the page opens again.
  PasteMethod* Editable();

  PasteMethodPorts ports_;
  PasteMethods& methods_;
  Paster& paster_;
  int current_ = 0;
  Wait wait_ = Wait::None;
  WindowPick pick_;
  HandlerSlot changed_;
  PasteMethod none_;  // shown when the current entry is gone
};

}  // namespace cvd
