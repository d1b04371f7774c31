#include "platform/wayland/WaylandKeyboard.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <chrono>
#include <cstring>

#include "core/log/Log.h"
#include "core/paste/UsLayout.h"
#include "platform/wayland/WaylandConnection.h"
#include "virtual-keyboard-unstable-v1-client.h"

namespace cvd::wayland {
namespace {

std::uint32_t NowMs() {
  using namespace std::chrono;
  return static_cast<std::uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace

WaylandKeyboard::WaylandKeyboard(WaylandConnection& connection)
    : connection_(connection), context_(xkb_context_new(XKB_CONTEXT_NO_FLAGS)) {
  const Globals& globals = connection_.Offered();
  keyboard_ = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(globals.virtualKeyboards, globals.seat);
  Upload();
}

WaylandKeyboard::~WaylandKeyboard() {
  // Nothing stays pressed after us.
  for (std::uint32_t code : std::set<std::uint32_t>(held_))
    zwp_virtual_keyboard_v1_key(keyboard_, NowMs(), code - 8, WL_KEYBOARD_KEY_STATE_RELEASED);
  if (!held_.empty()) zwp_virtual_keyboard_v1_modifiers(keyboard_, 0, 0, 0, 0);
  zwp_virtual_keyboard_v1_destroy(keyboard_);
  connection_.Flush();
  if (state_) xkb_state_unref(state_);
  if (xkbKeymap_) xkb_keymap_unref(xkbKeymap_);
  if (context_) xkb_context_unref(context_);
}

bool WaylandKeyboard::Usable(const WaylandConnection& connection) {
  return connection.Offered().seat && connection.Offered().virtualKeyboards;
}

bool WaylandKeyboard::Upload() {
  const std::string& text = keymap_.Text();
  xkb_keymap* compiled = context_ ? xkb_keymap_new_from_string(context_, text.c_str(), XKB_KEYMAP_FORMAT_TEXT_V1,
                                                               XKB_KEYMAP_COMPILE_NO_FLAGS)
                                  : nullptr;
  if (!compiled) {
    LogWarning("wayland", "the virtual keyboard's keymap does not compile; keys are not sent");
    return false;
  }
  const int fd = memfd_create("corvinade-keymap", MFD_CLOEXEC);
  const std::size_t size = text.size() + 1;  // with its terminating zero
  if (fd < 0 || write(fd, text.c_str(), size) != static_cast<ssize_t>(size)) {
    if (fd >= 0) close(fd);
    xkb_keymap_unref(compiled);
    LogWarning("wayland", std::string("the virtual keyboard's keymap cannot be handed over: ") + std::strerror(errno));
    return false;
  }
  zwp_virtual_keyboard_v1_keymap(keyboard_, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, static_cast<std::uint32_t>(size));
  close(fd);
  // The new keymap starts with no modifiers: those held are held again.
  if (state_) xkb_state_unref(state_);
  if (xkbKeymap_) xkb_keymap_unref(xkbKeymap_);
  xkbKeymap_ = compiled;
  state_ = xkb_state_new(xkbKeymap_);
  for (std::uint32_t code : held_) xkb_state_update_key(state_, code, XKB_KEY_DOWN);
  zwp_virtual_keyboard_v1_modifiers(keyboard_, xkb_state_serialize_mods(state_, XKB_STATE_MODS_DEPRESSED),
                                    xkb_state_serialize_mods(state_, XKB_STATE_MODS_LATCHED),
                                    xkb_state_serialize_mods(state_, XKB_STATE_MODS_LOCKED), 0);
  uploaded_ = keymap_.Version();
  return true;
}

void WaylandKeyboard::SendKeyEvent(Key key, bool up) {
  const std::uint32_t code = keymap_.KeycodeOf(key);
  if (code == 0) {
    LogWarning("wayland", "no key of the virtual keyboard types " + UsKeyName(key));
    return;
  }
  if (uploaded_ != keymap_.Version() && !Upload()) return;
  if (up ? !held_.erase(code) : !held_.insert(code).second) {
    // A release of a key not held, or a second press: the state stays right.
    if (up) return;
  }
  zwp_virtual_keyboard_v1_key(keyboard_, NowMs(), code - 8,
                              up ? WL_KEYBOARD_KEY_STATE_RELEASED : WL_KEYBOARD_KEY_STATE_PRESSED);
  const xkb_state_component changed = xkb_state_update_key(state_, code, up ? XKB_KEY_UP : XKB_KEY_DOWN);
  if (changed & (XKB_STATE_MODS_DEPRESSED | XKB_STATE_MODS_LATCHED | XKB_STATE_MODS_LOCKED)) {
    zwp_virtual_keyboard_v1_modifiers(keyboard_, xkb_state_serialize_mods(state_, XKB_STATE_MODS_DEPRESSED),
                                      xkb_state_serialize_mods(state_, XKB_STATE_MODS_LATCHED),
                                      xkb_state_serialize_mods(state_, XKB_STATE_MODS_LOCKED), 0);
  }
  connection_.Flush();
}

std::optional<KeyScan> WaylandKeyboard::KeyForCharacter(char32_t character) { return UsLayoutKey(character); }

bool WaylandKeyboard::CapsLockOn() {
  return state_ && xkb_state_mod_name_is_active(state_, XKB_MOD_NAME_CAPS, XKB_STATE_MODS_LOCKED) > 0;
}

bool WaylandKeyboard::IsKeyDown(NamedKey key) { return held_.count(keymap_.KeycodeOf(key)) > 0; }

}  // namespace cvd::wayland
