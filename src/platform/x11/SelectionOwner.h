#pragma once
// Owns CLIPBOARD and PRIMARY with a text on an X connection of its own and
// answers requests for it from a thread of its own: the paste sleeps on the
// main thread between its keystrokes, and the target reads the text
// meanwhile.
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct xcb_connection_t;
struct xcb_selection_request_event_t;
struct xcb_property_notify_event_t;

namespace cvd::x11 {

class SelectionOwner {
 public:
  SelectionOwner();
  ~SelectionOwner();
  SelectionOwner(const SelectionOwner&) = delete;
  SelectionOwner& operator=(const SelectionOwner&) = delete;

  bool Ok() const { return connection_ != nullptr; }
  // Takes both selections with `text`; false when the server refused.
  bool Own(const std::string& text);
  // The window that holds the selections while they are ours.
  std::uint32_t Window() const { return window_; }
  // The text last owned (empty after both selections were lost).
  std::string Text() const;

 private:
  using SharedText = std::shared_ptr<const std::string>;
  // A text too big for one request, handed over in pieces.
  struct Transfer {
    std::uint32_t requestor;
    std::uint32_t property;
    std::uint32_t type;
    std::string data;
    std::size_t offset;
    std::int64_t started;
  };

  void Run();
  void Answer(const xcb_selection_request_event_t& request);
  void Lost(std::uint32_t selection);
  void Continue(const xcb_property_notify_event_t& notify);
  void DropTransfers(std::uint32_t window);
  std::uint32_t Atom(const char* name);

  xcb_connection_t* connection_ = nullptr;
  std::uint32_t window_ = 0;
  std::uint32_t clipboard_ = 0, primary_ = 0, targets_ = 0, utf8_ = 0, text_ = 0, incr_ = 0, wake_ = 0;
  std::size_t chunk_ = 0;  // the largest piece one request carries

  mutable std::mutex mutex_;  // guards owned_ and the ownership changes
  SharedText owned_;
  std::vector<Transfer> transfers_;  // the thread's own
  std::thread thread_;
};

}  // namespace cvd::x11
