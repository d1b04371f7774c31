#pragma once
// The desktop's remote desktop service of the tests: it records each start
// and each key with its virtual time, and answers a start when told.
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/ports/EventLoop.h"
#include "core/ports/RemoteDesktop.h"

namespace cvd::test {

class FakeRemoteDesktop : public RemoteDesktop {
 public:
  struct Sent {
    std::uint32_t keysym;
    bool pressed;
    std::int64_t atMs;
    bool operator==(const Sent&) const = default;
  };

  explicit FakeRemoteDesktop(const EventLoop& loop) : loop_(loop) {}

  void Start(const std::string& restoreToken, std::function<void(const RemoteStartAnswer&)> done) override {
    startTokens.push_back(restoreToken);
    pending_ = std::move(done);
  }
  void SendKeysym(std::uint32_t keysym, bool pressed) override { sent.push_back({keysym, pressed, loop_.NowMs()}); }
  void SetClosedHandler(std::function<void()> closed) override { closed_ = std::move(closed); }

  bool Asking() const { return static_cast<bool>(pending_); }
  // The desktop's answer to the open start.
  void Answer(RemoteStartResult result, std::string token = {}) {
    auto done = std::move(pending_);
    pending_ = nullptr;
    done(RemoteStartAnswer{result, std::move(token), "test"});
  }
  // The desktop ends the session.
  void Close() { closed_(); }

  std::vector<std::string> startTokens;  // one per start, in order
  std::vector<Sent> sent;

 private:
  const EventLoop& loop_;
  std::function<void(const RemoteStartAnswer&)> pending_;
  std::function<void()> closed_;
};

}  // namespace cvd::test
