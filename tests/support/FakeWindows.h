#pragma once
// Windows of a pretend desktop for target tracking tests.
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/ports/Windows.h"

namespace cvd::test {

struct FakeWindow {
  std::string title;
  std::string exe;
  bool minimized = false;
  bool ours = false;
  std::string className = {};
  std::string instanceName = {};  // the first part of WM_CLASS
};

class FakeWindows : public Windows {
 public:
  WindowId Foreground() override { return foreground; }
  std::string Title(WindowId w) override {
    if (titleFails) throw std::runtime_error("window gone");
    return Find(w).title;
  }
  bool IsMinimized(WindowId w) override { return Find(w).minimized; }
  bool IsOurs(WindowId w) override { return Find(w).ours; }
  std::string ExecutableName(WindowId w) override {
    ++exeLookups;
    return Find(w).exe;
  }
  std::string ClassName(WindowId w) override { return Find(w).className; }
  std::vector<std::string> ClassParts(WindowId w) override { return {Find(w).instanceName, Find(w).className}; }
  bool Activate(WindowId w) override {
    activated.push_back(w);
    foreground = w;
    return windows.count(w) > 0;
  }
  WindowId WindowUnderPointer() override { return underPointer; }
  bool SetChangeHandler(std::function<void()> onChange) override {
    changeHandler = std::move(onChange);
    return notices;
  }
  // The window system's notice of a new foreground window or title.
  void Changed() {
    if (changeHandler) changeHandler();
  }

  std::map<WindowId, FakeWindow> windows;
  WindowId foreground = 0;
  WindowId underPointer = 0;
  int exeLookups = 0;
  bool titleFails = false;  // the window vanishes while it is asked
  bool notices = false;     // whether changes are notified (else the core asks)
  std::function<void()> changeHandler;
  std::vector<WindowId> activated;

 private:
  FakeWindow& Find(WindowId w) { return windows[w]; }
};

}  // namespace cvd::test
