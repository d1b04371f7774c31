#include "platform/x11/X11Hotkeys.h"

#include <X11/keysym.h>
#include <xcb/xcb.h>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>

#include <cstdlib>
#include <memory>
#include <vector>

namespace cvd::x11 {

namespace {

template <typename T>
struct FreeDeleter {
  void operator()(T* p) const { std::free(p); }
};
template <typename T>
using XcbReply = std::unique_ptr<T, FreeDeleter<T>>;

std::uint32_t KeysymOf(const Shortcut& shortcut) {
  const char c = shortcut.character;
  if (c >= 'A' && c <= 'Z') return XK_a + (c - 'A');
  if (c >= '0' && c <= '9') return XK_0 + (c - '0');
  if (c == 0 && shortcut.functionKey >= 1 && shortcut.functionKey <= 12) return XK_F1 + (shortcut.functionKey - 1);
  return 0;
}

std::uint16_t MaskOf(const Shortcut& shortcut) {
  std::uint16_t mask = 0;
  if (shortcut.alt) mask |= XCB_MOD_MASK_1;
  if (shortcut.ctrl) mask |= XCB_MOD_MASK_CONTROL;
  if (shortcut.shift) mask |= XCB_MOD_MASK_SHIFT;
  if (shortcut.super) mask |= XCB_MOD_MASK_4;
  return mask;
}

constexpr std::uint16_t kKeyModifierMasks = XCB_MOD_MASK_1 | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_4;

}  // namespace

X11Hotkeys::X11Hotkeys() {
  auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11 || !x11->connection()) return;
  connection_ = x11->connection();
  const xcb_setup_t* setup = xcb_get_setup(connection_);
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(setup);
  if (screens.rem == 0) {
    connection_ = nullptr;
    return;
  }
  root_ = screens.data->root;
  numLockMask_ = NumLockMask();
  QCoreApplication::instance()->installNativeEventFilter(this);
}

X11Hotkeys::~X11Hotkeys() {
  if (!connection_) return;
  QCoreApplication::instance()->removeNativeEventFilter(this);
  for (const auto& [id, grab] : grabs_) UngrabVariants(grab.keycode, grab.mask);
  xcb_flush(connection_);
}

std::uint8_t X11Hotkeys::KeycodeOf(const Shortcut& shortcut) const {
  const std::uint32_t keysym = KeysymOf(shortcut);
  return keysym == 0 ? 0 : KeycodeOfKeysym(keysym);
}

std::uint8_t X11Hotkeys::KeycodeOfKeysym(std::uint32_t keysym) const {
  // Read afresh: the keyboard mapping changes while the program runs.
  const xcb_setup_t* setup = xcb_get_setup(connection_);
  const int first = setup->min_keycode;
  const int count = setup->max_keycode - first + 1;
  XcbReply<xcb_get_keyboard_mapping_reply_t> reply(xcb_get_keyboard_mapping_reply(
      connection_, xcb_get_keyboard_mapping(connection_, setup->min_keycode, static_cast<std::uint8_t>(count)),
      nullptr));
  if (!reply) return 0;
  const int perCode = reply->keysyms_per_keycode;
  const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(reply.get());
  // The unshifted level first, then any level.
  for (int level = 0; level < perCode; ++level) {
    for (int code = 0; code < count; ++code) {
      if (keysyms[code * perCode + level] == keysym) return static_cast<std::uint8_t>(first + code);
    }
  }
  return 0;
}

std::uint16_t X11Hotkeys::NumLockMask() const {
  const std::uint8_t numLock = KeycodeOfKeysym(XK_Num_Lock);
  if (numLock == 0) return 0;
  XcbReply<xcb_get_modifier_mapping_reply_t> reply(
      xcb_get_modifier_mapping_reply(connection_, xcb_get_modifier_mapping(connection_), nullptr));
  if (!reply) return 0;
  const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(reply.get());
  const int perModifier = reply->keycodes_per_modifier;
  for (int modifier = 0; modifier < 8; ++modifier) {
    for (int k = 0; k < perModifier; ++k) {
      if (codes[modifier * perModifier + k] == numLock) return static_cast<std::uint16_t>(1u << modifier);
    }
  }
  return 0;
}

bool X11Hotkeys::GrabVariants(std::uint8_t keycode, std::uint16_t mask) {
  std::vector<std::uint16_t> variants{0, XCB_MOD_MASK_LOCK};
  if (numLockMask_ != 0) {
    variants.push_back(numLockMask_);
    variants.push_back(static_cast<std::uint16_t>(numLockMask_ | XCB_MOD_MASK_LOCK));
  }
  std::vector<std::uint16_t> taken;
  for (const std::uint16_t variant : variants) {
    const std::uint16_t modifiers = mask | variant;
    const xcb_void_cookie_t cookie =
        xcb_grab_key_checked(connection_, 0, root_, modifiers, keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    if (xcb_generic_error_t* error = xcb_request_check(connection_, cookie)) {
      // BadAccess: another client holds this combination.
      std::free(error);
      for (const std::uint16_t done : taken) xcb_ungrab_key(connection_, keycode, root_, done);
      xcb_flush(connection_);
      return false;
    }
    taken.push_back(modifiers);
  }
  return true;
}

void X11Hotkeys::UngrabVariants(std::uint8_t keycode, std::uint16_t mask) {
  if (keycode == 0) return;  // 0 would be AnyKey
  for (const std::uint16_t variant : {std::uint16_t{0}, std::uint16_t{XCB_MOD_MASK_LOCK}, numLockMask_,
                                      static_cast<std::uint16_t>(numLockMask_ | XCB_MOD_MASK_LOCK)}) {
    xcb_ungrab_key(connection_, keycode, root_, static_cast<std::uint16_t>(mask | variant));
  }
}

bool X11Hotkeys::Register(int id, const Shortcut& shortcut) {
  if (!connection_) return false;
  Unregister(id);
  const std::uint8_t keycode = KeycodeOf(shortcut);
  const std::uint16_t mask = MaskOf(shortcut);
  // A key the keyboard has no key for is held by no one; it is taken when a
  // mapping change brings it.
  if (keycode != 0 && !GrabVariants(keycode, mask)) return false;
  grabs_[id] = Grab{shortcut, keycode, mask};
  return true;
}

void X11Hotkeys::Unregister(int id) {
  const auto found = grabs_.find(id);
  if (found == grabs_.end() || !connection_) return;
  UngrabVariants(found->second.keycode, found->second.mask);
  xcb_flush(connection_);
  grabs_.erase(found);
}

void X11Hotkeys::RenewGrabs() {
  // Released with the old Num Lock modifier, taken again with the new one.
  const std::uint16_t numLock = NumLockMask();
  std::map<int, std::uint8_t> keycodes;
  for (const auto& [id, grab] : grabs_) {
    keycodes[id] = KeycodeOf(grab.shortcut);
    if (keycodes[id] != grab.keycode || numLock != numLockMask_) UngrabVariants(grab.keycode, grab.mask);
  }
  const bool numLockChanged = numLock != numLockMask_;
  numLockMask_ = numLock;
  for (auto& [id, grab] : grabs_) {
    if (keycodes[id] == grab.keycode && !numLockChanged) continue;
    grab.keycode = keycodes[id];
    // A key now held elsewhere stays untaken until the next change.
    if (grab.keycode != 0 && !GrabVariants(grab.keycode, grab.mask)) grab.keycode = 0;
  }
  xcb_flush(connection_);
}

bool X11Hotkeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t") return false;
  auto* event = static_cast<xcb_generic_event_t*>(message);
  const std::uint8_t type = event->response_type & 0x7F;
  if (type == XCB_MAPPING_NOTIFY) {
    QTimer::singleShot(0, [this] { RenewGrabs(); });
    return false;
  }
  if (type != XCB_KEY_PRESS) return false;
  auto* press = reinterpret_cast<xcb_key_press_event_t*>(event);
  if (press->event != root_) return false;
  const std::uint16_t state = press->state & kKeyModifierMasks;
  for (const auto& [id, grab] : grabs_) {
    if (grab.keycode != press->detail || grab.mask != state) continue;
    // The grab that delivered this press holds the whole keyboard until the
    // key goes up; the keys a paste synthesises must reach the focused
    // window, not come back here.
    xcb_ungrab_keyboard(connection_, press->time);
    xcb_flush(connection_);
    const int pressed = id;
    QTimer::singleShot(0, [this, pressed] {
      if (handler_) handler_(pressed);
    });
    return true;
  }
  return false;
}

}  // namespace cvd::x11
