#pragma once

#include <functional>
#include <memory>
#include <mutex>

#include "core/ports/EventLoop.h"

namespace cvd {

// Lets a worker thread post to the event loop on behalf of an owner that may
// go away while the thread still runs (a thread whose object outlives the
// owner, or the loop). Once the gate is closed (at the latest by its
// destructor, in the owner's) nothing more is posted, and a post under way
// has finished.
class PostGate {
 public:
  using Poster = std::function<void(std::function<void()>)>;

  explicit PostGate(EventLoop& loop) : state_(std::make_shared<State>(loop)) {}
  ~PostGate() { Close(); }
  PostGate(const PostGate&) = delete;
  PostGate& operator=(const PostGate&) = delete;

  // For the worker: posts its function while the gate is open.
  Poster Post() const {
    return [state = state_](std::function<void()> fn) {
      const std::lock_guard lock(state->mutex);
      if (state->loop) state->loop->Post(std::move(fn));
    };
  }

  void Close() {
    const std::lock_guard lock(state_->mutex);
    state_->loop = nullptr;
  }

 private:
  struct State {
    explicit State(EventLoop& open) : loop(&open) {}
    std::mutex mutex;
    EventLoop* loop;
  };
  std::shared_ptr<State> state_;
};

}  // namespace cvd
