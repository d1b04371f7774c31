#pragma once
// The button paste: the text goes onto the clipboard, the target window
// gets the paste keystroke or its paste method's key macro, and a clip
// button that was pasted is marked used.
#include <deque>
#include <string>
#include <utility>

#include "core/data/GroupTable.h"
#include "core/paste/KeyMacroSender.h"
#include "core/paste/PasteMethods.h"
#include "core/paste/TerminalPaste.h"
#include "core/ports/ButtonWindowView.h"
#include "core/ports/Clipboard.h"
#include "core/ports/EventLoop.h"
#include "core/ports/Keyboard.h"
#include "core/ports/Messages.h"
#include "core/ports/Windows.h"

namespace cvd {

class ClipboardCapture;
class TargetTracker;

// What the paste reads of the program's options, live.
struct PasteOptions {
  const bool& advWinTrack;         // AdvWinTrack: the target keeps the focus by itself
  const PasteMethods& pasteKeys;   // tried in order against the target's title
  const TerminalPaste& terminals;  // by window class, when no method matches
};

struct PastePorts {
  EventLoop& loop;
  Clipboard& clipboard;
  Keyboard& keyboard;
  Windows& windows;
  Messages& ui;
  ButtonWindowView& windowView;
};

class Paster {
 public:
  Paster(PastePorts ports, GroupTable& table, ClipboardCapture& capture, const TargetTracker& tracker,
         PasteOptions options);

  // Pastes button `button` of group `group` into the target window;
  // out-of-range numbers do nothing.
  void ClickButton(int group, int button);
  // The test of a paste method against the title of the window the user
  // picked: on a match the method's macro is sent with "Paste Test" on the
  // clipboard; otherwise the user is told. Returns whether the title matched.
  bool TestPasteMethod(const PasteMethod& method, const std::string& title);

  bool Pasting() const { return pasting_; }
  // The key macro interpreter and the keystroke primitives.
  KeyMacroSender& Macros() { return macroSender_; }

 private:
  class PastingScope;
  void PasteNow(int group, int button);
  void MarkUsed(int group, int button);

  PastePorts ports_;
  GroupTable& table_;
  ClipboardCapture& capture_;
  const TargetTracker& tracker_;
  PasteOptions options_;
  bool pasting_ = false;
  bool pasteRunning_ = false;
  std::deque<std::pair<int, int>> queuedPastes_;  // group, button
  KeyMacroSender macroSender_;
};

}  // namespace cvd
