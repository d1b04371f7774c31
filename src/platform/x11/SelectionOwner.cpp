#include "platform/x11/SelectionOwner.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>

namespace cvd::x11 {

namespace {

constexpr std::size_t kLargestPiece = 256 * 1024;  // bigger texts go in pieces
constexpr std::int64_t kTransferLifeS = 30;        // a reader gone quiet is dropped

std::int64_t NowS() {
  return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// UTF-8 to Latin-1 (the STRING target); what Latin-1 lacks becomes '?'.
std::string Utf8ToLatin1(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    int length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
    if (i + length > text.size()) length = 1;
    if (length == 2 && c >= 0xC2 && c <= 0xC3) {
      out += static_cast<char>(((c & 0x1F) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F));
    } else {
      out += c < 0x80 ? static_cast<char>(c) : '?';
    }
    i += length;
  }
  return out;
}

void Flush(xcb_connection_t* connection) { xcb_flush(connection); }

}  // namespace

SelectionOwner::SelectionOwner() {
  int screenNumber = 0;
  connection_ = xcb_connect(nullptr, &screenNumber);
  if (xcb_connection_has_error(connection_)) {
    xcb_disconnect(connection_);
    connection_ = nullptr;
    return;
  }
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
  for (int i = 0; i < screenNumber && screens.rem > 1; ++i) xcb_screen_next(&screens);
  window_ = xcb_generate_id(connection_);
  xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, screens.data->root, -10, -10, 1, 1, 0,
                    XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
  clipboard_ = Atom("CLIPBOARD");
  primary_ = XCB_ATOM_PRIMARY;
  targets_ = Atom("TARGETS");
  utf8_ = Atom("UTF8_STRING");
  text_ = Atom("TEXT");
  incr_ = Atom("INCR");
  wake_ = Atom("CVD_OWNER_STOP");
  // Room for the request's own header besides the data.
  const std::size_t largestRequest = std::size_t{xcb_get_maximum_request_length(connection_)} * 4;
  chunk_ = std::min(kLargestPiece, largestRequest - 64);
  thread_ = std::thread([this] { Run(); });
}

SelectionOwner::~SelectionOwner() {
  if (!connection_) return;
  // A message to our own window ends the thread's wait.
  char buffer[32] = {};
  auto* stop = reinterpret_cast<xcb_client_message_event_t*>(buffer);
  stop->response_type = XCB_CLIENT_MESSAGE;
  stop->format = 32;
  stop->window = window_;
  stop->type = wake_;
  xcb_send_event(connection_, 0, window_, XCB_EVENT_MASK_NO_EVENT, buffer);
  Flush(connection_);
  thread_.join();
  xcb_destroy_window(connection_, window_);
  xcb_disconnect(connection_);
}

std::uint32_t SelectionOwner::Atom(const char* name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection_, xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
  const std::uint32_t atom = reply ? reply->atom : XCB_NONE;
  std::free(reply);
  return atom;
}

bool SelectionOwner::Own(const std::string& text) {
  if (!connection_) return false;
  auto shared = std::make_shared<const std::string>(text);
  std::lock_guard lock(mutex_);
  owned_ = std::move(shared);
  xcb_set_selection_owner(connection_, window_, clipboard_, XCB_CURRENT_TIME);
  xcb_set_selection_owner(connection_, window_, primary_, XCB_CURRENT_TIME);
  // The answer also makes sure the server took ownership before the
  // keystroke that makes the target ask.
  xcb_get_selection_owner_reply_t* reply =
      xcb_get_selection_owner_reply(connection_, xcb_get_selection_owner(connection_, clipboard_), nullptr);
  const bool ok = reply && reply->owner == window_;
  std::free(reply);
  return ok;
}

std::string SelectionOwner::Text() const {
  std::lock_guard lock(mutex_);
  return owned_ ? *owned_ : std::string();
}

void SelectionOwner::Run() {
  while (xcb_generic_event_t* event = xcb_wait_for_event(connection_)) {
    const std::uint8_t type = event->response_type & 0x7F;
    if (type == 0) {
      // A reader's window went away during a transfer.
      DropTransfers(reinterpret_cast<xcb_generic_error_t*>(event)->resource_id);
    } else if (type == XCB_SELECTION_REQUEST) {
      Answer(*reinterpret_cast<xcb_selection_request_event_t*>(event));
    } else if (type == XCB_SELECTION_CLEAR) {
      Lost(reinterpret_cast<xcb_selection_clear_event_t*>(event)->selection);
    } else if (type == XCB_PROPERTY_NOTIFY) {
      Continue(*reinterpret_cast<xcb_property_notify_event_t*>(event));
    } else if (type == XCB_CLIENT_MESSAGE) {
      const auto* message = reinterpret_cast<xcb_client_message_event_t*>(event);
      if (message->window == window_ && message->type == wake_) {
        std::free(event);
        return;
      }
    }
    std::free(event);
  }
}

void SelectionOwner::Answer(const xcb_selection_request_event_t& request) {
  SharedText text;
  {
    std::lock_guard lock(mutex_);
    text = owned_;
  }
  // Old clients leave the property out: the target names it then.
  const std::uint32_t property = request.property != XCB_NONE ? request.property : request.target;
  const bool ours =
      text && request.owner == window_ && (request.selection == clipboard_ || request.selection == primary_);
  bool answered = false;
  if (ours && request.target == targets_) {
    const std::uint32_t targets[] = {targets_, utf8_, XCB_ATOM_STRING, text_};
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_ATOM, 32, 4, targets);
    answered = true;
  } else if (ours && (request.target == utf8_ || request.target == text_ || request.target == XCB_ATOM_STRING)) {
    const bool latin1 = request.target == XCB_ATOM_STRING;
    const std::uint32_t type = latin1 ? std::uint32_t{XCB_ATOM_STRING} : utf8_;
    std::string data = latin1 ? Utf8ToLatin1(*text) : *text;
    if (data.size() <= chunk_) {
      xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, request.requestor, property, type, 8,
                          static_cast<std::uint32_t>(data.size()), data.data());
    } else {
      // Too big for one request: announce the size, then hand a piece over
      // each time the reader deletes the property.
      const std::int64_t now = NowS();
      std::erase_if(transfers_, [&](const Transfer& t) { return now - t.started > kTransferLifeS; });
      const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
      xcb_change_window_attributes(connection_, request.requestor, XCB_CW_EVENT_MASK, &mask);
      const auto size = static_cast<std::uint32_t>(data.size());
      xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, request.requestor, property, incr_, 32, 1, &size);
      transfers_.push_back({request.requestor, property, type, std::move(data), 0, now});
    }
    answered = true;
  }
  char buffer[32] = {};  // events are sent as 32 bytes
  auto* notify = reinterpret_cast<xcb_selection_notify_event_t*>(buffer);
  notify->response_type = XCB_SELECTION_NOTIFY;
  notify->time = request.time;
  notify->requestor = request.requestor;
  notify->selection = request.selection;
  notify->target = request.target;
  notify->property = answered ? property : std::uint32_t{XCB_NONE};
  xcb_send_event(connection_, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, buffer);
  Flush(connection_);
}

void SelectionOwner::Continue(const xcb_property_notify_event_t& notify) {
  if (notify.state != XCB_PROPERTY_DELETE) return;
  const auto it = std::find_if(transfers_.begin(), transfers_.end(), [&](const Transfer& t) {
    return t.requestor == notify.window && t.property == notify.atom;
  });
  if (it == transfers_.end()) return;
  // The last piece is empty: it tells the reader that the text is complete.
  const std::size_t length = std::min(chunk_, it->data.size() - it->offset);
  xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, it->requestor, it->property, it->type, 8,
                      static_cast<std::uint32_t>(length), it->data.data() + it->offset);
  it->offset += length;
  if (length == 0) {
    const std::uint32_t requestor = it->requestor;
    transfers_.erase(it);
    if (std::none_of(transfers_.begin(), transfers_.end(),
                     [&](const Transfer& t) { return t.requestor == requestor; })) {
      const std::uint32_t none = XCB_EVENT_MASK_NO_EVENT;
      xcb_change_window_attributes(connection_, requestor, XCB_CW_EVENT_MASK, &none);
    }
  }
  Flush(connection_);
}

void SelectionOwner::DropTransfers(std::uint32_t window) {
  std::erase_if(transfers_, [&](const Transfer& t) { return t.requestor == window; });
}

void SelectionOwner::Lost(std::uint32_t selection) {
  if (selection != clipboard_ && selection != primary_) return;
  std::lock_guard lock(mutex_);
  // Ownership may have been taken again since this notice was sent; the
  // text goes only once neither selection is ours.
  auto clipboardOwner = xcb_get_selection_owner(connection_, clipboard_);
  auto primaryOwner = xcb_get_selection_owner(connection_, primary_);
  xcb_get_selection_owner_reply_t* first = xcb_get_selection_owner_reply(connection_, clipboardOwner, nullptr);
  xcb_get_selection_owner_reply_t* second = xcb_get_selection_owner_reply(connection_, primaryOwner, nullptr);
  const bool stillOurs = (first && first->owner == window_) || (second && second->owner == window_);
  std::free(first);
  std::free(second);
  if (!stillOurs) owned_.reset();
}

}  // namespace cvd::x11
