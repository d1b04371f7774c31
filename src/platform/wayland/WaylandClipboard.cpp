#include "platform/wayland/WaylandClipboard.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <wayland-client.h>

#include <QClipboard>
#include <QGuiApplication>
#include <algorithm>
#include <cerrno>
#include <chrono>

#include "core/log/Log.h"
#include "platform/wayland/DataControlOwner.h"
#include "platform/wayland/TextTypes.h"
#include "platform/wayland/WaylandConnection.h"
#include "wlr-data-control-unstable-v1-client.h"

namespace cvd::wayland {

WaylandClipboard::WaylandClipboard(WaylandConnection& connection, Clipboard& x11, int timeoutMs)
    : connection_(connection), x11_(x11), timeoutMs_(timeoutMs), owner_(std::make_unique<DataControlOwner>()) {
  const Globals& globals = connection_.Offered();
  device_ = zwlr_data_control_manager_v1_get_data_device(globals.dataControl, globals.seat);
  static const zwlr_data_control_device_v1_listener listener = {
      .data_offer = OnDataOffer,
      .selection = OnSelection,
      .finished = OnFinished,
      .primary_selection = OnPrimarySelection,
  };
  zwlr_data_control_device_v1_add_listener(device_, &listener, this);
  // The clipboard as it is at start comes now, before anyone listens.
  connection_.Roundtrip();
  if (!owner_->Ok()) LogWarning("wayland", "the paste cannot own the clipboard: a second connection was refused");
}

WaylandClipboard::~WaylandClipboard() {
  Unsubscribe();
  owner_.reset();
  for (auto& [offer, types] : announced_) zwlr_data_control_offer_v1_destroy(offer);
  if (selection_) zwlr_data_control_offer_v1_destroy(selection_);
  if (device_) zwlr_data_control_device_v1_destroy(device_);
  connection_.Flush();
}

bool WaylandClipboard::Usable(const WaylandConnection& connection) {
  return connection.Offered().seat && connection.Offered().dataControl;
}

void WaylandClipboard::OnDataOffer(void* data, zwlr_data_control_device_v1*, zwlr_data_control_offer_v1* offer) {
  auto* self = static_cast<WaylandClipboard*>(data);
  static const zwlr_data_control_offer_v1_listener listener = {.offer = OnOffer};
  zwlr_data_control_offer_v1_add_listener(offer, &listener, self);
  self->announced_[offer];
}

void WaylandClipboard::OnOffer(void* data, zwlr_data_control_offer_v1* offer, const char* type) {
  auto* self = static_cast<WaylandClipboard*>(data);
  auto found = self->announced_.find(offer);
  if (found != self->announced_.end()) found->second.emplace_back(type);
}

void WaylandClipboard::OnSelection(void* data, zwlr_data_control_device_v1*, zwlr_data_control_offer_v1* offer) {
  auto* self = static_cast<WaylandClipboard*>(data);
  if (self->selection_) zwlr_data_control_offer_v1_destroy(self->selection_);
  self->selection_ = offer;
  self->selectionTypes_.clear();
  if (offer) {
    auto found = self->announced_.find(offer);
    if (found != self->announced_.end()) {
      self->selectionTypes_ = std::move(found->second);
      self->announced_.erase(found);
    }
  }
  // Our own paste's text was told when it was set.
  if (!OfferedByUs(self->selectionTypes_)) self->Changed();
}

void WaylandClipboard::OnPrimarySelection(void* data, zwlr_data_control_device_v1*, zwlr_data_control_offer_v1* offer) {
  // Only the clipboard is captured; the primary selection is written, never read.
  auto* self = static_cast<WaylandClipboard*>(data);
  if (!offer) return;
  self->announced_.erase(offer);
  zwlr_data_control_offer_v1_destroy(offer);
}

void WaylandClipboard::OnFinished(void* data, zwlr_data_control_device_v1*) {
  auto* self = static_cast<WaylandClipboard*>(data);
  LogWarning("wayland", "the compositor ended clipboard access: copies are no longer captured");
  zwlr_data_control_device_v1_destroy(self->device_);
  self->device_ = nullptr;
}

std::optional<std::string> WaylandClipboard::Text() {
  if (!selection_) return std::nullopt;
  if (OfferedByUs(selectionTypes_)) return owner_->Text();
  // A copy in one of our own (XWayland) windows is answered by our own
  // event loop, which is busy here: the X11 side reads it from Qt.
  if (QGuiApplication::clipboard()->ownsClipboard()) return x11_.Text();
  const std::string type = ChooseTextType(selectionTypes_);
  if (type.empty()) return std::nullopt;
  return Receive(type);
}

std::optional<std::string> WaylandClipboard::OfferedData(const std::string& type) {
  const bool offered = std::find(selectionTypes_.begin(), selectionTypes_.end(), type) != selectionTypes_.end();
  if (!selection_ || !offered) return std::nullopt;
  return Receive(type);
}

std::vector<std::string> WaylandClipboard::OwnerClasses() {
  const std::string appId = activeAppId_ ? activeAppId_() : std::string();
  if (appId.empty()) return {};
  return {appId};
}

std::optional<std::string> WaylandClipboard::Receive(const std::string& type) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
    LogWarning("wayland", "no pipe to read the clipboard through");
    return std::nullopt;
  }
  zwlr_data_control_offer_v1_receive(selection_, type.c_str(), fds[1]);
  close(fds[1]);
  if (!connection_.Flush()) {
    close(fds[0]);
    return std::nullopt;
  }
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs_);
  std::string text;
  char buffer[65536];
  for (;;) {
    const ssize_t got = read(fds[0], buffer, sizeof buffer);
    if (got > 0) {
      text.append(buffer, static_cast<std::size_t>(got));
      continue;
    }
    if (got == 0) break;  // the owner closed the pipe: all of it is here
    if (errno == EINTR) continue;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    pollfd readable = {fds[0], POLLIN, 0};
    if (errno != EAGAIN || left <= 0 || poll(&readable, 1, static_cast<int>(left)) <= 0) {
      close(fds[0]);
      LogWarning("wayland", "the clipboard's owner did not hand over its text within " + std::to_string(timeoutMs_) +
                                " ms; the copy was not captured");
      return std::nullopt;
    }
  }
  close(fds[0]);
  return text;
}

void WaylandClipboard::SetText(const std::string& text) {
  if (owner_->Ok() && owner_->Own(text)) {
    // The compositor's notice of our offer comes at once, so the next read
    // of the clipboard knows it for ours.
    connection_.Roundtrip();
    if (subscribed_) Changed();
    return;
  }
  // The compositor hands a selection owned on XWayland on to Wayland windows.
  x11_.SetText(text);
}

bool WaylandClipboard::Subscribe(std::function<void()> onChange) {
  onChange_ = std::move(onChange);
  subscribed_ = device_ != nullptr;
  return subscribed_;
}

void WaylandClipboard::Unsubscribe() {
  subscribed_ = false;
  onChange_ = nullptr;
}

void WaylandClipboard::Changed() {
  ++sequence_;
  if (subscribed_ && onChange_) onChange_();
}

}  // namespace cvd::wayland
