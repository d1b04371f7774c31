// Drives the paste's selection owner from this thread while its own thread
// answers readers: every read right after an Own() gets that text, also when
// another client had just taken both selections away (the owner's notice of
// the loss arrives after the selections are ours again), and the text goes
// once another client keeps them. Exits non-zero with the first failure.
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>

#include "platform/x11/SelectionOwner.h"

namespace {

xcb_atom_t Intern(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* reply =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
  const xcb_atom_t atom = reply ? reply->atom : XCB_NONE;
  std::free(reply);
  return atom;
}

// Another client on a connection of its own: reads and takes selections.
struct Client {
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  xcb_window_t window = 0;
  xcb_atom_t utf8 = 0, property = 0;

  bool Open() {
    if (xcb_connection_has_error(c)) return false;
    window = xcb_generate_id(c);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, 0, nullptr);
    utf8 = Intern(c, "UTF8_STRING");
    property = Intern(c, "RACE_READ");
    return true;
  }

  // The selection's text; nothing when the owner refused.
  std::optional<std::string> Read(xcb_atom_t selection) {
    xcb_convert_selection(c, window, selection, utf8, property, XCB_CURRENT_TIME);
    xcb_flush(c);
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
      const bool notify = (event->response_type & 0x7F) == XCB_SELECTION_NOTIFY;
      const bool refused = notify && reinterpret_cast<xcb_selection_notify_event_t*>(event)->property == XCB_NONE;
      std::free(event);
      if (!notify) continue;
      if (refused) return std::nullopt;
      xcb_get_property_reply_t* reply =
          xcb_get_property_reply(c, xcb_get_property(c, 1, window, property, XCB_ATOM_ANY, 0, 1 << 20), nullptr);
      if (!reply) return std::nullopt;
      std::string text(static_cast<const char*>(xcb_get_property_value(reply)),
                       static_cast<std::size_t>(xcb_get_property_value_length(reply)));
      std::free(reply);
      return text;
    }
    return std::nullopt;
  }

  // Takes `selection`; returns once the server has done it.
  void Take(xcb_atom_t selection) {
    xcb_set_selection_owner(c, window, selection, XCB_CURRENT_TIME);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
  }
};

int Fail(const std::string& what) {
  std::fprintf(stderr, "FAIL: %s\n", what.c_str());
  return 1;
}

}  // namespace

int main() {
  Client other;
  if (!other.Open()) return Fail("no X display");
  const xcb_atom_t clipboard = Intern(other.c, "CLIPBOARD");
  const xcb_atom_t selections[] = {clipboard, XCB_ATOM_PRIMARY};
  cvd::x11::SelectionOwner owner;
  if (!owner.Ok()) return Fail("the owner has no connection");
  for (int i = 0; i < 300; ++i) {
    const std::string text = "clip " + std::to_string(i);
    if (!owner.Own(text)) return Fail("not owned: " + text);
    if (i % 3 == 1) {
      for (const xcb_atom_t selection : selections) other.Take(selection);
      if (!owner.Own(text)) return Fail("not owned again: " + text);
    }
    for (const xcb_atom_t selection : selections) {
      const std::optional<std::string> read = other.Read(selection);
      if (read != text) return Fail("read " + read.value_or("nothing") + " instead of " + text);
    }
    if (owner.Text() != text) return Fail("the owner holds " + owner.Text() + " instead of " + text);
  }
  for (const xcb_atom_t selection : selections) other.Take(selection);
  for (int wait = 0; !owner.Text().empty(); ++wait) {
    if (wait == 200) return Fail("the text stayed after both selections were lost");
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  xcb_disconnect(other.c);
  std::puts("PASS");
  return 0;
}
