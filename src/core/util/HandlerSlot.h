#pragma once
// A notice from a core part to a view, safe whichever of the two goes
// first: the view keeps the Subscription, which removes its handler when
// the view goes, and touches nothing when the part has gone before it.
#include <functional>
#include <memory>
#include <utility>

namespace cvd {

class Subscription {
 public:
  Subscription() = default;
  explicit Subscription(std::weak_ptr<std::function<void()>> slot) : slot_(std::move(slot)) {}
  Subscription(Subscription&&) noexcept = default;
  Subscription& operator=(Subscription&& other) noexcept {
    Cancel();
    slot_ = std::move(other.slot_);
    return *this;
  }
  Subscription(const Subscription&) = delete;
  Subscription& operator=(const Subscription&) = delete;
  ~Subscription() { Cancel(); }

  void Cancel() {
    if (const auto slot = slot_.lock()) *slot = nullptr;
    slot_.reset();
  }

 private:
  std::weak_ptr<std::function<void()>> slot_;
};

class HandlerSlot {
 public:
  // Replaces any handler before it.
  [[nodiscard]] Subscription Subscribe(std::function<void()> handler) {
    *slot_ = std::move(handler);
    return Subscription(slot_);
  }
  void operator()() const {
    if (*slot_) (*slot_)();
  }

 private:
  std::shared_ptr<std::function<void()>> slot_ = std::make_shared<std::function<void()>>();
};

}  // namespace cvd
