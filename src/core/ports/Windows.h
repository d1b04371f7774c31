#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/util/Geometry.h"

namespace cvd {

// A top-level window of any program; 0 is "no window".
using WindowId = std::uint64_t;

class Windows {
 public:
  virtual ~Windows() = default;
  // The window the user works in: 0 when none, or when it is one of the
  // desktop's own panels or docks, which are never a target.
  virtual WindowId Foreground() = 0;
  virtual std::string Title(WindowId window) = 0;
  virtual bool IsMinimized(WindowId window) = 0;
  virtual bool IsOurs(WindowId window) = 0;
  // File name of the program that owns the window, empty when unknown.
  virtual std::string ExecutableName(WindowId window) = 0;
  // The class of the window (WM_CLASS on X11), empty when unknown.
  virtual std::string ClassName(WindowId window) = 0;
  // Every name of the window's class: on X11 both parts of WM_CLASS
  // (instance and class), elsewhere the one name.
  virtual std::vector<std::string> ClassParts(WindowId window) { return {ClassName(window)}; }
  virtual bool Activate(WindowId window) = 0;
  virtual WindowId WindowUnderPointer() = 0;
  // Calls `onChange` whenever the foreground window, its title or its state
  // may have changed; an empty function ends that. False when this system
  // sends no such notices: the caller then has to ask on a timer.
  virtual bool SetChangeHandler(std::function<void()> onChange) = 0;
};

}  // namespace cvd
