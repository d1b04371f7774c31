#pragma once
// Holds the clipboard and the primary selection with a text through
// data-control sources, on a compositor connection and thread of its own:
// the paste sleeps on the main thread between its keystrokes, and the
// target reads the text meanwhile.
#include <condition_variable>
#include <cstdint>
#include <ctime>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/wayland/WaylandGlobals.h"

struct zwlr_data_control_device_v1;
struct zwlr_data_control_offer_v1;
struct zwlr_data_control_source_v1;

namespace cvd::wayland {

class DataControlOwner {
 public:
  DataControlOwner();
  ~DataControlOwner();
  DataControlOwner(const DataControlOwner&) = delete;
  DataControlOwner& operator=(const DataControlOwner&) = delete;

  // Connected, with a seat and a data-control manager.
  bool Ok() const { return display_ != nullptr; }
  // Puts `text` on both selections and returns once the compositor has
  // them; false when it did not answer within a second.
  bool Own(const std::string& text);
  // The text last owned (empty after both selections were taken over).
  std::string Text() const;

 private:
  using SharedText = std::shared_ptr<const std::string>;
  // A text on its way into one reader's pipe.
  struct Transfer {
    int fd;
    SharedText text;
    std::size_t offset;
    std::time_t lastProgress;
  };
  enum Which { kClipboard = 0, kPrimary = 1 };

  void Run();
  void TakeSelections();
  void Write(Transfer& transfer);
  static void OnDataOffer(void* data, zwlr_data_control_device_v1* device, zwlr_data_control_offer_v1* offer);
  static void OnSelection(void* data, zwlr_data_control_device_v1* device, zwlr_data_control_offer_v1* offer);
  static void OnSend(void* data, zwlr_data_control_source_v1* source, const char* type, std::int32_t fd);
  static void OnCancelled(void* data, zwlr_data_control_source_v1* source);

  wl_display* display_ = nullptr;
  wl_registry* registry_ = nullptr;
  Globals globals_;
  zwlr_data_control_device_v1* device_ = nullptr;
  int wake_ = -1;  // eventfd: a new text or the end

  mutable std::mutex mutex_;  // guards everything below up to the thread's own state
  std::condition_variable answered_;
  SharedText wanted_;  // the text Own asked for, not yet taken
  std::uint64_t asked_ = 0, done_ = 0;
  SharedText owned_;
  bool stopping_ = false;

  zwlr_data_control_source_v1* sources_[2] = {nullptr, nullptr};  // the thread's own
  std::vector<zwlr_data_control_offer_v1*> announced_;            // offers not yet named by a selection
  SharedText served_;
  std::vector<Transfer> transfers_;
  std::thread thread_;
};

}  // namespace cvd::wayland
