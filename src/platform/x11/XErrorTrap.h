#pragma once
// Catches X errors for the lifetime of the object (a window may vanish
// between two requests). Qt installs its own handler: it is put back after.
typedef struct _XDisplay Display;

namespace cvd::x11 {

class XErrorTrap {
 public:
  explicit XErrorTrap(Display* display);
  ~XErrorTrap();
  XErrorTrap(const XErrorTrap&) = delete;
  XErrorTrap& operator=(const XErrorTrap&) = delete;
  // Syncs with the server and tells whether any request failed so far.
  bool Failed();
  int LastErrorCode() const;

 private:
  Display* display_;
};

}  // namespace cvd::x11
