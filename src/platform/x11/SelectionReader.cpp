#include "platform/x11/SelectionReader.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <utility>

#include "platform/x11/WindowClass.h"
#include "platform/x11/XErrorTrap.h"

namespace cvd::x11 {

namespace {

using Clock = std::chrono::steady_clock;

// Waits for an event on the window that `match` accepts; false at the deadline.
template <typename Match>
bool WaitForEvent(Display* display, XEvent* event, Clock::time_point deadline, Match match) {
  for (;;) {
    while (XPending(display) > 0) {
      XNextEvent(display, event);
      if (match(*event)) return true;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    pollfd p{ConnectionNumber(display), POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left)) < 0 && errno != EINTR) return false;
  }
}

// Latin-1 (the STRING target) to UTF-8.
std::string Latin1ToUtf8(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (unsigned char c : text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

// Reads and deletes a property in pieces; its type comes back in `type`.
bool ReadProperty(Display* display, ::Window window, Atom property, std::string* data, Atom* type) {
  long offset = 0;
  for (;;) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* bytes = nullptr;
    if (XGetWindowProperty(display, window, property, offset, 1 << 20, False, AnyPropertyType, &actualType, &format,
                           &count, &after, &bytes) != Success) {
      return false;
    }
    *type = actualType;
    if (bytes) {
      const std::size_t size = count * static_cast<std::size_t>(format == 32 ? sizeof(long) : format / 8);
      data->append(reinterpret_cast<const char*>(bytes), size);
      XFree(bytes);
    }
    if (after == 0) break;
    offset = static_cast<long>(data->size() / 4);  // offsets count 32-bit units
  }
  XDeleteProperty(display, window, property);
  return true;
}

}  // namespace

SelectionReader::SelectionReader() {
  display_ = XOpenDisplay(nullptr);
  if (!display_) return;
  window_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), -10, -10, 1, 1, 0, 0, 0);
  XSelectInput(display_, window_, PropertyChangeMask);
}

SelectionReader::~SelectionReader() {
  if (display_) {
    XDestroyWindow(display_, window_);
    XCloseDisplay(display_);
  }
}

std::uint64_t SelectionReader::ClipboardOwner() {
  if (!display_) return 0;
  return XGetSelectionOwner(display_, XInternAtom(display_, "CLIPBOARD", False));
}

std::optional<std::string> SelectionReader::ClipboardText(int timeoutMs) {
  if (!display_) return std::nullopt;
  const ::Window owner = ClipboardOwner();
  if (owner == None) return std::nullopt;
  // An owner that let the TARGETS request run out would only make us wait
  // as long again: the window must not freeze twice for one copy.
  if (std::exchange(silentOwner_, None) == owner) return std::nullopt;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  if (auto text = Convert(XInternAtom(display_, "UTF8_STRING", False), timeoutMs)) return text;
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  if (left <= 0) return std::nullopt;
  if (auto text = Convert(XA_STRING, static_cast<int>(left))) return Latin1ToUtf8(*text);
  return std::nullopt;
}

std::vector<std::string> SelectionReader::ClipboardTargets(int timeoutMs) {
  // Without an owner the server refuses at once: no need to ask first.
  if (!display_) return {};
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  const std::optional<std::string> data = Convert(XInternAtom(display_, "TARGETS", False), timeoutMs, /*anyType=*/true);
  silentOwner_ = !data && Clock::now() >= deadline ? ClipboardOwner() : None;
  if (!data) return {};
  // Format 32 arrives as longs in this client's representation.
  std::vector<unsigned long> atoms(data->size() / sizeof(long));
  for (std::size_t i = 0; i < atoms.size(); ++i) {
    long value = 0;
    data->copy(reinterpret_cast<char*>(&value), sizeof value, i * sizeof value);
    atoms[i] = static_cast<unsigned long>(value);
  }
  return AtomNames(atoms);
}

std::optional<std::string> SelectionReader::ClipboardData(const std::string& target, int timeoutMs) {
  if (!display_ || ClipboardOwner() == None) return std::nullopt;
  return Convert(XInternAtom(display_, target.c_str(), False), timeoutMs, /*anyType=*/true);
}

std::vector<std::string> SelectionReader::AtomNames(const std::vector<unsigned long>& atoms) {
  std::vector<Atom> unknown;
  for (const unsigned long atom : atoms) {
    if (atom != None && !atomNames_.count(atom) && std::find(unknown.begin(), unknown.end(), atom) == unknown.end()) {
      unknown.push_back(atom);
    }
  }
  if (!unknown.empty()) {
    // One round trip for all new names; a bad atom fails the whole request.
    XErrorTrap trap(display_);
    std::vector<char*> names(unknown.size(), nullptr);
    if (XGetAtomNames(display_, unknown.data(), static_cast<int>(unknown.size()), names.data())) {
      for (std::size_t i = 0; i < unknown.size(); ++i) atomNames_[unknown[i]] = names[i] ? names[i] : "";
    }
    for (char* name : names) {
      if (name) XFree(name);
    }
  }
  std::vector<std::string> result;
  for (const unsigned long atom : atoms) {
    const auto found = atomNames_.find(atom);
    if (found != atomNames_.end() && !found->second.empty()) result.push_back(found->second);
  }
  return result;
}

std::vector<std::string> SelectionReader::ClipboardOwnerClasses() {
  if (!display_) return {};
  const ::Window owner = ClipboardOwner();
  if (owner == None) return {};
  XErrorTrap trap(display_);  // the owner may be gone by now
  std::vector<std::string> parts = WindowClassParts(display_, owner);
  if (!parts.empty()) return parts;
  // Toolkits own the selection with a hidden window; the client leader is
  // the program's own window that names it.
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* bytes = nullptr;
  ::Window leader = None;
  if (XGetWindowProperty(display_, owner, XInternAtom(display_, "WM_CLIENT_LEADER", False), 0, 1, False, XA_WINDOW,
                         &type, &format, &count, &after, &bytes) == Success &&
      bytes) {
    if (type == XA_WINDOW && format == 32 && count == 1) leader = *reinterpret_cast<::Window*>(bytes);
    XFree(bytes);
  }
  if (leader != None && leader != owner) parts = WindowClassParts(display_, leader);
  return parts;
}

std::optional<std::string> SelectionReader::Convert(unsigned long target, int timeoutMs, bool anyType) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  const Atom clipboard = XInternAtom(display_, "CLIPBOARD", False);
  const Atom property = XInternAtom(display_, "CVD_SELECTION", False);
  const Atom incr = XInternAtom(display_, "INCR", False);
  XDeleteProperty(display_, window_, property);
  XConvertSelection(display_, clipboard, target, property, window_, CurrentTime);
  XFlush(display_);

  XEvent event;
  if (!WaitForEvent(display_, &event, deadline,
                    [&](const XEvent& e) { return e.type == SelectionNotify && e.xselection.requestor == window_; })) {
    return std::nullopt;
  }
  if (event.xselection.property == None) return std::nullopt;  // no text on offer

  std::string data;
  Atom type = None;
  if (!ReadProperty(display_, window_, property, &data, &type)) return std::nullopt;
  if (type != incr) {
    if (type != target && !anyType) return std::nullopt;
    return data;
  }
  // Large texts come in pieces: each new value of the property is the next
  // piece, an empty one ends the transfer. The time limit applies to each
  // piece, so a long text that keeps arriving is read whole.
  std::string text;
  for (;;) {
    const auto pieceDeadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    if (!WaitForEvent(display_, &event, pieceDeadline, [&](const XEvent& e) {
          return e.type == PropertyNotify && e.xproperty.window == window_ && e.xproperty.atom == property &&
                 e.xproperty.state == PropertyNewValue;
        })) {
      return std::nullopt;
    }
    std::string piece;
    if (!ReadProperty(display_, window_, property, &piece, &type)) return std::nullopt;
    if (piece.empty()) break;
    text += piece;
  }
  return text;
}

}  // namespace cvd::x11
