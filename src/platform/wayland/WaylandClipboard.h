#pragma once
// The clipboard port through the compositor's data-control protocol: every
// clipboard change reaches the program whichever window has the focus.
// Text is read from its owner with a time limit, so an owner that never
// answers cannot freeze the program; texts we put there are served by
// DataControlOwner from a thread of its own.
#include <map>
#include <memory>
#include <vector>

#include "core/ports/Clipboard.h"

struct zwlr_data_control_device_v1;
struct zwlr_data_control_offer_v1;

namespace cvd::wayland {

class DataControlOwner;
class WaylandConnection;

class WaylandClipboard : public Clipboard {
 public:
  // Needs the connection's seat and data-control manager (see Usable);
  // `x11` is the XWayland clipboard, for what our own windows copied and
  // for pastes when the compositor refuses our offer.
  WaylandClipboard(WaylandConnection& connection, Clipboard& x11, int timeoutMs = 300);
  ~WaylandClipboard() override;
  static bool Usable(const WaylandConnection& connection);

  std::optional<std::string> Text() override;
  void SetText(const std::string& text) override;
  std::uint32_t SequenceNumber() override { return sequence_; }
  bool Subscribe(std::function<void()> onChange) override;
  void Unsubscribe() override;
  // The MIME types the clipboard's owner offers right now, and what it
  // offers as one of them (read with the same time limit as the text).
  std::vector<std::string> OfferedTypes() override { return selectionTypes_; }
  std::optional<std::string> OfferedData(const std::string& type) override;
  // Wayland does not name a selection's owner; a program copies while its
  // window is active, so that window's app_id stands in (empty until
  // SetActiveAppId gives a way to learn it).
  std::vector<std::string> OwnerClasses() override;
  void SetActiveAppId(std::function<std::string()> activeAppId) { activeAppId_ = std::move(activeAppId); }

 private:
  static void OnDataOffer(void* data, zwlr_data_control_device_v1*, zwlr_data_control_offer_v1* offer);
  static void OnSelection(void* data, zwlr_data_control_device_v1*, zwlr_data_control_offer_v1* offer);
  static void OnPrimarySelection(void* data, zwlr_data_control_device_v1*, zwlr_data_control_offer_v1* offer);
  static void OnFinished(void* data, zwlr_data_control_device_v1*);
  static void OnOffer(void* data, zwlr_data_control_offer_v1* offer, const char* type);
  std::optional<std::string> Receive(const std::string& type);
  void Changed();

  WaylandConnection& connection_;
  Clipboard& x11_;
  int timeoutMs_;
  zwlr_data_control_device_v1* device_ = nullptr;
  // Offers announced and their types, until they become a selection.
  std::map<zwlr_data_control_offer_v1*, std::vector<std::string>> announced_;
  zwlr_data_control_offer_v1* selection_ = nullptr;
  std::vector<std::string> selectionTypes_;
  std::unique_ptr<DataControlOwner> owner_;
  std::function<void()> onChange_;
  std::function<std::string()> activeAppId_;
  bool subscribed_ = false;
  std::uint32_t sequence_ = 0;
};

}  // namespace cvd::wayland
