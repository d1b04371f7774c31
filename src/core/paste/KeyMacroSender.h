#pragma once
// Typing into other programs: the keystroke primitives with their fixed
// pauses, and the interpreter of key macros, the brace language of keys,
// held modifiers and delays ("{Alt {Space}}{Delay 100}ep", "{Ctrl v}").
// A macro is interpreted from its text each time it is sent.
#include <cstddef>
#include <string_view>

#include "core/ports/EventLoop.h"
#include "core/ports/Keyboard.h"

namespace cvd {

class KeyMacroSender {
 public:
  // Without a keyboard nothing is typed.
  KeyMacroSender(Keyboard& keyboard, EventLoop& loop) : keyboard_(keyboard), loop_(loop) {}

  // The primitives: each event is followed by a 10 ms plain sleep.
  void SimulateKeyDown(Key key);
  void SimulateKeyUp(Key key);
  void SimulateKeystroke(Key key);

  // Interprets and sends a whole macro (UTF-8). Pending events are
  // processed after every character and every token.
  void SendString(std::string_view macro);
  // Types one character through the keyboard layout, pressing the
  // modifiers it needs unless an enclosing token holds them, and typing it
  // as itself whatever the Caps Lock state. A character that no key types
  // is skipped.
  void SendKey(char32_t character);
  // Holds `modifier` (Shift, Control, Alt or Super) down while `inner` is
  // sent.
  void SendMacro(NamedKey modifier, std::string_view inner);
  // Waits as a "{Delay ...}" token with this argument does.
  void Delay(std::string_view argument);
  // Waits `ms` in 10 ms slices, processing pending events after each slice,
  // then the remainder: about ms + 10 in all. A negative value waits nothing.
  void SleepWithBreak(int ms);

  // The paste keystroke of a group: Shift+Insert for any mode but 0, else
  // Ctrl with the key of "v".
  void SendPasteKeystroke(int pasteKeyMode);

  // 1-based position of the "}" that closes the "{" at the start of `text`;
  // when it is never closed, the length of the text (its last character
  // then stands in for the bracket).
  static std::size_t FindEndBracket(std::string_view text);
  // The milliseconds a delay argument stands for: 1 when it is not a whole
  // number or above 10000; negative values are returned as they are.
  static int DelayMilliseconds(std::string_view argument);

  // An enclosing modifier token holds the modifier now.
  bool CtrlHeld = false;
  bool AltHeld = false;
  bool ShiftHeld = false;

  // Modifier tokens nested deeper than this are typed as text, so that no
  // macro can exhaust the stack.
  static constexpr int kMaxNesting = 100;

 private:
  void SendEvent(Key key, bool up);
  // Performs the token whose inner text is `inner`; false when it is none.
  bool PerformToken(std::string_view inner);

  Keyboard& keyboard_;
  EventLoop& loop_;
  int nesting_ = 0;
};

}  // namespace cvd
