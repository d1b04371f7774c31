#include "platform/x11/X11Keyboard.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <thread>

namespace cvd::x11 {

namespace {

unsigned long KeysymOf(NamedKey key) {
  switch (key) {
    case NamedKey::Tab: return XK_Tab;
    case NamedKey::Return: return XK_Return;
    case NamedKey::Shift: return XK_Shift_L;
    case NamedKey::Control: return XK_Control_L;
    case NamedKey::Alt: return XK_Alt_L;
    case NamedKey::Super: return XK_Super_L;
    case NamedKey::CapsLock: return XK_Caps_Lock;
    case NamedKey::Escape: return XK_Escape;
    case NamedKey::Space: return XK_space;
    case NamedKey::PageUp: return XK_Prior;
    case NamedKey::PageDown: return XK_Next;
    case NamedKey::End: return XK_End;
    case NamedKey::Home: return XK_Home;
    case NamedKey::Left: return XK_Left;
    case NamedKey::Up: return XK_Up;
    case NamedKey::Right: return XK_Right;
    case NamedKey::Down: return XK_Down;
    case NamedKey::Insert: return XK_Insert;
    case NamedKey::LeftShift: return XK_Shift_L;
    case NamedKey::RightShift: return XK_Shift_R;
    case NamedKey::LeftControl: return XK_Control_L;
    case NamedKey::RightControl: return XK_Control_R;
    case NamedKey::LeftAlt: return XK_Alt_L;
    case NamedKey::RightAlt: return XK_Alt_R;
    case NamedKey::LeftSuper: return XK_Super_L;
    case NamedKey::RightSuper: return XK_Super_R;
  }
  return NoSymbol;
}

// The keysym that types a character: Latin-1 keysyms equal their code
// points, others are the code point with the Unicode flag.
unsigned long KeysymOfCharacter(char32_t c) {
  switch (c) {
    case '\r':
    case '\n': return XK_Return;
    case '\t': return XK_Tab;
    case '\b': return XK_BackSpace;
    case 0x1B: return XK_Escape;
    case 0x7F: return XK_Delete;
    default: break;
  }
  if (c < 0x20 || (c >= 0x80 && c < 0xA0) || c > 0x10FFFF) return NoSymbol;
  if (c < 0x100) return c;
  return 0x01000000 | c;
}

// Gives a remapped key time to reach clients before and after its use.
constexpr auto kRemapSettle = std::chrono::milliseconds(20);

}  // namespace

X11Keyboard::X11Keyboard(Display* display) : display_(display) {
  restoreTimer_.setSingleShot(true);
  restoreTimer_.setInterval(500);
  QObject::connect(&restoreTimer_, &QTimer::timeout, [this] { RestoreSpares(); });
  if (!display_) return;
  int event, error, major, minor;
  if (!XTestQueryExtension(display_, &event, &error, &major, &minor)) {
    display_ = nullptr;
    return;
  }
  int minCode = 0, maxCode = 0, perCode = 0;
  XDisplayKeycodes(display_, &minCode, &maxCode);
  KeySym* map = XGetKeyboardMapping(display_, static_cast<KeyCode>(minCode), maxCode - minCode + 1, &perCode);
  if (!map) return;
  for (int code = minCode; code <= maxCode; ++code) {
    bool empty = true;
    for (int i = 0; i < perCode; ++i) {
      if (map[(code - minCode) * perCode + i] != NoSymbol) empty = false;
    }
    if (empty) spares_.push_back(static_cast<unsigned char>(code));
  }
  XFree(map);
}

X11Keyboard::~X11Keyboard() { RestoreSpares(); }

unsigned char X11Keyboard::KeycodeOf(Key key) {
  if (!key.IsNamed()) return static_cast<unsigned char>(key.LayoutCode());
  const unsigned long keysym = KeysymOf(key.Named());
  return keysym == NoSymbol ? 0 : XKeysymToKeycode(display_, keysym);
}

void X11Keyboard::SendKeyEvent(Key key, bool up) {
  if (!display_) return;
  const unsigned char code = KeycodeOf(key);
  if (code == 0) return;
  XTestFakeKeyEvent(display_, code, up ? False : True, CurrentTime);
  XFlush(display_);
}

std::optional<KeyScan> X11Keyboard::KeyForCharacter(char32_t character) {
  if (!display_) return std::nullopt;
  const unsigned long keysym = KeysymOfCharacter(character);
  if (keysym == NoSymbol) return std::nullopt;
  if (character == '\n') {
    // A line feed is Ctrl+Enter, as keyboard layouts have always typed it.
    return KeyScan{Key::OfLayout(XKeysymToKeycode(display_, XK_Return)), ssCtrl};
  }
  const KeyCode code = XKeysymToKeycode(display_, keysym);
  if (code != 0) {
    // Plain or shifted level of the first group; other levels need the remap.
    for (int level = 0; level < 2; ++level) {
      if (XkbKeycodeToKeysym(display_, code, 0, level) == keysym) {
        return KeyScan{Key::OfLayout(code), level == 1 ? ssShift : 0};
      }
    }
  }
  return Remap(keysym);
}

std::optional<KeyScan> X11Keyboard::Remap(unsigned long keysym) {
  restoreTimer_.start();
  if (const auto found = remapped_.find(keysym); found != remapped_.end()) {
    return KeyScan{Key::OfLayout(found->second), 0};
  }
  if (spares_.empty()) return std::nullopt;
  const unsigned char code = spares_[nextSpare_++ % spares_.size()];
  for (auto it = remapped_.begin(); it != remapped_.end(); ++it) {
    if (it->second == code) {
      remapped_.erase(it);
      break;
    }
  }
  KeySym symbols[2] = {keysym, keysym};
  XChangeKeyboardMapping(display_, code, 2, symbols, 1);
  XSync(display_, False);
  remapped_[keysym] = code;
  std::this_thread::sleep_for(kRemapSettle);
  return KeyScan{Key::OfLayout(code), 0};
}

void X11Keyboard::RestoreSpares() {
  if (!display_ || remapped_.empty()) return;
  for (const auto& [keysym, code] : remapped_) {
    KeySym none[2] = {NoSymbol, NoSymbol};
    XChangeKeyboardMapping(display_, code, 2, none, 1);
  }
  remapped_.clear();
  XFlush(display_);
}

bool X11Keyboard::CapsLockOn() {
  if (!display_) return false;
  XkbStateRec state{};
  if (XkbGetState(display_, XkbUseCoreKbd, &state) != Success) return false;
  return (state.locked_mods & LockMask) != 0;
}

bool X11Keyboard::IsKeyDown(NamedKey key) {
  if (!display_) return false;
  const unsigned char code = KeycodeOf(key);
  if (code == 0) return false;
  char keys[32];
  XQueryKeymap(display_, keys);
  return (keys[code / 8] >> (code % 8)) & 1;
}

}  // namespace cvd::x11
