// The dry run of a key macro: the key events it would send on a US
// keyboard, with their times, as JSON. Nothing reaches the display.
#include <iostream>
#include <nlohmann/json.hpp>

#include "core/paste/DryRunKeyboard.h"
#include "core/paste/KeyMacroSender.h"
#include "tools/Commands.h"

namespace cvd::tool {

namespace {

// Time that passes only by sleeping; nothing else ever happens in it.
class VirtualClock : public EventLoop {
 public:
  std::unique_ptr<Timer> CreateTimer(int intervalMs, bool, std::function<void()>) override {
    return std::make_unique<IdleTimer>(intervalMs);
  }
  void Post(std::function<void()>) override {}
  void ProcessEvents() override {}
  void Sleep(int ms) override {
    if (ms > 0) now_ += ms;
  }
  std::int64_t NowMs() const override { return now_; }

 private:
  class IdleTimer : public Timer {
   public:
    explicit IdleTimer(int interval) : interval_(interval) {}
    void Start() override { active_ = true; }
    void Stop() override { active_ = false; }
    bool IsActive() const override { return active_; }
    void SetInterval(int ms) override { interval_ = ms; }
    int Interval() const override { return interval_; }

   private:
    int interval_;
    bool active_ = false;
  };
  std::int64_t now_ = 0;
};

}  // namespace

int MacroCommand(const std::vector<std::string>& args) {
  bool capsLock = false;
  bool options = true;  // "--" ends them, for a macro that starts with "-"
  std::vector<std::string> rest;
  for (const std::string& arg : args) {
    if (options && arg == "--caps-lock") {
      capsLock = true;
    } else if (options && arg == "--") {
      options = false;
    } else {
      options = false;
      rest.push_back(arg);
    }
  }
  if (rest.size() != 1) {
    std::cerr << "usage: corvinade-tool macro [--caps-lock] [--] TEXT\n";
    return 2;
  }
  VirtualClock clock;
  DryRunKeyboard keyboard(clock);
  keyboard.capsLock = capsLock;
  KeyMacroSender sender(keyboard, clock);
  sender.SendString(rest.front());

  nlohmann::ordered_json out = nlohmann::ordered_json::array();
  for (const DryRunKeyEvent& event : keyboard.events) {
    nlohmann::ordered_json item;
    item["t"] = event.time;
    item["ev"] = event.up ? "up" : "down";
    item["key"] = event.key;
    if (event.extended) item["ext"] = true;
    out.push_back(std::move(item));
  }
  std::cout << out.dump() << "\n";
  return 0;
}

}  // namespace cvd::tool
