#include "core/paste/KeyMacroSender.h"

#include <charconv>
#include <utility>

#include "core/util/Text.h"

namespace cvd {

namespace {

constexpr int kKeyPauseMs = 10;
constexpr int kAltMenuPauseMs = 200;  // menus opened by Alt need time to appear
constexpr int kMaxDelayMs = 10000;

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// The character at `pos` and its length in bytes. A byte that does not
// start a well-formed UTF-8 sequence stands for the Latin-1 character of
// the same value, as in texts from older 8-bit settings.
std::pair<char32_t, std::size_t> DecodeCharacter(std::string_view text, std::size_t pos) {
  const unsigned char lead = static_cast<unsigned char>(text[pos]);
  const std::size_t length = Utf8SequenceLength(lead);
  if (length == 1 || pos + length > text.size()) return {lead, 1};
  char32_t c = lead & (0xFF >> (length + 1));
  for (std::size_t k = 1; k < length; ++k) {
    const unsigned char b = static_cast<unsigned char>(text[pos + k]);
    if (!IsContinuation(b)) return {lead, 1};
    c = (c << 6) | (b & 0x3F);
  }
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {lead, 1};
  return {c, length};
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

}  // namespace

void KeyMacroSender::SendEvent(Key key, bool up) {
  keyboard_.SendKeyEvent(key, up);
  loop_.Sleep(kKeyPauseMs);
}

void KeyMacroSender::SimulateKeyDown(Key key) { SendEvent(key, false); }

void KeyMacroSender::SimulateKeyUp(Key key) { SendEvent(key, true); }

void KeyMacroSender::SimulateKeystroke(Key key) {
  SendEvent(key, false);
  SendEvent(key, true);
}

std::size_t KeyMacroSender::FindEndBracket(std::string_view text) {
  int depth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '{') ++depth;
    if (text[i] == '}') --depth;
    if (depth == 0) return i + 1;
  }
  return text.size();
}

void KeyMacroSender::SendString(std::string_view macro) {
  std::size_t i = 0;
  while (i < macro.size()) {
    if (macro[i] != '{') {
      const auto [character, length] = DecodeCharacter(macro, i);
      SendKey(character);
      i += length;
    } else {
      const std::string_view rest = macro.substr(i);
      const std::size_t end = FindEndBracket(rest);
      // The inner text lies between the "{" and its bracket. When the
      // bracket is missing, the whole last character stands in for it,
      // never a part of a multi-byte one.
      std::size_t innerEnd = end - 1;
      if (rest[end - 1] != '}' && end > 1) {
        std::size_t start = end - 1;
        while (start > 1 && IsContinuation(static_cast<unsigned char>(rest[start]))) --start;
        if (start + DecodeCharacter(rest, start).second == end) innerEnd = start;
      }
      const std::string_view inner = innerEnd > 1 ? rest.substr(1, innerEnd - 1) : std::string_view();
      if (PerformToken(inner)) {
        i += end;
      } else {
        // Not a token: the bracket is typed, and the rest is read on as
        // text, where tokens inside it still work.
        SendKey('{');
        i += 1;
      }
    }
    loop_.ProcessEvents();
  }
}

bool KeyMacroSender::PerformToken(std::string_view inner) {
  const std::string upper = UpperAscii(inner);
  static constexpr struct {
    const char* name;
    NamedKey key;
  } kKeys[] = {
      {"ENTER", NamedKey::Return}, {"TAB", NamedKey::Tab},        {"SPACE", NamedKey::Space},
      {"LEFT", NamedKey::Left},    {"UP", NamedKey::Up},          {"RIGHT", NamedKey::Right},
      {"DOWN", NamedKey::Down},    {"END", NamedKey::End},        {"HOME", NamedKey::Home},
      {"PG UP", NamedKey::PageUp}, {"PG DN", NamedKey::PageDown}, {"INSERT", NamedKey::Insert},
  };
  for (const auto& k : kKeys) {
    if (upper != k.name) continue;
    SimulateKeystroke(k.key);
    return true;
  }
  static constexpr std::string_view kDelay = "DELAY ";
  if (StartsWith(upper, kDelay)) {
    Delay(inner.substr(kDelay.size()));
    return true;
  }
  if (nesting_ >= kMaxNesting) return false;
  static constexpr struct {
    std::string_view prefix;
    NamedKey modifier;
  } kModifiers[] = {
      {"ALT ", NamedKey::Alt}, {"CTRL ", NamedKey::Control}, {"SHIFT ", NamedKey::Shift}, {"WINKEY ", NamedKey::Super}};
  for (const auto& m : kModifiers) {
    if (!StartsWith(upper, m.prefix)) continue;
    SendMacro(m.modifier, inner.substr(m.prefix.size()));
    return true;
  }
  return false;
}

void KeyMacroSender::SendMacro(NamedKey modifier, std::string_view inner) {
  bool* flag = modifier == NamedKey::Control ? &CtrlHeld
               : modifier == NamedKey::Alt   ? &AltHeld
               : modifier == NamedKey::Shift ? &ShiftHeld
                                             : nullptr;  // the Super key has no flag
  SimulateKeyDown(modifier);
  if (flag) *flag = true;
  if (AltHeld) loop_.Sleep(kAltMenuPauseMs);
  ++nesting_;
  SendString(inner);
  --nesting_;
  SimulateKeyUp(modifier);
  // Cleared even when an enclosing token of the same modifier still holds it.
  if (flag) *flag = false;
}

void KeyMacroSender::SendKey(char32_t character) {
  const std::optional<KeyScan> scan = keyboard_.KeyForCharacter(character);
  if (!scan) return;
  const bool capsLock = keyboard_.CapsLockOn();
  const bool shift = (scan->shiftState & ssShift) && !ShiftHeld;
  const bool ctrl = (scan->shiftState & ssCtrl) && !CtrlHeld;
  const bool alt = (scan->shiftState & ssAlt) && !AltHeld;
  if (shift) SimulateKeyDown(NamedKey::Shift);
  if (ctrl) SimulateKeyDown(NamedKey::Control);
  if (alt) SimulateKeyDown(NamedKey::Alt);
  if (capsLock) SimulateKeystroke(NamedKey::CapsLock);  // off, so the character comes out as itself
  SimulateKeystroke(scan->key);
  if (shift) SimulateKeyUp(NamedKey::Shift);
  if (ctrl) SimulateKeyUp(NamedKey::Control);
  if (alt) SimulateKeyUp(NamedKey::Alt);
  if (capsLock) SimulateKeystroke(NamedKey::CapsLock);  // and on again
}

int KeyMacroSender::DelayMilliseconds(std::string_view argument) {
  // A whole decimal number, optionally signed, after any leading blanks.
  std::size_t start = argument.find_first_not_of(' ');
  if (start == std::string_view::npos) return 1;
  if (argument[start] == '+' && start + 1 < argument.size() && argument[start + 1] != '-') ++start;
  int value = 0;
  const char* first = argument.data() + start;
  const char* last = argument.data() + argument.size();
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last) return 1;
  if (value > kMaxDelayMs) return 1;
  return value;
}

void KeyMacroSender::Delay(std::string_view argument) { SleepWithBreak(DelayMilliseconds(argument)); }

void KeyMacroSender::SleepWithBreak(int ms) {
  if (ms < 0) return;  // a negative delay must not become an endless one
  for (int slice = 0; slice < ms / 10 + 1; ++slice) {
    loop_.Sleep(10);
    loop_.ProcessEvents();
  }
  if (ms % 10 > 0) loop_.Sleep(ms % 10);
}

void KeyMacroSender::SendPasteKeystroke(int pasteKeyMode) {
  if (pasteKeyMode != 0) {
    SimulateKeyDown(NamedKey::Shift);
    SimulateKeystroke(NamedKey::Insert);
    SimulateKeyUp(NamedKey::Shift);
    return;
  }
  SimulateKeyDown(NamedKey::Control);
  if (const std::optional<KeyScan> v = keyboard_.KeyForCharacter(U'v')) SimulateKeystroke(v->key);
  SimulateKeyUp(NamedKey::Control);
}

}  // namespace cvd
