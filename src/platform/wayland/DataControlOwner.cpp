#include "platform/wayland/DataControlOwner.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>
#include <wayland-client.h>
#include <csignal>

#include <cerrno>
#include <chrono>

#include "core/log/Log.h"
#include "platform/wayland/TextTypes.h"
#include "wlr-data-control-unstable-v1-client.h"

namespace cvd::wayland {
namespace {

// A reader that takes nothing for this long is given up.
constexpr std::time_t kStalledSeconds = 10;

}  // namespace

DataControlOwner::DataControlOwner() {
  wl_display* display = wl_display_connect(nullptr);
  if (!display) return;
  BindGlobals(display, registry_, globals_, Bind::ClipboardOnly);
  if (!globals_.seat || !globals_.dataControl) {
    DestroyGlobals(registry_, globals_);
    wl_display_disconnect(display);
    return;
  }
  device_ = zwlr_data_control_manager_v1_get_data_device(globals_.dataControl, globals_.seat);
  static const zwlr_data_control_device_v1_listener listener = {
      .data_offer = OnDataOffer,
      .selection = OnSelection,
      .finished = [](void*, zwlr_data_control_device_v1*) {},
      .primary_selection = OnSelection,
  };
  zwlr_data_control_device_v1_add_listener(device_, &listener, this);
  wl_display_roundtrip(display);
  wake_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  display_ = display;
  thread_ = std::thread([this] { Run(); });
}

DataControlOwner::~DataControlOwner() {
  if (!display_) return;
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  const std::uint64_t one = 1;
  (void)!write(wake_, &one, sizeof one);
  thread_.join();
  // Events read but not yet handed out would keep the offers they announce.
  wl_display_dispatch_pending(display_);
  for (auto* offer : announced_) zwlr_data_control_offer_v1_destroy(offer);
  for (Transfer& transfer : transfers_) close(transfer.fd);
  for (auto*& source : sources_)
    if (source) zwlr_data_control_source_v1_destroy(source);
  zwlr_data_control_device_v1_destroy(device_);
  DestroyGlobals(registry_, globals_);
  wl_display_flush(display_);
  wl_display_disconnect(display_);
  close(wake_);
}

bool DataControlOwner::Own(const std::string& text) {
  if (!display_) return false;
  std::unique_lock lock(mutex_);
  if (stopping_) return false;  // the connection broke, or the owner ends
  wanted_ = std::make_shared<const std::string>(text);
  const std::uint64_t ticket = ++asked_;
  const std::uint64_t one = 1;
  (void)!write(wake_, &one, sizeof one);
  if (answered_.wait_for(lock, std::chrono::seconds(1), [&] { return done_ >= ticket || stopping_; }) && !stopping_)
    return true;
  LogWarning("wayland", "the compositor did not take the paste's text within a second");
  return false;
}

std::string DataControlOwner::Text() const {
  std::lock_guard lock(mutex_);
  return owned_ ? *owned_ : std::string();
}

void DataControlOwner::TakeSelections() {
  SharedText text;
  std::uint64_t ticket = 0;
  {
    std::lock_guard lock(mutex_);
    text = std::move(wanted_);
    wanted_.reset();
    ticket = asked_;
  }
  if (!text) return;
  served_ = text;
  for (int which : {kClipboard, kPrimary}) {
    zwlr_data_control_source_v1* source = zwlr_data_control_manager_v1_create_data_source(globals_.dataControl);
    static const zwlr_data_control_source_v1_listener listener = {.send = OnSend, .cancelled = OnCancelled};
    zwlr_data_control_source_v1_add_listener(source, &listener, this);
    for (const std::string& type : OfferedTextTypes()) zwlr_data_control_source_v1_offer(source, type.c_str());
    if (which == kClipboard)
      zwlr_data_control_device_v1_set_selection(device_, source);
    else
      zwlr_data_control_device_v1_set_primary_selection(device_, source);
    // The compositor cancels the source this one replaces.
    sources_[which] = source;
  }
  // Once the compositor has handled the requests, a paste key finds the text.
  wl_display_roundtrip(display_);
  std::lock_guard lock(mutex_);
  owned_ = text;
  done_ = ticket;
  answered_.notify_all();
}

void DataControlOwner::OnDataOffer(void* data, zwlr_data_control_device_v1*, zwlr_data_control_offer_v1* offer) {
  static_cast<DataControlOwner*>(data)->announced_.push_back(offer);
}

void DataControlOwner::OnSelection(void* data, zwlr_data_control_device_v1*, zwlr_data_control_offer_v1* offer) {
  // Other programs' offers are read on the main connection. Each offer is
  // destroyed in the selection event that names it, not when announced:
  // libwayland never frees an object destroyed while a queued event still
  // names it, and one such offer per copy adds up over weeks.
  if (!offer) return;
  std::erase(static_cast<DataControlOwner*>(data)->announced_, offer);
  zwlr_data_control_offer_v1_destroy(offer);
}

void DataControlOwner::OnSend(void* data, zwlr_data_control_source_v1*, const char*, std::int32_t fd) {
  auto* self = static_cast<DataControlOwner*>(data);
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
  self->transfers_.push_back({fd, self->served_, 0, std::time(nullptr)});
}

void DataControlOwner::OnCancelled(void* data, zwlr_data_control_source_v1* source) {
  auto* self = static_cast<DataControlOwner*>(data);
  for (auto*& mine : self->sources_)
    if (mine == source) mine = nullptr;
  zwlr_data_control_source_v1_destroy(source);
  if (self->sources_[kClipboard] || self->sources_[kPrimary]) return;
  std::lock_guard lock(self->mutex_);
  self->owned_.reset();
}

void DataControlOwner::Write(Transfer& transfer) {
  while (transfer.offset < transfer.text->size()) {
    const ssize_t written =
        write(transfer.fd, transfer.text->data() + transfer.offset, transfer.text->size() - transfer.offset);
    if (written > 0) {
      transfer.offset += static_cast<std::size_t>(written);
      transfer.lastProgress = std::time(nullptr);
      continue;
    }
    if (written < 0 && errno == EINTR) continue;
    if (written < 0 && errno == EAGAIN) return;
    // The reader went away.
    break;
  }
  close(transfer.fd);
  transfer.fd = -1;
}

void DataControlOwner::Run() {
  // A reader that closes its pipe early must not end the program.
  sigset_t pipe;
  sigemptyset(&pipe);
  sigaddset(&pipe, SIGPIPE);
  pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
  const int displayFd = wl_display_get_fd(display_);
  for (;;) {
    while (wl_display_prepare_read(display_) != 0) wl_display_dispatch_pending(display_);
    wl_display_flush(display_);
    std::vector<pollfd> fds = {{displayFd, POLLIN, 0}, {wake_, POLLIN, 0}};
    for (const Transfer& transfer : transfers_) fds.push_back({transfer.fd, POLLOUT, 0});
    const int ready = poll(fds.data(), fds.size(), transfers_.empty() ? -1 : 1000);
    if (ready > 0 && (fds[0].revents & POLLIN)) {
      wl_display_read_events(display_);
    } else {
      wl_display_cancel_read(display_);
    }
    if (wl_display_dispatch_pending(display_) < 0) {
      LogWarning("wayland", "the paste's clipboard connection to the compositor broke");
      std::lock_guard lock(mutex_);
      owned_.reset();
      stopping_ = true;
      answered_.notify_all();
      return;
    }
    if (fds[1].revents & POLLIN) {
      std::uint64_t count = 0;
      (void)!read(wake_, &count, sizeof count);
      {
        std::lock_guard lock(mutex_);
        if (stopping_) return;
      }
      TakeSelections();
    }
    const std::time_t now = std::time(nullptr);
    for (Transfer& transfer : transfers_) {
      Write(transfer);
      if (transfer.fd >= 0 && now - transfer.lastProgress > kStalledSeconds) {
        LogWarning("wayland", "a program reading the pasted text stopped reading; it was given up");
        close(transfer.fd);
        transfer.fd = -1;
      }
    }
    std::erase_if(transfers_, [](const Transfer& transfer) { return transfer.fd < 0; });
  }
}

}  // namespace cvd::wayland
